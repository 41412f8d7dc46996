#pragma once

#include <limits>
#include <span>
#include <string_view>

// The classification tables of the typologies, as data.
namespace quelvarin::typology_tables {

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// A closed range of one side; a single value is an exact match of half units.
struct SideRange {
    double low;
    double high;
    constexpr bool Holds(double value) const { return value >= low && value <= high; }
};
constexpr SideRange Is(double value) {
    return {value, value};
}
constexpr SideRange Between(double low, double high) {
    return {low, high};
}
constexpr SideRange AtMost(double high) {
    return {-kUnbounded, high};
}
constexpr SideRange AtLeast(double low) {
    return {low, kUnbounded};
}

// Both sides in range: (left, right) for the pair as written.
struct Clause {
    SideRange left;
    SideRange right;
};

// A label and the clauses any one of which gives it; `mirrored` reads the clauses with the
// two sides exchanged. The first rule that holds wins.
struct Rule {
    std::string_view label;
    std::span<const Clause> clauses;
    bool mirrored;
};

std::span<const Rule> ExperienceTypeRules();
std::span<const Rule> SecondaryFormulaRules(); // a pair no rule takes is "feszült"
inline constexpr std::string_view kSecondaryFormulaOtherwise = "feszült";

// Inner tension: for each zw count 0..12 the ranges of rounded shading for the five labels.
inline constexpr std::string_view kInnerTensionLabels[5] = {"sivár", "ellensúly nélküli zw hangsúlyú",
                                                            "zw hangsúlyú", "feszült", "Hd hangsúlyú"};
std::span<const std::string_view> InnerTensionRows(); // row z: "0-1 / - / - / - / 2-20"

// The intellect rating of F+%1: the first band whose upper bound (inclusive) is not exceeded.
struct RatingBand {
    double upTo;
    std::string_view label;
};
std::span<const RatingBand> IntellectRatingBands();

} // namespace quelvarin::typology_tables
