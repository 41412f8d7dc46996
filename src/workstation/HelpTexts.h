#pragma once

#include "model/SignCode.h"

#include <string>
#include <vector>

namespace quelvarin {

// The help texts of a sign, as the scoring-help and interpretation-help windows show them.
struct HelpTexts {
    SignCode code = 0;
    std::vector<std::string> scoring;
    std::vector<std::string> interpretation;
    bool operator==(const HelpTexts&) const = default;
};

} // namespace quelvarin
