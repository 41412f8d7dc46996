#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quelvarin {

// A range of whole counts as the scoring tables write it: "7", "4-6", "16+" or "-" (none).
struct CountRange {
    int first = 0;
    int last = -1; // kOpenEnd for "N+"; last < first for "-"
    static constexpr int kOpenEnd = 1 << 30;

    bool Empty() const { return last < first; }
    bool Holds(int count) const { return !Empty() && count >= first && count <= last; }
};

// Parses one range; nothing for a text that is not a range.
std::optional<CountRange> ParseCountRange(std::string_view text);

// A table cell of N ranges separated by " / " ("2-3 / 4-6 / 7 / -"), in column order.
template <std::size_t N>
using CountRangeCell = std::array<CountRange, N>;

// Parses a cell; a malformed cell is a defect of the table, caught by the tests.
template <std::size_t N>
CountRangeCell<N> ParseCountRangeCell(std::string_view cell);

// The column (0..N-1) whose range holds the count; nothing when none does. With
// `lastCovers`, a count above every range falls into the last column that has one.
template <std::size_t N>
std::optional<std::size_t> ColumnOfCount(const CountRangeCell<N>& cell, int count, bool lastCovers = false) {
    std::optional<std::size_t> top;
    for (std::size_t i = 0; i < N; ++i) {
        if (cell[i].Holds(count)) {
            return i;
        }
        if (!cell[i].Empty()) {
            top = i;
        }
    }
    if (lastCovers && top && count > cell[*top].last) {
        return top;
    }
    return std::nullopt;
}

} // namespace quelvarin
