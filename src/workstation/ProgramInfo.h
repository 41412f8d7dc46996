#pragma once

#include "platform/InstallPaths.h"

#include <string>
#include <string_view>

namespace quelvarin {

// The program-information window's product name.
inline constexpr std::string_view kProductName = "Quelvarin for Win32";

// "verziószám: " followed by the first line of ver.num, or by "nincs adat" when the file is not
// there, cannot be read or its first line is empty or blank.
std::string VersionLabel(const InstallPaths& paths);

} // namespace quelvarin
