#include "platform/LineFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"

namespace quelvarin {

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        auto stop = end == std::string_view::npos ? text.size() : end;
        auto line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

Lines SplitLines(std::string_view text) {
    auto views = SplitLineViews(text);
    return Lines(views.begin(), views.end());
}

LineEnd LineEndOf(std::string_view text) {
    // A line read from a file of LF line ends keeps a carriage return it carries, which LF alone
    // would not give back; such a text is written with CR LF.
    bool lineFeeds = text.find('\n') != std::string_view::npos;
    return lineFeeds && text.find('\r') == std::string_view::npos ? LineEnd::Lf : LineEnd::CrLf;
}

std::string JoinLines(const Lines& lines, LineEnd end) {
    std::string_view ending = end == LineEnd::CrLf ? "\r\n" : "\n";
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + ending.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += ending;
    }
    return text;
}

std::string WithoutLineBreaks(std::string text) {
    std::string line(std::move(text));
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

std::optional<Lines> ReadLineFile(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(DecodeCp1250(*bytes));
}

bool WriteLineFile(const std::filesystem::path& path, const Lines& lines, LineEnd end) {
    return ReplaceFileAtomically(path, EncodeCp1250(JoinLines(lines, end)));
}

} // namespace quelvarin
