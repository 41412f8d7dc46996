#include "workstation/ExperienceTypeChart.h"

#include "platform/NumberFormat.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace quelvarin::et_chart {
namespace {

// The areas of each type (left, top, width, height).
constexpr Area kKoartalt[] = {{38, 41, 30, 30}};
constexpr Area kKoartativ[] = {{38, 41, 45, 45}};
constexpr Area kAmbiekvalis[] = {{68, 71, 90, 90}};
constexpr Area kIntrNelkExtr[] = {{83, 41, 270, 30}};
constexpr Area kExtrNelkIntr[] = {{38, 86, 30, 268}};
constexpr Area kExtravertalt[] = {{83, 56, 75, 15}, {114, 71, 105, 15}, {129, 86, 90, 15}};
constexpr Area kIntrovertalt[] = {{53, 86, 15, 75}, {68, 116, 15, 105}, {83, 131, 15, 90}};
constexpr Area kDilatExtravertalt[] = {{218, 71, 135, 45}};
constexpr Area kDilatIntrovertalt[] = {{68, 221, 45, 133}};
constexpr Area kEllensExtravertalt[] = {
    {144, 101, 75, 15},  {158, 116, 195, 15}, {188, 131, 165, 15}, {203, 146, 150, 15}, {233, 161, 120, 15},
    {248, 176, 105, 15}, {278, 191, 75, 15},  {293, 206, 60, 15},  {308, 221, 45, 15},
};
constexpr Area kEllensIntrovertalt[] = {
    {98, 146, 15, 75},   {113, 161, 15, 193}, {128, 191, 15, 163}, {143, 206, 15, 148}, {158, 236, 15, 118},
    {173, 251, 15, 103}, {188, 281, 15, 73},  {203, 296, 15, 58},  {218, 311, 15, 43},
};
constexpr Area kDilatalt[] = {{128, 131, 225, 223}};
// A further area of "Ambiekvális" that answers the pointer only: the corner cell 3 : 3, which
// the Dilatált area covers as well.
constexpr Area kAmbiekvalisCorner{128, 130, 15, 15};

// clang-format off
constexpr TypeEntry kTypes[] = {
    {Type::Koartalt, "Koartált", " Koartált ", {0, 0, 128}, "koartalt.txt", kKoartalt, {47, 47}},
    {Type::Koartativ, "Koartatív", " Koartatív ", {128, 128, 255}, "koartativ.txt", kKoartativ, {70, 70}},
    {Type::Ambiekvalis, "Ambiekvális", " Ambiekvális ", {68, 68, 68}, "ambiekvalis.txt", kAmbiekvalis, {105, 105}},
    {Type::Dilatalt, "Dilatált", " Dilatált ", {255, 0, 0}, "dilatalt.txt", kDilatalt, {230, 230}},
    {Type::IntrNelkExtr, "Introverzió nélküli extr.", " Introverzió nélküli extr. ", {255, 0, 255},
     "intr_nelk_extr.txt", kIntrNelkExtr, {210, 48}},
    {Type::Extravertalt, "Extravertált", " Extravertált ", {0, 255, 128}, "extravertalt.txt", kExtravertalt,
     {140, 70}},
    {Type::EllensExtravertalt, "Ellensúlyos extravertált", " Ellensúlyos extravertált ", {0, 128, 255},
     "ellens_extravertalt.txt", kEllensExtravertalt, {275, 140}},
    {Type::DilatExtravertalt, "Dilatatív extravertált", " Dilatatív extravertált ", {255, 255, 0},
     "dilat_extravertalt.txt", kDilatExtravertalt, {270, 85}},
    // One file for this type whether the protocol or the pointer finds it.
    {Type::ExtrNelkIntr, "Extraverzió nélküli intr.", " Extraverzió nélküli intr. ", {255, 0, 128},
     "extr_nelk_intr.txt", kExtrNelkIntr, {48, 230}},
    {Type::Introvertalt, "Introvertált", " Introvertált ", {0, 128, 0}, "introvertalt.txt", kIntrovertalt,
     {70, 140}},
    {Type::EllensIntrovertalt, "Ellensúlyos introvertált", " Ellensúlyos introvertált ", {0, 0, 255},
     "ellens_introvertalt.txt", kEllensIntrovertalt, {140, 275}},
    {Type::DilatIntrovertalt, "Dilatatív introvertált", " Dilatatív introvertált ", {255, 128, 64},
     "dilat_introvertalt.txt", kDilatIntrovertalt, {85, 270}},
};
// clang-format on

// An area of a type, or all of them (index kAll).
struct AreaOf {
    static constexpr int kAll = -1;
    Type type;
    int index = kAll;
    bool Contains(Point p) const {
        const auto areas = Entry(type).areas;
        if (index == kAll) {
            return std::any_of(areas.begin(), areas.end(), [p](const Area& a) { return a.Contains(p); });
        }
        return areas[static_cast<std::size_t>(index)].Contains(p);
    }
};

// The protocol's point is tested against the types in this order. A type's areas overlap some
// of its neighbours'; there its test gives way to theirs.
struct Test {
    Type type;
    std::span<const AreaOf> unless;
};
constexpr AreaOf kNotKoartalt[] = {{Type::Koartalt}};
constexpr AreaOf kNotAmbiekvalisNeighbours[] = {
    {Type::Koartativ},
    {Type::Extravertalt, 1},
    {Type::Extravertalt, 2},
    {Type::EllensExtravertalt, 0},
    {Type::Introvertalt, 1},
    {Type::Introvertalt, 2},
    {Type::EllensIntrovertalt, 0},
};
constexpr AreaOf kNotFirstExtravertalt[] = {{Type::Extravertalt, 0}};
constexpr AreaOf kNotFirstIntrovertalt[] = {{Type::Introvertalt, 0}};
constexpr AreaOf kNotEllensulyos[] = {{Type::EllensExtravertalt}, {Type::EllensIntrovertalt}};
constexpr Test kTests[] = {
    {Type::Koartalt, {}},
    {Type::Koartativ, kNotKoartalt},
    {Type::Ambiekvalis, kNotAmbiekvalisNeighbours},
    {Type::IntrNelkExtr, kNotFirstExtravertalt},
    {Type::ExtrNelkIntr, kNotFirstIntrovertalt},
    {Type::Extravertalt, {}},
    {Type::Introvertalt, {}},
    {Type::DilatExtravertalt, {}},
    {Type::DilatIntrovertalt, {}},
    {Type::EllensExtravertalt, {}},
    {Type::EllensIntrovertalt, {}},
    {Type::Dilatalt, kNotEllensulyos},
};

// Which type answers the pointer where areas overlap: the first in this order, below the corner
// cell of "Ambiekvális". The small areas lie over the large ones they cut into.
constexpr Type kPointerOrder[] = {
    Type::Koartalt,           Type::Koartativ,          Type::Extravertalt, Type::Introvertalt,
    Type::EllensExtravertalt, Type::EllensIntrovertalt, Type::IntrNelkExtr, Type::ExtrNelkIntr,
    Type::DilatExtravertalt,  Type::DilatIntrovertalt,  Type::Dilatalt,     Type::Ambiekvalis,
};

bool WithinChart(double value) {
    return value >= 0 && value <= kHighestValue;
}

} // namespace

