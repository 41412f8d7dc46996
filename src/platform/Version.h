#pragma once

#include <string_view>

namespace quelvarin {

// The program's version, set by the build from the project's version; ver.num of the
// installation tree carries the same text.
inline constexpr std::string_view kVersion = QUELVARIN_VERSION;

} // namespace quelvarin
