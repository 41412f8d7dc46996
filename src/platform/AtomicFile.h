#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so that a failed write leaves the previous file as it was. The folder must exist.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read (missing, a folder, no permission).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

} // namespace quelvarin
