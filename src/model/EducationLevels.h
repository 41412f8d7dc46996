#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// The eight built-in education levels, lowest first; the seventh is the default.
inline constexpr std::array<std::string_view, 8> kEducationLevels = {
    "általános iskola 6-ig", "általános iskola 7-ig", "általános iskola 8-ig", "középiskola I.",
    "középiskola II.",       "középiskola III.",      "középiskola IV.",       "főiskola I-től",
};
inline constexpr std::string_view kDefaultEducation = kEducationLevels[6];

// The index 0..7 of a level, or none for any other text.
std::optional<int> EducationLevelIndex(std::string_view education);

// The levels the personal-data window offers. A clinic's own list may reorder the eight levels
// or leave some out, but no other text becomes a level: the Neiger correction and the check of
// a loaded protocol know only these eight. Without a list, or with none of the eight in it,
// all eight in their order.
std::vector<std::string_view> EducationChoices(const std::optional<std::vector<std::string>>& listed);

// A loaded protocol's education must be one of the levels; another text is emptied. False
// when it was emptied (the workstation then says "Csak a listáról választhat!").
bool KeepOnlyListedEducation(std::string& education);

} // namespace quelvarin
