#pragma once

#include <string_view>

// The two help windows of the signs.
namespace quelvarin::window_texts {

inline constexpr std::string_view kScoringHelpCaption = "súgó a jelöléshez";
inline constexpr std::string_view kInterpretationHelpCaption = "súgó az értelmezéshez";
inline constexpr std::string_view kStoreHelp = "&mentés";

} // namespace quelvarin::window_texts
