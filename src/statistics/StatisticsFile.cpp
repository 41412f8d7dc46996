#include "statistics/StatisticsFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "statistics/StatisticsRow.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quelvarin::statistics {
namespace fs = std::filesystem;

namespace {

// The first field of each line of a file's raw bytes, in Windows-1250; stops when `visit`
// says so.
template <typename Visit>
void ForEachFirstField(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        auto line = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (visit(line.substr(0, line.find('\t')))) {
            return;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

} // namespace

std::optional<bool> CodePresentInFile(const fs::path& file, std::string_view code) {
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return std::nullopt;
    }
    auto encoded = EncodeCp1250(code);
    bool found = false;
    ForEachFirstField(*bytes, [&](std::string_view first) { return found = first == encoded; });
    return found;
}

std::vector<std::string> CodesInText(std::string_view bytes) {
    std::vector<std::string> codes;
    ForEachFirstField(bytes, [&](std::string_view first) {
        codes.push_back(DecodeCp1250(first));
        return false;
    });
    return codes;
}

std::optional<std::vector<std::string>> CodesInFile(const fs::path& file) {
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        return std::nullopt;
    }
    return CodesInText(*bytes);
}

bool AppendRow(const fs::path& file, std::string_view row) {
    std::error_code error;
    std::string text = fs::exists(file, error) ? std::string() : StatisticsHeader();
    text += row;
    return AppendToFile(file, EncodeCp1250(text));
}

bool CreateWithHeader(const fs::path& file) {
    std::error_code error;
    if (fs::exists(file, error) || error) {
        return false;
    }
    return AppendToFile(file, EncodeCp1250(StatisticsHeader()));
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool IsValidName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxNameLength &&
           std::all_of(name.begin(), name.end(), IsNameCharacter);
}

TypedName FilterTypedName(std::string_view typed) {
    TypedName result{std::string(typed)};
    // The field is checked after every keystroke: only its last character is new. A name
    // pasted whole is kept up to its first character that may not stand in a name.
    auto bad =
        std::find_if(result.name.begin(), result.name.end(), [](char c) { return !IsNameCharacter(c); });
    if (bad != result.name.end()) {
        result.name.erase(bad, result.name.end());
        result.refused = true;
    }
    if (result.name.size() > kMaxNameLength) {
        result.name.resize(kMaxNameLength);
    }
    return result;
}

bool NewNameAccepted(std::string_view name, const std::vector<std::string>& listedFiles) {
    if (!IsValidName(name)) {
        return false;
    }
    auto wanted = Lower(std::string(name) + ".dat");
    return std::none_of(listedFiles.begin(), listedFiles.end(),
                        [&](const std::string& listed) { return Lower(listed) == wanted; });
}

std::string_view NewFileButton(const fs::path& statFolder, std::string_view name) {
    if (!IsValidName(name)) {
        return kButtonNoName;
    }
    std::error_code error;
    return fs::exists(statFolder / (std::string(name) + ".dat"), error) ? kButtonExists : kButtonCreate;
}

std::string FileCode(const fs::path& file) {
    auto name = file.filename().string();
    return name.substr(0, name.find('.'));
}

CheckResult PreCheck(const fs::path& target, const std::vector<fs::path>& selected) {
    std::error_code error;
    if (!fs::is_regular_file(target, error)) {
        return {false, std::string(kNoTarget)};
    }
    for (const auto& file : selected) {
        auto code = FileCode(file);
        if (CodePresentInFile(target, code).value_or(false)) {
            return {false, "ilyen már van a célfájlban: " + code};
        }
    }
    return {true, std::string(kCheckDone)};
}

CheckResult DuplicateCheck(const std::vector<fs::path>& attachList) {
    for (std::size_t i = 0; i < attachList.size(); ++i) {
        for (std::size_t j = i + 1; j < attachList.size(); ++j) {
            if (attachList[i].filename() == attachList[j].filename()) {
                return {false, "Többször szerepel: " + attachList[i].filename().string()};
            }
        }
    }
    return {true, std::string(kCheckDone)};
}

void AddToAttachList(std::vector<fs::path>& attachList, const std::vector<fs::path>& selected) {
    for (const auto& file : selected) {
        if (std::find(attachList.begin(), attachList.end(), file) == attachList.end()) {
            attachList.push_back(file);
        }
    }
}

} // namespace quelvarin::statistics
