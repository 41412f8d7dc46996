#pragma once

#include "workstation/MainWindowTexts.h"

#include <string>
#include <string_view>

// The joint (couple) examination window and its personal-data window.
namespace quelvarin::window_texts::joint_exam {

inline constexpr std::string_view kCaption = "Közös Rorschach vizsgálat";
inline constexpr std::string_view kCardSuffix = ". tábla";
inline constexpr std::string_view kPreviousCard = "<";
inline constexpr std::string_view kPreviousCardHint = "előző tábla";
inline constexpr std::string_view kNextCard = ">";
inline constexpr std::string_view kNextCardHint = "következő tábla";
inline constexpr std::string_view kPersonalData = "...";
inline constexpr std::string_view kPersonalDataHint = "személyi adatok";
inline constexpr std::string_view kColumnsHint = "duplakattintással törli a jelet";
inline constexpr std::string_view kPrint = "nyomtatás";
inline constexpr std::string_view kHelp = kTopicHelpButton;
// The topic help of "súgó" (help\, jegyzet\).
inline constexpr std::string_view kHelpTopic = "krv.hlp";

// The report is written but the desktop has no program to show it.
inline std::string CannotOpenReport(std::string_view path) {
    return "A jegyzőkönyv elkészült, de nem nyitható meg: " + std::string(path);
}

inline constexpr std::string_view kPersonalDataCaption = "KRV személyi adatok";
inline constexpr std::string_view kOk = "rendben";

// What a screen reader reads for the controls that carry no caption of their own.
inline constexpr std::string_view kLeftNameName = "a baloldalt ülő személy neve";
inline constexpr std::string_view kRightNameName = "a jobboldalt ülő személy neve";
inline constexpr std::string_view kCardPictureName = "a tábla kis képe";
inline constexpr std::string_view kDescriptionName = "a jel leírása";
inline constexpr std::string_view kDescriptionListName = "a jelek leírásai";
inline constexpr std::string_view kLeftColumnName = "a baloldalt ülő személy jelei";
inline constexpr std::string_view kRightColumnName = "a jobboldalt ülő személy jelei";
inline constexpr std::string_view kTextListName = "a lépések szövege";
inline constexpr std::string_view kEditorName = "a kiválasztott lépés szövege";
inline constexpr std::string_view kPersonalDataTextName = "a személy adatai";

} // namespace quelvarin::window_texts::joint_exam
