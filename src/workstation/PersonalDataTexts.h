#pragma once

#include <string>
#include <string_view>

// The personal-data window, its list editor and the clinical-questions picker.
namespace quelvarin::window_texts {

inline constexpr std::string_view kPersonalDataCaption = "Rorschach: személyi adatok";
inline constexpr std::string_view kNameLabel = "a Vsz. neve";
inline constexpr std::string_view kCodeLabel = "a vizsgálat kódja:";
inline constexpr std::string_view kNumberLabel = "szám:";
inline constexpr std::string_view kOccupationLabel = "foglalkozása:";
inline constexpr std::string_view kSexLabel = "neme:";
inline constexpr std::string_view kAgeLabel = "kora:";
inline constexpr std::string_view kDiagnosisLabel = "Dg:";
inline constexpr std::string_view kEducationLabel = "iskolázottsága:";
inline constexpr std::string_view kWardLabel = "osztály:";
inline constexpr std::string_view kDateLabel = "dátum:";
inline constexpr std::string_view kExaminerLabel = "Vv.:";
inline constexpr std::string_view kClinicalQuestionsLabel = "klinikai kérdések";
inline constexpr std::string_view kMale = "férfi";
inline constexpr std::string_view kFemale = "nő";
inline constexpr std::string_view kListEditableHint = "Duplakattintás után listát írhat";
inline constexpr std::string_view kEditListButton = "lista";
inline constexpr std::string_view kEditListHint = "módosítja a listát";
inline constexpr std::string_view kAddQuestionButton = "+";
inline constexpr std::string_view kAddQuestionHint = "hozzáad";
inline constexpr std::string_view kDeleteQuestionButton = "-";
inline constexpr std::string_view kDeleteQuestionHint = "törli a kijelölt elemet";
inline constexpr std::string_view kOkButton = "rendben";
inline constexpr std::string_view kCancelButton = "mégse";
inline constexpr std::string_view kHelpButton = "súgó";
inline constexpr std::string_view kPersonalDataTopic = "szemad.hlp";

// The list editor's titles, by the list it edits.
inline constexpr std::string_view kOccupationListTitle = "A Vsz. foglalkozása lista módosítása:";
inline constexpr std::string_view kWardListTitle = "A vizsgáló osztály lista módosítása:";
inline constexpr std::string_view kExaminerListTitle = "A vizsgálatvezetők listájának módosítása:";
inline constexpr std::string_view kDiagnosisListTitle = "A diagnózisok listájának módosítása:";
inline constexpr std::string_view kClinicalQuestionsListTitle = "A klinikai kérdések listájának módosítása:";
inline constexpr std::string_view kListEditorTextName = "a lista sorai";

inline constexpr std::string_view kClinicalPickerCaption = "Klinikai kérdések a személyi adatokban";
inline constexpr std::string_view kClinicalPickerPrompt = "Válasszon (akár többet is) az egérrel !";
inline constexpr std::string_view kClinicalPickerTopic = "klinkerd.hlp";

inline std::string QuestionAlreadyListed(std::string_view question) {
    return "Ezt az elemet már hozzáadta a listához: " + std::string(question);
}
inline std::string HandOverNotDeleted(std::string_view path) {
    return "A másik programtól átvett adatokat tartalmazó „" + std::string(path) +
           "” állomány nem törölhető. Törölje, mielőtt a következő vizsgálatot kezdi, mert "
           "különben annak a személyi adataiba is bekerül!";
}

} // namespace quelvarin::window_texts
