#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// One line of a card's location list (lok/<card>.lok, Windows-1250): the outlined picture's
// name, "=", the label the list shows, ";", and anything else, which is kept but never shown.
struct Location {
    std::string line;    // the line as read
    std::string picture; // the text before the first "=", every "&" removed; "" without "="
    // The text after that "=" (from the start of a line without "=") up to the next ";"; ""
    // when no ";" follows.
    std::string label;

    bool operator==(const Location&) const = default;
};

Location ParseLocationLine(std::string_view line);

// The locations of a list file's bytes, one per line, in order.
std::vector<Location> ParseLocationList(std::string_view bytes);

// The locations of a list file; nothing when it is missing or cannot be read.
std::optional<std::vector<Location>> ReadLocationList(const std::filesystem::path& path);

// The sign names a label offers: each run of characters between an apostrophe and the next
// apostrophe, left to right ("1 'G' 'D'" gives G and D). A last apostrophe without its pair
// opens nothing, and an empty pair names nothing.
std::vector<std::string> QuotedSignNames(std::string_view label);

} // namespace quelvarin
