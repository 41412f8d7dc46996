#include "platform/Cp1250.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace quelvarin {
namespace {

constexpr std::array<char32_t, 128> kHighHalf = {
#include "platform/Cp1250Table.inc"
};

// (code point, byte) pairs of the high half, sorted by code point for the encoder.
constexpr auto kEncodeTable = [] {
    std::array<std::pair<char32_t, unsigned char>, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(table.begin(), table.end());
    return table;
}();

} // namespace

std::string DecodeCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII, most of every file, are copied whole.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) {
            ++run;
        }
        out.append(bytes.data() + i, run - i);
        if (run < bytes.size()) {
            AppendUtf8(out, kHighHalf[static_cast<unsigned char>(bytes[run]) - 0x80u]);
            ++run;
        }
        i = run;
    }
    return out;
}

std::string EncodeCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Runs of ASCII are copied whole.
        std::size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80) {
            ++run;
        }
        out.append(utf8.data() + i, run - i);
        if (run == utf8.size()) {
            break;
        }
        // A character outside ASCII; the reader always steps over at least one byte.
        Utf8Reader reader(utf8.substr(run));
        char32_t cp = *reader.Next();
        i = run + reader.Position();
        auto it = std::lower_bound(kEncodeTable.begin(), kEncodeTable.end(), cp,
                                   [](const auto& entry, char32_t key) { return entry.first < key; });
        if (it != kEncodeTable.end() && it->first == cp) {
            out.push_back(static_cast<char>(it->second));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

} // namespace quelvarin
