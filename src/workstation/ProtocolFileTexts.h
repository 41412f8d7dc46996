#pragma once

#include <string>
#include <string_view>

// The texts of opening, saving and recovering a protocol: the file dialogs and the questions.
namespace quelvarin::window_texts {

inline constexpr std::string_view kOpenDialogTitle = "Rorschach jkv. megnyitása";
inline constexpr std::string_view kSaveDialogTitle = "Rorschach jkv. lemezre írása";
inline constexpr std::string_view kProtocolFilter = "Rorschach mentett fájl (*.qvl)";
inline constexpr std::string_view kProtocolExtension = "qvl";
inline std::string AskOverwrite(std::string_view path) {
    return "A(z) „" + std::string(path) + "” állomány már létezik. Felülírja?";
}
inline constexpr std::string_view kAskRecover =
    "A legutóbbi munkamenetben egy jegyzőkönyv mentetlen maradt (a program váratlanul leállt). "
    "Folytatja a munkát ezzel a jegyzőkönyvvel (a feleletek szövegével együtt)? "
    "Ha nem, a mentetlen változások elvesznek.";
// A file named at start after a recovered protocol was taken up.
inline std::string AskOpenOverRecovered(std::string_view path) {
    return "A visszaállított jegyzőkönyv még nincs elmentve. Megnyitja helyette a(z) „" + std::string(path) +
           "” jegyzőkönyvet?";
}

} // namespace quelvarin::window_texts
