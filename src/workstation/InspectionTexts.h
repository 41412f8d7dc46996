#pragma once

#include <string_view>

// The counter viewer and the raw answer viewer.
namespace quelvarin::window_texts {

inline constexpr std::string_view kCounterViewerCaption = "Fiókok";
inline constexpr std::string_view kRawAnswerViewerCaption = "FeleletForm";
inline constexpr std::string_view kRawAnswerNumberName = "felelet";
inline constexpr std::string_view kRawAnswerRowsName = "tábla és jelek";

} // namespace quelvarin::window_texts
