#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The eight built-in education levels, lowest first; the seventh is the default.
inline constexpr std::array<std::string_view, 8> kEducationLevels = {
    "általános iskola 6-ig", "általános iskola 7-ig", "általános iskola 8-ig", "középiskola I.",
    "középiskola II.",       "középiskola III.",      "középiskola IV.",       "főiskola I-től",
};
inline constexpr std::string_view kDefaultEducation = kEducationLevels[6];

// The index 0..7 of a level, or none for any other text.
std::optional<int> EducationLevelIndex(std::string_view education);

// A loaded protocol's education must be one of the levels; another text is emptied. False
// when it was emptied (the workstation then says "Csak a listáról választhat!").
bool KeepOnlyListedEducation(std::string& education);

} // namespace quelvarin
