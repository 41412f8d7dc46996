#pragma once

#include <string>
#include <string_view>

// The text-file editor.
namespace quelvarin::window_texts {

inline constexpr std::string_view kTextEditorCaption = "szöveges állomány";
inline constexpr std::string_view kTextEditorMenu = "fájlművelet";
inline constexpr std::string_view kTextEditorOpen = "megnyit";
inline constexpr std::string_view kTextEditorSave = "ment";
inline constexpr std::string_view kTextEditorOpenTitle = "Szöveges állomány megnyitása";
inline constexpr std::string_view kTextEditorAllFiles = "Szöveges állomány (*.*)";
inline constexpr std::string_view kInsertRow = "insert";
inline constexpr std::string_view kEditRow = "edit";
inline constexpr std::string_view kDeleteRow = "delete";
inline constexpr std::string_view kEditRowTitle = "Sor módosítása";
inline constexpr std::string_view kEditRowPrompt = "Prompt";
// An edit not yet saved, before another file is opened or the window closes.
inline std::string AskSaveTextFile(std::string_view path) {
    return "A(z) „" + std::string(path) + "” állományt módosította, de még nem mentette. Elmenti most?";
}

} // namespace quelvarin::window_texts
