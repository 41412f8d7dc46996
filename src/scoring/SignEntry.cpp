#include "scoring/SignEntry.h"

#include "model/SymbolCatalogue.h"

namespace quelvarin {

std::optional<int> AddSign(Answer& answer, SignCode code) {
    for (std::size_t slot = 0; slot < answer.slots.size(); ++slot) {
        if (answer.slots[slot] == 0) {
            answer.slots[slot] = code;
            return static_cast<int>(slot);
        }
    }
    return std::nullopt;
}

bool MatchesForRemoval(SignCode slotCode, SignCode code) {
    if (slotCode == 0) {
        return false;
    }
    if (slotCode == code) {
        return true;
    }
    return (code == codes::kFH || code == codes::kDzw) && IsSubVariant(slotCode) &&
           ParentOfCode(slotCode) == code;
}

std::optional<int> RemoveSign(Answer& answer, SignCode code) {
    for (std::size_t slot = 0; slot < answer.slots.size(); ++slot) {
        if (MatchesForRemoval(answer.slots[slot], code)) {
            answer.slots[slot] = 0;
            return static_cast<int>(slot);
        }
    }
    return std::nullopt;
}

} // namespace quelvarin
