#pragma once

#include <string_view>

// The program-information window.
namespace quelvarin::window_texts {

inline constexpr std::string_view kProgramInfoCaption = "programinfó";
inline constexpr std::string_view kClose = "bezár";
inline constexpr std::string_view kCredits = "Szakmai tanácsadó: a Quelvarin klinikai munkacsoportja\n"
                                             "Program: a Quelvarin fejlesztői";

} // namespace quelvarin::window_texts
