// Any bytes as a card's location list: every line is a location, its picture name holds no
// "&", its label no ";" and is part of its line, and the sign names of the label are non-empty
// runs without an apostrophe, in the order they stand in the label.
#include "model/LocationList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto locations =
        quelvarin::ParseLocationList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& location : locations) {
        if (location.picture.find('&') != std::string::npos ||
            location.label.find(';') != std::string::npos ||
            location.line.find(location.label) == std::string::npos ||
            location.line.find('\n') != std::string::npos) {
            std::abort();
        }
        std::size_t from = 0;
        for (const auto& name : quelvarin::QuotedSignNames(location.label)) {
            auto at = location.label.find("'" + name + "'", from);
            if (name.empty() || name.find('\'') != std::string::npos || at == std::string::npos) {
                std::abort();
            }
            from = at + name.size() + 2;
        }
    }
    return 0;
}
