#pragma once

#include <string>
#include <string_view>

// The fixed Hungarian messages and questions of the workstation, in one place for proofreading.
namespace quelvarin::messages {

inline constexpr std::string_view kNoAnswerSelected = "   Hányadik feleletet jelöljük? Kérem válasszon!   ";
inline constexpr std::string_view kSlotsFull = "Egy feleletre legfeljebb 30 jel adható!!!";
inline constexpr std::string_view kHdKompenzalasOnColourCard =
    "Hd-kompenzálás (Hd-tagadás) csak szürke táblán adható!!!";
inline constexpr std::string_view kNothingToRemove = "Nincs mit kivenni!!!";
inline constexpr std::string_view kCounterFull = "Ebből a jelből legfeljebb 255 adható!!!";
inline constexpr std::string_view kNotQuelvarin = "Ez nem Quelvarin állomány!!!";
inline constexpr std::string_view kOnlyFromList = "Csak a listáról választhat!";
inline constexpr std::string_view kNothingToInterpret =
    "Nincs értékelhető felelet, szöveges értelmezés nem készült.";
inline constexpr std::string_view kNoHelpSignChosen =
    "Nincs kiválasztott jel, amelynek a súgóját menteni lehetne!";

inline constexpr std::string_view kAskSaveCurrent = "El akarja menteni az aktuális vizsgálatot?";
inline constexpr std::string_view kAskExit = "Ki akar lépni a programból?";
inline constexpr std::string_view kAskSaveChanges = "El akarja menteni a változásokat?";

inline std::string CannotRead(std::string_view path) {
    return "A(z) „" + std::string(path) + "” állomány nem olvasható!!!";
}
inline std::string CannotWrite(std::string_view path) {
    return "A(z) „" + std::string(path) + "” állomány nem írható!!! A korábbi tartalma változatlan maradt.";
}
// An edited help text not yet stored, before another sign's help replaces it.
inline std::string AskStoreEditedHelp(std::string_view sign) {
    return "A(z) „" + std::string(sign) + "” jel súgóját módosította, de még nem mentette. Elmenti most?";
}
// A protocol file rejected at a line other than the first.
inline std::string BadProtocolFile(std::string_view path, int line, std::string_view reason) {
    return "A(z) „" + std::string(path) + "” jegyzőkönyv hibás, nem töltöttük be. " + std::to_string(line) +
           ". sor: " + std::string(reason);
}

} // namespace quelvarin::messages
