#pragma once

#include "platform/LineFile.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace quelvarin {

// A list file of the personal data (occupations, diagnoses, wards, examiners, clinical
// questions): Windows-1250, one choice per line. Trailing blanks (and a stray carriage return)
// are not part of a choice, and a line left empty offers nothing.
Lines ParseChoiceList(std::string_view bytes);

// The choices of a list file; nothing when it is missing or cannot be read.
std::optional<Lines> ReadChoiceList(const std::filesystem::path& path);

} // namespace quelvarin