std::span<const TypeEntry> Types() {
    return kTypes;
}

const TypeEntry& Entry(Type type) {
    return kTypes[IndexOf(type)];
}

std::optional<Type> TypeOfLabel(std::string_view label) {
    for (const auto& entry : kTypes) {
        if (entry.label == label) {
            return entry.type;
        }
    }
    return std::nullopt;
}

Rgb CellColour(int colourCell, int movementCell) {
    auto type = TypeOfLabel(ClassifyExperienceType(CellValue(movementCell), CellValue(colourCell)));
    return type ? Entry(*type).colour : kBackground;
}

std::string FieldText(TypologyPair experienceType) {
    return FormatFixed(experienceType.left, 1, 4) + "-" + FormatFixed(experienceType.right, 1, 4);
}

Point MarkerCorner(TypologyPair experienceType) {
    return {static_cast<int>(RoundHalfEven(kPixelsPerUnit * experienceType.right)) + kOrigin.x,
            static_cast<int>(RoundHalfEven(kPixelsPerUnit * experienceType.left)) + kOrigin.y};
}

bool OnChart(TypologyPair experienceType) {
    return WithinChart(experienceType.left) && WithinChart(experienceType.right);
}

Placement PlaceExperienceType(TypologyPair experienceType) {
    Placement placement;
    placement.field = FieldText(experienceType);
    placement.marker = MarkerCorner(experienceType);
    placement.onChart = OnChart(experienceType);
    auto p = TestPoint(placement.marker);
    for (const auto& test : kTests) {
        bool holds = AreaOf{test.type}.Contains(p) &&
                     std::none_of(test.unless.begin(), test.unless.end(),
                                  [p](const AreaOf& other) { return other.Contains(p); });
        if (holds) {
            placement.highlighted[IndexOf(test.type)] = true;
            placement.shown = test.type;
        }
    }
    return placement;
}

std::optional<Type> TypeUnder(Point p) {
    if (kAmbiekvalisCorner.Contains(p)) {
        return Type::Ambiekvalis;
    }
    for (auto type : kPointerOrder) {
        if (AreaOf{type}.Contains(p)) {
            return type;
        }
    }
    return std::nullopt;
}

} // namespace quelvarin::et_chart
