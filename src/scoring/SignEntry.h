#pragma once

#include "model/Protocol.h"

#include <optional>

namespace quelvarin {

// Stores code in the lowest empty slot; the slot index (0..29), or none when all 30 are full.
// There is no duplicate check: the same code may stand in several slots.
std::optional<int> AddSign(Answer& answer, SignCode code);

// Whether a slot holding `slotCode` is removed by a removal of `code`: the code itself and,
// for 149 and 410, their sub-variants.
bool MatchesForRemoval(SignCode slotCode, SignCode code);

// Clears the first slot matching code (later slots do not move); the slot index, or none
// when the answer holds no such sign.
std::optional<int> RemoveSign(Answer& answer, SignCode code);

} // namespace quelvarin
