#pragma once

#include "model/Protocol.h"
#include "scoring/FrequencyPercents.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The Neiger reality index (TNeigerForm without its window), and the two frequency percentages
// V% and O% that its window shows.
namespace quelvarin::neiger {

// A row of the check list of 16 vulgar answers, as the window shows it in a fixed-pitch font.
struct VulgarRow {
    std::string_view line;
    std::string_view vulgarClass; // "V1" primary, "V2" secondary (shown only)
};
std::span<const VulgarRow> VulgarRows();
inline constexpr std::string_view kExplanation1 =
    "A skála 11 elsődleges (V-1) és 5 másodlagos (V-2)  vulger választ tartalmaz.";
inline constexpr std::string_view kExplanation2 = "Ezek a következők:";

// The school-level correction of the score: by the index of the education level, 0 for none.
double SchoolCorrection(std::optional<int> schoolLevel);

// The index: the school correction plus one for each ticked row (0 .. 18.5 in half steps).
double Score(const Protocol& protocol);
// One decimal right-aligned in four characters (" 2.5", "18.5").
std::string ScoreText(double score);
std::string_view Rating(double score);

// The one operation the window, the sheet and the statistics call: "szam" gives the score as
// text, "szoveg" the rating; any other selector leaves `result` as it was (and returns false).
bool RealityIndex(const Protocol& protocol, std::string_view selector, std::string& result);

// V% and O%, computed in scoring (a load stores them before any index is asked for), under
// the names of this unit as well.
using quelvarin::OriginalityPercent;
using quelvarin::StoreOriginalityPercent;
using quelvarin::StoreVulgarPercent;
using quelvarin::VulgarPercent;

} // namespace quelvarin::neiger
