#include "model/EducationLevels.h"

namespace quelvarin {

std::optional<int> EducationLevelIndex(std::string_view education) {
    for (std::size_t i = 0; i < kEducationLevels.size(); ++i) {
        if (kEducationLevels[i] == education) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

bool KeepOnlyListedEducation(std::string& education) {
    if (EducationLevelIndex(education)) {
        return true;
    }
    education.clear();
    return false;
}

} // namespace quelvarin
