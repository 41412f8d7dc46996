#pragma once

#include <string_view>

// The coding and evaluation windows of SZEI and of the transference scale.
namespace quelvarin::window_texts {

// Both coding windows.
inline constexpr std::string_view kCodingMark = "jelöld !";
inline constexpr std::string_view kCodingHelp = "súgó";
inline constexpr std::string_view kCodingDescriptionName = "a kategória leírása";
inline constexpr std::string_view kCodingTabsName = "kategóriák";
// The topic help files of their "súgó".
inline constexpr std::string_view kSzeiTopicFile = "szei.hlp";
inline constexpr std::string_view kTransferenceTopicFile = "attetel.hlp";
// Both evaluation windows.
inline constexpr std::string_view kEvaluationDone = "rendben";

// --- SZEI ---------------------------------------------------------------------------------
inline constexpr std::string_view kSzeiCodingCaption = "SZEI: a szimbolikus elaboráció indexe (Cassiers)";
inline constexpr std::string_view kSzeiEvaluationCaption = "Rorschach: SZEI értelmezés";
inline constexpr std::string_view kSzeiEvaluationHeading =
    "A szimbolikus elaboráció színvonala szerint lejelölt válaszok";
inline constexpr std::string_view kSzeiMeanLabel = "A fentiek szerint súlypontozott átlag:";
inline constexpr std::string_view kSzeiInterpretationLabel = "Értelmezés:";
// The evaluation window's buttons that show a category's description.
inline constexpr std::string_view kSzeiCategoryHint = "Megmutatja a kategória leírását";

// --- The transference scale ---------------------------------------------------------------
inline constexpr std::string_view kTransferenceCodingCaption = "Áttétel-skála (De Vos)";
inline constexpr std::string_view kTransferenceEvaluationCaption = "Rorschach: ÁTTÉTEL-skála (De Vos, 1952)";
inline constexpr std::string_view kNormalDistributionLegend = " Normális eloszlás ";
inline constexpr std::string_view kCurrentDistributionLegend = " Az aktuális eloszlás ";

} // namespace quelvarin::window_texts
