#pragma once

#include "scoring/CountRanges.h"

#include <span>
#include <string_view>

// The grading tables of the apprehension formula, as data.
namespace quelvarin::apprehension_tables {

// One band of R: the count ranges of the four grades (under-represented / normal / emphasised /
// strongly emphasised) for each of G, D, Dd and zw.
struct Band {
    int firstAnswers;
    int lastAnswers;
    std::string_view g, d, dd, zw;
};
std::span<const Band> MainBands();

// Do and the combined locations: for a range of counts, the grade in a protocol of no answers
// (R = 0), a short one (R 1..17) and a long one (R 18 and more).
struct CountRow {
    std::string_view counts;
    int zero, shortProtocol, longProtocol; // Grade values
};
struct ElementTable {
    std::string_view element;
    std::span<const CountRow> rows;
};
std::span<const CountRow> DoRows();
// In the order the formula writes them after Do.
std::span<const ElementTable> CombinedElements();

inline constexpr int kFirstLongProtocol = 18;

} // namespace quelvarin::apprehension_tables
