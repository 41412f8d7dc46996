#pragma once

#include "platform/Picture.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace quelvarin {

// Decodes a JPEG (baseline or progressive; colour or greyscale) into RGB with the IJG library.
// A damaged, truncated or hostile file gives the reason and never ends the program; a size
// beyond the limits is refused from the header, before anything is decoded. CMYK pictures are
// refused: the card pictures are RGB.
PictureOrError DecodeJpeg(std::span<const std::uint8_t> bytes, const PictureLimits& limits = {});

// The JPEG file decoded; a missing, unreadable or oversized file gives its reason as well.
PictureOrError ReadJpegFile(const std::filesystem::path& path, const PictureLimits& limits = {});

} // namespace quelvarin
