#pragma once

#include "model/SignCode.h"

#include <span>
#include <string_view>
#include <vector>

namespace quelvarin {

// A heading of the determinant page and the boxes it highlights.
struct DeterminantFamily {
    std::string_view heading;
    std::vector<SignCode> members;
};

std::span<const DeterminantFamily> DeterminantFamilies();

} // namespace quelvarin
