#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The statistics files of stat/: the duplicate rule, the names new files may take, and the
// checks of the attach and batch dialogs.
namespace quelvarin::statistics {

// Whether a line of the file starts with the examination code as its first field (exact,
// case-sensitive; the header's "Kod" counts too). Nothing when the file cannot be read.
std::optional<bool> CodePresentInFile(const std::filesystem::path& file, std::string_view code);

// The codes of every line of a file (its first fields), for a batch that skips protocols
// already in its target without reading the target again for each.
std::optional<std::vector<std::string>> CodesInFile(const std::filesystem::path& file);
// The same from the file's bytes: the first field of every line, the header's "Kod" included.
std::vector<std::string> CodesInText(std::string_view bytes);

// Appends a protocol's row to a statistics file; a missing file is created with the header.
bool AppendRow(const std::filesystem::path& file, std::string_view row);
// A new statistics file holding its header line only; false when the file is there already or
// cannot be written.
bool CreateWithHeader(const std::filesystem::path& file);

// --- Names of new statistics files ---------------------------------------------------------
inline constexpr std::size_t kMaxNameLength = 8;
inline constexpr std::string_view kNameCharactersMessage =
    "A fájlnévhez használható karakterek:\r\naz angol ABC betűi, számjegyek,\r\nvalamint a kötőjel és az aláhúzásjel";

bool IsNameCharacter(char c);
// A name that can become stat/<name>.dat: 1 to 8 English letters, digits, "-" or "_".
bool IsValidName(std::string_view name);

// The name field after a change: a last character that may not stand in a name is removed
// (with the message), and the name is kept to 8 characters.
struct TypedName {
    std::string name;
    bool refused = false; // the message is to be shown
    bool operator==(const TypedName&) const = default;
};
TypedName FilterTypedName(std::string_view typed);

// The attach dialog's "&csatol" for a new file: a valid name whose .dat file is not listed
// (compared without regard to case).
bool NewNameAccepted(std::string_view name, const std::vector<std::string>& listedFiles);

// The new-file window's button: its caption for the name typed so far.
inline constexpr std::string_view kButtonNoName = "adjon nevet a fájlnak!!!";
inline constexpr std::string_view kButtonExists = "ilyen nevű fájl már van!!!";
inline constexpr std::string_view kButtonCreate = "létrehoz";
inline constexpr std::string_view kExistsMessage = "Mondom vaaaan!!!";
std::string_view NewFileButton(const std::filesystem::path& statFolder, std::string_view name);

// --- The batch dialog's checks ------------------------------------------------------------
inline constexpr std::string_view kNoTarget = "Nem jelölt ki DAT-fájlt a csatolás céljaként!";
inline constexpr std::string_view kCheckDone = "Ellenőrzés rendben.";

// A protocol file's code for the pre-check: its name up to the first ".".
std::string FileCode(const std::filesystem::path& file);

struct CheckResult {
    bool ok = false;
    std::string message;
};
// "?": none of the selected files' codes may be in the target.
CheckResult PreCheck(const std::filesystem::path& target, const std::vector<std::filesystem::path>& selected);
// "ellenőrzés": no file name twice in the attach list.
CheckResult DuplicateCheck(const std::vector<std::filesystem::path>& attachList);
// ">>": adds the paths not yet in the list, in order.
void AddToAttachList(std::vector<std::filesystem::path>& attachList,
                     const std::vector<std::filesystem::path>& selected);

} // namespace quelvarin::statistics
