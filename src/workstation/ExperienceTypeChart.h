#pragma once

#include "scoring/Typologies.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The experience-type chart: the twelve types with their colours, their areas on the chart, the
// order in which the protocol's point is tested against them, the learning spots, the type list
// and the type texts. Every position is in pixels of the graph window's client area.
namespace quelvarin::et_chart {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle of the window by its left, top, width and height; both edges belong to it.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x <= left + width && p.y >= top && p.y <= top + height;
    }
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The twelve types in the order of the type list.
enum class Type : std::uint8_t {
    Koartalt,
    Koartativ,
    Ambiekvalis,
    Dilatalt,
    IntrNelkExtr,
    Extravertalt,
    EllensExtravertalt,
    DilatExtravertalt,
    ExtrNelkIntr,
    Introvertalt,
    EllensIntrovertalt,
    DilatIntrovertalt,
};
inline constexpr std::size_t kTypeCount = 12;
constexpr std::size_t IndexOf(Type type) {
    return static_cast<std::size_t>(type);
}

struct TypeEntry {
    Type type;
    std::string_view label;      // as ClassifyExperienceType names it
    std::string_view caption;    // its row of the type list, blanks included
    Rgb colour;                  // of its cells on the chart
    std::string_view file;       // its text, under et/
    std::span<const Area> areas; // where the protocol's point finds it
    Point spot;                  // where the learning marker stands for it (top-left corner)
};

// The twelve types in the order of the type list.
std::span<const TypeEntry> Types();
const TypeEntry& Entry(Type type);
// The type of a label of ClassifyExperienceType; nothing for another text.
std::optional<Type> TypeOfLabel(std::string_view label);

// --- The chart --------------------------------------------------------------------------------
// The square picture, framed, on its beige background.
inline constexpr int kChartSize = 356;
inline constexpr Rgb kBackground{233, 217, 173};
inline constexpr Rgb kGridLine{0, 0, 0};
// Where the cell of colour 0 and movement 0 begins; a value v on either axis lies 30 * v pixels
// further right (colour) or down (movement).
inline constexpr Point kOrigin{38, 41};
inline constexpr int kPixelsPerUnit = 30;
// 0 to 10 in half units on both axes; a cell is 14 pixels filled and a 1-pixel grid line.
inline constexpr int kCells = 21;
inline constexpr int kCellPitch = 15;
inline constexpr int kCellFill = 14;
inline constexpr double kHighestValue = 10;

// The value a cell stands for (its number in half units).
constexpr double CellValue(int cell) {
    return cell * 0.5;
}
// Where a cell's filled square begins, the colour side across and the movement side down.
constexpr Point CellCorner(int colourCell, int movementCell) {
    return {kOrigin.x + colourCell * kCellPitch, kOrigin.y + movementCell * kCellPitch};
}
// The colour of the type ClassifyExperienceType gives for the cell's two values.
Rgb CellColour(int colourCell, int movementCell);
// Where the number of a whole value stands: the colour numbers over the columns, the movement
// numbers beside the rows.
constexpr int ColumnCentre(int value) {
    return kOrigin.x + value * kPixelsPerUnit + kCellFill / 2;
}
constexpr int RowCentre(int value) {
    return kOrigin.y + value * kPixelsPerUnit + kCellFill / 2;
}

// --- The markers --------------------------------------------------------------------------------
// Three markers, 13 pixels square, that blink together: squares filled aqua, then circles filled
// yellow.
inline constexpr int kMarkerSize = 13;
inline constexpr Rgb kSquareMarker{0, 255, 255};
inline constexpr Rgb kRoundMarker{255, 255, 0};
inline constexpr std::chrono::milliseconds kBlinkInterval{100};
// A highlighted type's row and the field of the current ÉT.
inline constexpr Rgb kHighlight{255, 255, 0};

// --- The protocol's ÉT ------------------------------------------------------------------------
// The field over the type list: each side with one decimal in 4 characters, joined by "-"
// (" 2.5- 3.5"); " ---- : ---- " before the first placement.
inline constexpr std::string_view kFieldPlaceholder = " ---- : ---- ";
std::string FieldText(TypologyPair experienceType);
// The top-left corner of the protocol's marker: (round(30 * colour) + 38, round(30 * movement)
// + 41), halves to even. The pair is movement (left) : colour (right).
Point MarkerCorner(TypologyPair experienceType);
// The point the types are tested with, near the marker's middle.
inline constexpr int kTestPointOffset = 7;
constexpr Point TestPoint(Point corner) {
    return {corner.x + kTestPointOffset, corner.y + kTestPointOffset};
}
// Both sides within 0..10: the marker stands on the chart.
bool OnChart(TypologyPair experienceType);

struct Placement {
    std::string field;
    Point marker;
    bool onChart = false;
    // By place in the type list: every type whose test holds.
    std::array<bool, kTypeCount> highlighted{};
    // The type whose text the box shows: the last whose test held; none when none held.
    std::optional<Type> shown;
};
// The protocol's point tested against the types in their fixed order, each test excluding the
// areas of its neighbours that lie over its own. Within 0..10 the highlighted type is the one of
// ClassifyExperienceType, except at 3 : 3, 3 : 3.5, 3.5 : 3 and 3.5 : 3.5, where "Ambiekvális"
// and "Dilatált" are both highlighted and the Dilatált text is shown.
Placement PlaceExperienceType(TypologyPair experienceType);

// --- Learning -----------------------------------------------------------------------------------
// The type of the area under the pointer. Where areas overlap the smaller, nearer type answers,
// and the corner cell 3 : 3 answers "Ambiekvális" over "Dilatált", so that every cell answers
// with its own type.
std::optional<Type> TypeUnder(Point p);

} // namespace quelvarin::et_chart
