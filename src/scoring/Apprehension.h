#pragma once

#include "model/Protocol.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelvarin {

// The four location group sums; the combined locations count in several.
struct LocationSums {
    int g = 0;  // G + G komb. + Gzw + DG komb. + DG konf. + DG kont. + DzwG
    int d = 0;  // D + DG komb. + DG konf. + DG kont.
    int dd = 0; // Dd + Ddzw
    int zw = 0; // Gzw + DzwG + Dzw + Ddzw + zw
    bool operator==(const LocationSums&) const = default;
};

LocationSums ComputeLocationSums(const Protocol& protocol);

// How an element of the apprehension formula is written: "(G)-", "G-", "G!-", "G!!-".
enum class Grade : std::uint8_t { None, UnderRepresented, Normal, Emphasised, StronglyEmphasised };

// The nine flags, in this order, set while the formula is built.
enum class ApprehensionFlag : std::uint8_t {
    G,
    GEmphasised,
    GStrong,
    Do,
    DoEmphasised,
    DoStrong,
    Zw,
    ZwEmphasised,
    ZwStrong
};
inline constexpr std::array<std::string_view, 9> kApprehensionFlagNames = {"G",    "G!", "G!!", "Do",  "Do!",
                                                                           "Do!!", "zw", "zw!", "zw!!"};
using ApprehensionFlags = std::array<bool, 9>;

// The grades of the G, D, Dd and zw elements for R answers and the given sums.
struct MainGrades {
    Grade g = Grade::None, d = Grade::None, dd = Grade::None, zw = Grade::None;
    bool operator==(const MainGrades&) const = default;
};

struct ApprehensionFigures {
    LocationSums sums;
    std::string formula; // e.g. "G-D!-(Dd)-zw-"
    ApprehensionFlags flags{};
    MainGrades grades;               // of the elements G, D, Dd, zw as written
    Grade doGrade = Grade::None;     // of the element Do
    Grade gKombGrade = Grade::None;  // of the element Gkomb
    Grade dgKonfGrade = Grade::None; // of the element DGkonf
    bool Flag(ApprehensionFlag flag) const { return flags[static_cast<std::size_t>(flag)]; }
    bool operator==(const ApprehensionFigures&) const = default;
};

MainGrades GradeMainLocations(int answers, const LocationSums& sums);
// The grade of Do for R answers and n Do signs.
Grade GradeDo(int answers, int count);
// The grade of a combined location ("DGkonf", "DGkomb", "Gzw", "Gkomb", "DzwG", "DGkont").
Grade GradeCombinedLocation(std::string_view element, int answers, int count);

// The formula and its flags; R is the number of answers with a card.
ApprehensionFigures BuildApprehensionFormula(const Protocol& protocol);

} // namespace quelvarin
