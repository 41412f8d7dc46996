#pragma once

#include <string_view>

// The topic help window: the examiner's notes beside the help shipped with the program.
namespace quelvarin::window_texts {

inline constexpr std::string_view kTopicHelpDesignCaption = "Súgó az aktuális témához";
inline constexpr std::string_view kTopicHelpSave = "ment";
inline constexpr std::string_view kNotesHint = "Ezt az oldalt Ön is írhatja!!!";
inline constexpr std::string_view kShippedHelpHint = "Ezt az oldalt készen kapja a programmal!!!";

} // namespace quelvarin::window_texts
