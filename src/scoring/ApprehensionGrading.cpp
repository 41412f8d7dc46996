#include "scoring/ApprehensionGrading.h"

#include "scoring/Apprehension.h"

namespace quelvarin::apprehension_tables {
namespace {

// Each cell: under-represented / normal / emphasised / strongly emphasised; "-" does not
// occur; "N+" is N and more. Below six answers nothing is graded.
constexpr Band kMainBands[] = {
    //  R          G                        D                          Dd                         zw
    {6, 7, "2-3 / 4-6 / 7 / -", "1 / 2 / 3 / 4+", "- / 1 / 2 / 3+", "- / 1 / 2 / 3+"},
    {8, 8, "3 / 4-6 / 7 / 8", "1 / 2 / 3 / 4+", "- / 1 / 2-3 / 4+", "1 / 2 / 3 / 4+"},
    {9, 11, "3-4 / 5-8 / 9 / 10+", "1 / 2-3 / 4-5 / 6+", "- / 1 / 2-3 / 4+", "1 / 2 / 3 / 4+"},
    {12, 14, "3-5 / 6-9 / 10-12 / 13+", "2-3 / 4-5 / 6-7 / 8+", "- / 1 / 2-3 / 4+", "1 / 2 / 3 / 4+"},
    {15, 17, "4-5 / 6-10 / 11-14 / 15+", "4-5 / 6-8 / 9-11 / 12+", "1 / 2 / 3-4 / 5+", "2 / 3 / 4 / 5+"},
    {18, 22, "4-6 / 7-11 / 12-15 / 16+", "5-8 / 9-11 / 12-14 / 15+", "1-2 / 3-4 / 5-6 / 7+",
     "2 / 3 / 4 / 5+"},
    {23, 28, "4-6 / 7-11 / 12-16 / 17+", "8-11 / 12-16 / 17-20 / 21+", "2-4 / 5-6 / 7-8 / 9+",
     "2 / 3 / 4 / 5+"},
    {29, 35, "5-7 / 8-12 / 13-17 / 18+", "10-14 / 15-20 / 21-25 / 26+", "3-6 / 7-8 / 9-11 / 12+",
     "2 / 3-4 / 5-6 / 7+"},
    {36, 44, "5-7 / 8-13 / 14-18 / 19+", "15-20 / 21-28 / 29-34 / 35+", "5-8 / 9-11 / 12-15 / 16+",
     "3-5 / 6-8 / 9-10 / 11+"},
    {45, 56, "6-8 / 9-15 / 16-18 / 19+", "19-25 / 26-34 / 35-41 / 42+", "7-11 / 12-15 / 16-19 / 20+",
     "3-5 / 6-8 / 9-10 / 11+"},
    {57, 70, "6-8 / 9-16 / 17-20 / 21+", "26-34 / 35-44 / 45-52 / 53+", "9-15 / 16-19 / 20-24 / 25+",
     "4-6 / 7-10 / 11-12 / 13+"},
    {71, 89, "7-8 / 9-17 / 18-21 / 22+", "35-44 / 45-57 / 58-66 / 67+", "10-17 / 18-22 / 23-26 / 27+",
     "4-7 / 8-11 / 12-14 / 15+"},
    {90, 90, "7-9 / 10-18 / 19-22 / 23+", "42-52 / 53-66 / 67-76 / 77+", "12-20 / 21-26 / 27-30 / 31+",
     "6-10 / 11-13 / 14-17 / 18+"},
};

constexpr int None = static_cast<int>(Grade::None);
constexpr int Under = static_cast<int>(Grade::UnderRepresented);
constexpr int Normal = static_cast<int>(Grade::Normal);
constexpr int Emph = static_cast<int>(Grade::Emphasised);
constexpr int Strong = static_cast<int>(Grade::StronglyEmphasised);

// Counts not listed (0, and more than 20) give no element.
constexpr CountRow kDoRows[] = {
    //  n       R = 0   R 1..17  R >= 18
    {"1", None, Normal, Under},
    {"2", None, Emph, Normal},
    {"3", None, Strong, Emph},
    {"4-20", Strong, Strong, Strong},
};

constexpr CountRow kConfigurationRows[] = {
    // DG konf., DzwG
    {"1", None, Under, None},
    {"2", Normal, Normal, Normal},
    {"3", Emph, Emph, Emph},
    {"4-20", Strong, Strong, Strong},
};
constexpr CountRow kCombinationRows[] = {
    // DG komb., Gzw, G komb.
    {"2", None, Normal, Under},
    {"3", None, Emph, Normal},
    {"4-20", None, Strong, Emph},
};
constexpr CountRow kContaminationRows[] = {
    // DG kont.
    {"1", Normal, Normal, Normal},
    {"2", Emph, Emph, Emph},
    {"3-20", Strong, Strong, Strong},
};

constexpr ElementTable kCombinedElements[] = {
    {"DGkonf", kConfigurationRows}, {"DGkomb", kCombinationRows}, {"Gzw", kCombinationRows},
    {"Gkomb", kCombinationRows},    {"DzwG", kConfigurationRows}, {"DGkont", kContaminationRows},
};

} // namespace

std::span<const Band> MainBands() {
    return kMainBands;
}
std::span<const CountRow> DoRows() {
    return kDoRows;
}
std::span<const ElementTable> CombinedElements() {
    return kCombinedElements;
}

} // namespace quelvarin::apprehension_tables
