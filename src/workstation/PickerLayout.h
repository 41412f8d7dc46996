#pragma once

#include "model/SignCode.h"

#include <span>
#include <string_view>

// Where the sign picker offers its boxes: the pages in tab order, with their topic help, and
// the rows of boxes of the pages laid out from tables.
namespace quelvarin::picker {

enum class Page { Locations, Determinants, Contents, Frequencies, SpecialReactions };
inline constexpr int kPageCount = 5;

struct PageInfo {
    Page page;
    std::string_view tab;       // the tab's caption
    std::string_view topicFile; // its "súgó" button's topic help (help\, jegyzet\)
};
std::span<const PageInfo> Pages();

// The location boxes in their three rows.
std::span<const std::span<const SignCode>> LocationRows();

// The contents boxes: four columns of thirteen, in code order.
inline constexpr int kContentColumns = 4;
inline constexpr int kContentRows = 13;
SignCode ContentBoxAt(int column, int row);

// The frequency boxes: V-1, V-2, V-3, V-% and O +, O +/-, O -, O-% : (their counters).
std::span<const SignCode> VulgarBoxes();
std::span<const SignCode> OriginalityBoxes();
// The rows of the originality list: "O+", "O+/-", "O-".
std::span<const std::string_view> OriginalityRows();

} // namespace quelvarin::picker
