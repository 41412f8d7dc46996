#pragma once

#include "platform/Notifier.h"

#include <filesystem>
#include <string_view>

namespace quelvarin {

// Writes a file of the root that the workstation makes (an interpretation, a page, a report):
// its folder is created when missing, and the file is replaced atomically, so a failed write
// keeps the previous one. False, with the examiner told which file, when it cannot be written.
bool WriteRootFile(const std::filesystem::path& path, std::string_view bytes, Notifier& notifier);
// The same, leaving it to the caller to say that it failed.
bool WriteRootFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace quelvarin
