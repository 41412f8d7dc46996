#pragma once

#include <string_view>

// The windows of the narrative interpretation and of the mechanical glossary.
namespace quelvarin::window_texts {

// The interpretation window's caption until the first interpretation is written.
inline constexpr std::string_view kInterpretationDesignCaption = "Rorschach: szöveges értelmezés";
inline constexpr std::string_view kInterpretationTextName = "szöveges értelmezés";

inline constexpr std::string_view kGlossaryDesignCaption = "Mechanikus szószedet";
inline constexpr std::string_view kGlossaryTextName = "mechanikus szószedet";
inline constexpr std::string_view kRegenerateHelpPagesButton = "HTML súgóoldalak frissítése";
inline constexpr std::string_view kRegenerateHelpPagesHint =
    "A jelek súgószövegeiből újraírja a html/ertelmez és a html/jelol mappa oldalait";

} // namespace quelvarin::window_texts
