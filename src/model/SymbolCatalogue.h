#pragma once

#include "model/SignCode.h"
#include "model/SignNames.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quelvarin {

// The five columns in which the selected answer's signs are listed.
enum class SignColumn : std::uint8_t {
    None = 0,
    Locations = 1,
    Determinants = 2,
    Contents = 3,
    Frequencies = 4,
    SpecialReactions = 5,
};
inline constexpr int kSignColumnCount = 5;

// Display name of a code, "#" for a code without a sign (sub-variants included).
std::string_view NameOfCode(SignCode code);

// Code of a display name, compared exactly after trimming the blanks of a box caption;
// 0 when no sign has that name. "Feleletszám" names two signs and yields 416.
SignCode CodeOfName(std::string_view name);

SignKind KindOfCode(SignCode code);
SignColumn ColumnOfCode(SignCode code);

// A sub-variant's parent (1492 -> 149, 4103 -> 410); any other code is its own parent.
SignCode ParentOfCode(SignCode code);
bool IsSubVariant(SignCode code);

// The name under which a slot is listed in its SignColumn: a sub-variant under its parent's.
std::string_view ColumnNameOfCode(SignCode code);
SignColumn ColumnOfSlot(SignCode code);

// "I." .. "X." for cards 1..10, "**" for any other number.
std::string_view CardName(int card);

// The eighteen supplementary-information items as the check list shows them (item 1 = 480).
const std::array<std::string_view, 18>& SupplementaryItemTexts();

// The stems of the determinants with a form level, in code order within each level.
const std::array<std::string_view, 11>& FormLevelStems();
// The three levels "+", "+/-", "-"; code = 301 + 11 * level + stem.
const std::array<std::string_view, 3>& FormLevels();

} // namespace quelvarin
