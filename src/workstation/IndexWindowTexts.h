#pragma once

#include "indices/Alkohol.h"
#include "indices/SzenziPara.h"
#include "indices/neiger.h"
#include "model/EducationLevels.h"
#include "model/SymbolCatalogue.h"
#include "workstation/MainWindowTexts.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The index windows: the Neiger reality index, the alcoholism and the supplementary-information
// check lists, and the sensitivity-paranoia index.
namespace quelvarin::window_texts::index_windows {

inline constexpr std::string_view kClose = "bezár";
inline constexpr std::string_view kOk = "rendben";
// The button that opens the window's topic help, as on the sign picker's pages.
inline constexpr std::string_view kHelp = kTopicHelpButton;

// --- The Neiger reality index ---------------------------------------------------------------
inline constexpr std::string_view kNeigerCaption = "Realitás-index (Neiger)";
inline constexpr std::string_view kNeigerExplanation1 = neiger::kExplanation1;
inline constexpr std::string_view kNeigerExplanation2 = neiger::kExplanation2;
inline constexpr std::string_view kNeigerRowsName = "vulger válaszok";
inline constexpr std::string_view kSchoolLevelsName = "iskolai végzettség";
inline constexpr std::string_view kNeigerScoreCaption = "A realitás-index kiszámolt értéke: ";
inline constexpr std::string_view kNeigerRatingCaption = "Értelmezése:";
inline constexpr std::string_view kInitialState = "kiindulási állapot";
inline constexpr std::string_view kNeigerTopic = "neiger.hlp";
// The list of school levels is the personal data's, in the same order.
inline constexpr const auto& kSchoolLevels = kEducationLevels;

// The sixteen rows of the check list, one line each, for a fixed-pitch font.
inline std::vector<std::string_view> NeigerRows() {
    std::vector<std::string_view> rows;
    for (const auto& row : neiger::VulgarRows()) {
        rows.push_back(row.line);
    }
    return rows;
}

// --- The alcoholism syndrome ----------------------------------------------------------------
// The caption names the index as its menu item does, so that the two carry one attribution.
inline std::string AlcoholismCaption() {
    std::string item(menu::kAlcoholism);
    std::erase(item, '&');
    return "Az " + item;
}
inline constexpr std::string_view kAlcoholismItemsName = "a szindróma jegyei";
inline constexpr std::string_view kAlcoholismExplanationName = "magyarázat";
inline constexpr std::string_view kAnswerCountCaption = "Válaszok száma:";
inline constexpr std::string_view kRequiredCaption = "Szükséges jegyek száma:";
inline constexpr std::string_view kTickedCaption = "Jelölt jegyek száma:";
inline constexpr std::string_view kVerdictName = "eredmény";
inline constexpr std::string_view kShortProtocolTick = alkohol::kShortProtocolTick;
inline constexpr std::string_view kAlcoholismTopic = "alkohol.hlp";

inline const std::array<std::string_view, alkohol::kItemCount>& AlcoholismItems() {
    return alkohol::Items();
}
// The explanation of item 1..13's family, heading first.
inline std::span<const std::string_view> AlcoholismExplanation(int item) {
    return alkohol::BlockOfItem(item).lines;
}
inline std::span<const std::string_view> ShortProtocolNote() {
    return alkohol::ShortProtocolNote();
}

// --- The sensitivity-paranoia index ---------------------------------------------------------
inline constexpr std::string_view kSensitivityParanoiaCaption = "Szenzitivitás-paranoiditás index ";
inline constexpr std::string_view kFormulaLine = szenzipara::kFormulaLine;
inline constexpr std::array<std::string_view, 4> kColumnHeads = {"KATEGÓRIÁK", "SÚLY", "GYAKORISÁG",
                                                                 "SZORZATUK"};
inline constexpr std::string_view kAnswersRow = "Feleletszám";
inline constexpr std::string_view kSumCaption = "összeg:";
inline constexpr std::string_view kIndexCaption = "index:";
inline constexpr std::string_view kNoEffectiveAnswers = "Nincs értékelhető felelet: az index nem számítható.";
inline constexpr std::string_view kZoneScale = "DIAGNOSZTIKAI ÉRTÉKZÓNÁK";
inline constexpr std::string_view kChanceCaption = "adekvációs esély:";
inline constexpr std::string_view kAlternativesCaption = "alternatív diagnózis:";
// What a screen reader says of the zone the index falls in, which the others do not show.
inline constexpr std::string_view kZoneReached = "ebbe a zónába esik az index";

// A diagnosis as a zone's panel writes it, one or two lines, with its chance ("" for none).
struct ZoneDiagnosis {
    std::array<std::string_view, 2> lines; // the second "" for a one-line name
    std::string_view chance;
};
// A zone's panel: its range on the scale, its diagnosis and the alternatives to it.
struct ZonePanel {
    std::string_view range;
    ZoneDiagnosis indicated;
    std::array<ZoneDiagnosis, 2> alternatives; // an empty name for none
};
// In the order of the zones, healthy first.
inline constexpr std::array<ZonePanel, 3> kZonePanels = {{
    {"0...136", {{"egészséges", ""}, "100 %"}, {}},
    {"137...236",
     {{"nem pszichotikus", "paranoid"}, "64 %"},
     {{{{"egészséges", ""}, "12 %"}, {{"pszich.", "paranoid"}, "24 %"}}}},
    {"237...",
     {{"pszichotikus", "paranoid"}, "94 %"},
     {{{{"nem pszich.", "paranoid"}, "6 %"}, {{"egészséges", ""}, ""}}}},
}};
inline const ZonePanel& PanelOf(szenzipara::Zone zone) {
    return kZonePanels[static_cast<std::size_t>(zone)];
}

// --- The supplementary information --------------------------------------------------------
inline constexpr std::string_view kSupplementaryCaption = "Kiegészítő információk";
inline constexpr std::string_view kSupplementaryItemsName = "kiegészítő információk";
inline constexpr std::string_view kSupplementaryTopic = "kieginf.hlp";

inline const std::array<std::string_view, 18>& SupplementaryItems() {
    return SupplementaryItemTexts();
}

} // namespace quelvarin::window_texts::index_windows
