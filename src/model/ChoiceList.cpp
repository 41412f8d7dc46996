#include "model/ChoiceList.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"

namespace quelvarin {

Lines ParseChoiceList(std::string_view bytes) {
    Lines choices;
    for (auto& line : SplitLines(DecodeCp1250(bytes))) {
        auto end = line.find_last_not_of(" \t\r");
        if (end != std::string::npos) {
            line.erase(end + 1);
            choices.push_back(std::move(line));
        }
    }
    return choices;
}

std::optional<Lines> ReadChoiceList(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseChoiceList(*bytes);
}

} // namespace quelvarin
