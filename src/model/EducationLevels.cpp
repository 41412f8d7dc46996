#include "model/EducationLevels.h"

#include <algorithm>

namespace quelvarin {

std::optional<int> EducationLevelIndex(std::string_view education) {
    for (std::size_t i = 0; i < kEducationLevels.size(); ++i) {
        if (kEducationLevels[i] == education) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> EducationChoices(const std::optional<std::vector<std::string>>& listed) {
    std::vector<std::string_view> choices;
    if (listed) {
        for (const auto& line : *listed) {
            auto level = EducationLevelIndex(line);
            if (level) {
                auto text = kEducationLevels[static_cast<std::size_t>(*level)];
                if (std::find(choices.begin(), choices.end(), text) == choices.end()) {
                    choices.push_back(text);
                }
            }
        }
    }
    if (choices.empty()) {
        choices.assign(kEducationLevels.begin(), kEducationLevels.end());
    }
    return choices;
}

bool KeepOnlyListedEducation(std::string& education) {
    if (EducationLevelIndex(education)) {
        return true;
    }
    education.clear();
    return false;
}

} // namespace quelvarin
