#include "scoring/TypologyTables.h"

namespace quelvarin::typology_tables {
namespace {

// ÉT: movement (left) against colour (right).
constexpr Clause kCoarctated[] = {{AtMost(0.5), AtMost(0.5)}};
constexpr Clause kCoarctative[] = {{Is(1), AtMost(1)}, {AtMost(1), Is(1)}};
constexpr Clause kIntroversiveOnly[] = {{AtLeast(1.5), Is(0)}, {AtLeast(4), AtMost(0.5)}};
constexpr Clause kExtraversive[] = {
    {Is(0.5), Between(1.5, 3.5)}, {Is(1), Between(2.5, 5.5)}, {Is(1.5), Between(3, 5.5)}};
constexpr Clause kAmbiequal[] = {
    {Between(1.5, 2), Is(1)},     {Between(1, 2.5), Is(1.5)}, {Between(1, 3), Is(2)},
    {Between(1.5, 3.5), Is(2.5)}, {Between(2, 3), Is(3)},     {Is(2.5), Is(3.5)},
};
constexpr Clause kDilatativeExtraversive[] = {{Between(1, 2), AtLeast(6)}};
constexpr Clause kBalancedExtraversive[] = {
    {Is(2), Between(3.5, 5.5)}, {Is(2.5), AtLeast(4)},   {Is(3), AtLeast(5)},
    {Is(3.5), AtLeast(5.5)},    {Is(4), AtLeast(6.5)},   {Is(4.5), AtLeast(7)},
    {Is(5), AtLeast(8)},        {Is(5.5), AtLeast(8.5)}, {Is(6), AtLeast(9)},
};
constexpr Clause kDilated[] = {
    {Is(3), Between(3.5, 4.5)}, {Is(3.5), Between(3, 5)},   {Is(4), Between(3, 6)},
    {Is(4.5), Between(3, 6.5)}, {Is(5), Between(3.5, 7.5)}, {Is(5.5), Between(4, 8)},
    {Is(6), Between(4, 8.5)},   {Is(6.5), AtLeast(4.5)},    {Is(7), AtLeast(5)},
    {Is(7.5), AtLeast(5)},      {Is(8), AtLeast(5.5)},      {Is(8.5), AtLeast(6)},
    {AtLeast(9), AtLeast(6.5)},
};

constexpr Rule kExperienceTypeRules[] = {
    {"Koartált", kCoarctated, false},
    {"Koartatív", kCoarctative, false},
    {"Extraverzió nélküli intr.", kIntroversiveOnly, false},
    {"Introverzió nélküli extr.", kIntroversiveOnly, true},
    {"Extravertált", kExtraversive, false},
    {"Introvertált", kExtraversive, true},
    {"Ambiekvális", kAmbiequal, false},
    {"Dilatatív extravertált", kDilatativeExtraversive, false},
    {"Dilatatív introvertált", kDilatativeExtraversive, true},
    {"Ellensúlyos extravertált", kBalancedExtraversive, false},
    {"Ellensúlyos introvertált", kBalancedExtraversive, true},
    {"Dilatált", kDilated, false},
};

// MF: kinaesthetic (left) against sensory (right).
constexpr Clause kBarren[] = {{AtMost(1), AtMost(1)}};
constexpr Clause kSensoryStress[] = {
    {AtMost(0.5), AtLeast(1.5)}, {AtMost(1), AtLeast(2.5)}, {AtMost(1.5), AtLeast(3)},
    {AtMost(2), AtLeast(3.5)},   {AtMost(2.5), AtLeast(4)}, {AtMost(3), AtLeast(5)},
    {AtMost(3.5), AtLeast(5.5)},
};

constexpr Rule kSecondaryFormulaRules[] = {
    {"sivár", kBarren, false},
    {"szenzoriális hangsúlyú", kSensoryStress, false},
    {"kinesztéziáss hangsúlyú", kSensoryStress, true},
};

// Columns: sivár / ellensúly nélküli zw hangsúlyú / zw hangsúlyú / feszült / Hd hangsúlyú.
constexpr std::string_view kInnerTensionRows[] = {
    "0-1 / - / - / - / 2-20",       // zw 0
    "0-1 / - / - / 2-3 / 4-20",     // zw 1
    "- / 0 / - / 1-5 / 6-20",       // zw 2
    "- / 0 / 1 / 2-7 / 9-20",       // zw 3
    "- / 0 / 1-2 / 3-9 / 10-20",    // zw 4
    "- / 0-1 / 2-3 / 4-11 / 12-20", // zw 5
    "- / 0-1 / 2-4 / 5-20 / -",     // zw 6
    "- / 0-1 / 2-5 / 6-20 / -",     // zw 7
    "- / 0-1 / 2-6 / 7-20 / -",     // zw 8
    "- / 0-1 / 2-7 / 8-20 / -",     // zw 9
    "- / 0-1 / 2-8 / 9-20 / -",     // zw 10
    "- / 0-1 / 2-9 / 10-20 / -",    // zw 11
    "- / 0-1 / 2-10 / 11-20 / -",   // zw 12
};

constexpr RatingBand kIntellectRatingBands[] = {
    {60, "Nagyon alacsony értelmi teljesítmény"},
    {70, "Az értelmi szabályozás rosszul működik"},
    {80, "Lazább fékrendszer"},
    {90, "Optimális fékrendszer"},
    {kUnbounded, "Erős fékrendszer"},
};

} // namespace

std::span<const Rule> ExperienceTypeRules() {
    return kExperienceTypeRules;
}
std::span<const Rule> SecondaryFormulaRules() {
    return kSecondaryFormulaRules;
}
std::span<const std::string_view> InnerTensionRows() {
    return kInnerTensionRows;
}
std::span<const RatingBand> IntellectRatingBands() {
    return kIntellectRatingBands;
}

} // namespace quelvarin::typology_tables
