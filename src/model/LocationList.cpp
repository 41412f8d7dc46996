#include "model/LocationList.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"

namespace quelvarin {

Location ParseLocationLine(std::string_view line) {
    Location location;
    location.line = std::string(line);
    auto rest = line;
    if (auto equals = line.find('='); equals != std::string_view::npos) {
        for (char c : line.substr(0, equals)) {
            if (c != '&') {
                location.picture.push_back(c);
            }
        }
        rest = line.substr(equals + 1);
    }
    if (auto semicolon = rest.find(';'); semicolon != std::string_view::npos) {
        location.label = std::string(rest.substr(0, semicolon));
    }
    return location;
}

std::vector<Location> ParseLocationList(std::string_view bytes) {
    std::vector<Location> locations;
    for (const auto& line : SplitLines(DecodeCp1250(bytes))) {
        locations.push_back(ParseLocationLine(line));
    }
    return locations;
}

std::optional<std::vector<Location>> ReadLocationList(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseLocationList(*bytes);
}

std::vector<std::string> QuotedSignNames(std::string_view label) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (true) {
        auto open = label.find('\'', from);
        if (open == std::string_view::npos) {
            break;
        }
        auto close = label.find('\'', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        if (close > open + 1) {
            names.emplace_back(label.substr(open + 1, close - open - 1));
        }
        from = close + 1;
    }
    return names;
}

} // namespace quelvarin
