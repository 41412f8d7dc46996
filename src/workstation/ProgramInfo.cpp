#include "workstation/ProgramInfo.h"

#include "platform/LineFile.h"

namespace quelvarin {

std::string VersionLabel(const InstallPaths& paths) {
    constexpr std::string_view kLabel = "verziószám: ";
    constexpr std::string_view kNoData = "nincs adat";
    auto lines = ReadLineFile(paths.VersionFile());
    bool blank = !lines || lines->empty() || lines->front().find_first_not_of(" \t") == std::string::npos;
    return std::string(kLabel) + (blank ? std::string(kNoData) : lines->front());
}

} // namespace quelvarin
