#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Rows of many stored protocols in one run: the batch attach to a statistics file and the
// summary export of an archive. Each file is parsed without being installed; a file the loader
// rejects is skipped and named in the report, never turned into a row of another protocol.
namespace quelvarin::statistics {

struct BatchNote {
    enum class Kind { Rejected, AlreadyPresent, EducationEmptied };
    Kind kind;
    std::string text;
};

struct BatchReport {
    std::size_t rows = 0;
    std::vector<BatchNote> notes;              // one line per file skipped or changed
    std::optional<std::filesystem::path> last; // the last file a row was built from
    std::optional<std::string> failure;        // the run stopped: the target could not be written
};

using Progress = std::function<void(std::size_t done, std::size_t total)>;

// Appends the rows of the files, in order, to the target; a missing target is created with the
// header line. With `skipPresent` a file whose examination code already heads a line of the
// target (or of a row this run wrote) is skipped with a note.
BatchReport AttachFiles(const std::filesystem::path& target, const std::vector<std::filesystem::path>& files,
                        bool skipPresent, const Progress& progress = {});

// The protocol files of a folder in name order; nothing when the folder cannot be read.
std::optional<std::vector<std::filesystem::path>> ProtocolFilesOf(const std::filesystem::path& folder);
// A protocol file is named *.qvl, in any case ("A.QVL" too): saved on Windows, the case of
// the extension is the user's.
bool IsProtocolFileName(const std::filesystem::path& file);

// The summary export: the header and the rows of the files, given to `write` piece by piece
// (Windows-1250 bytes). False from `write` stops the run.
BatchReport ExportSummary(const std::vector<std::filesystem::path>& files,
                          const std::function<bool(std::string_view)>& write, const Progress& progress = {});

std::string SummaryDoneMessage(std::size_t files, const std::filesystem::path& summaryFile);

} // namespace quelvarin::statistics
