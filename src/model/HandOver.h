#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The subject's identity as a sibling program hands it over: lines of key "=" value ";". The
// key is the text before the first "=", the value the text between it and the last ";"; a key
// read once keeps its first value, and any other line is ignored.
struct HandOver {
    std::optional<std::string> code; // "kód"
    std::optional<std::string> name; // "név"
    std::optional<std::string> sex;  // "nem": 1 "férfi", 2 "nő"; another value is not taken
};

// The Windows-1250 bytes of the file; nothing in them stops the reading.
HandOver ParseHandOver(std::string_view bytes);

} // namespace quelvarin
