#pragma once

#include "workstation/MainWindowTexts.h"

#include <string_view>

// The experience-type graph window.
namespace quelvarin::window_texts::experience_graph {

inline constexpr std::string_view kCaption = "grafikus ÉLMÉNYTÍPUS";
inline constexpr std::string_view kColourSide = "Színoldal";
inline constexpr std::string_view kMovementSide = "Mozgásoldal";
inline constexpr std::string_view kCurrent = "az aktuális ÉT : ";
inline constexpr std::string_view kMarkerLegend = "Ez egy . . .";
inline constexpr std::string_view kLearning = "T";
inline constexpr std::string_view kLearningHint = "Tanuló mód";
inline constexpr std::string_view kExamination = "V";
inline constexpr std::string_view kExaminationHint = "Vizsgálati mód";
inline constexpr std::string_view kHelp = kTopicHelpButton;
inline constexpr std::string_view kClose = "bezár";
// The topic help of "súgó" (help\, jegyzet\).
inline constexpr std::string_view kHelpTopic = "etgraf.hlp";

// What a screen reader reads for the controls that carry no caption of their own.
inline constexpr std::string_view kChartName = "az élménytípusok táblája";
inline constexpr std::string_view kTextName = "az élménytípus leírása";
inline constexpr std::string_view kProtocolMarkerName = "a jegyzőkönyv élménytípusa";
inline constexpr std::string_view kLearningMarkerName = "az olvasott élménytípus a táblán";
inline constexpr std::string_view kListMarkerName = "az olvasott élménytípus a listán";

} // namespace quelvarin::window_texts::experience_graph
