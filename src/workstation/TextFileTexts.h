#pragma once

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

} // namespace quelvarin::window_texts
