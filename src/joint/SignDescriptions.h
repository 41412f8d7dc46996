#pragma once

#include "joint/InteractionSigns.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

// The description lines of the 31 joint-examination signs: line n says what sign n shows
// about the person's will to cooperate, to subordinate or to dominate. The lines of krv.txt
// replace the built-in ones; lines the file lacks keep the built-in text.
namespace quelvarin::joint {

using DescriptionLines = std::array<std::string, kSignCount>;

const std::array<std::string_view, kSignCount>& BuiltInDescriptions();

// The built-in lines overlaid with those of the file (all of them when it is missing).
DescriptionLines ReadDescriptions(const std::filesystem::path& file);
// The same from the file's bytes (Windows-1250).
DescriptionLines DescriptionsFromBytes(std::string_view bytes);
// The bytes WriteDescriptions writes.
std::string DescriptionBytes(const DescriptionLines& lines);
// Writes the 31 lines (Windows-1250, CR LF), replacing the file atomically.
bool WriteDescriptions(const std::filesystem::path& file, const DescriptionLines& lines);

} // namespace quelvarin::joint
