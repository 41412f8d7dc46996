#include "model/StarredText.h"

namespace quelvarin {

std::string JoinStarred(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += '*';
    }
    return text;
}

std::vector<std::string> SplitStarred(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto star = text.find('*'); star != std::string_view::npos; star = text.find('*', start)) {
        lines.emplace_back(text.substr(start, star - start));
        start = star + 1;
    }
    return lines;
}

} // namespace quelvarin
