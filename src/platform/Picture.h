#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quelvarin {

// A decoded picture: 8-bit RGB, three bytes a pixel, rows from the top without padding.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool operator==(const Picture&) const = default;
};

// How large a picture the program decodes. The card pictures are a few hundred pixels a side;
// the limits keep a damaged or hostile header from asking for gigabytes before a pixel is read.
struct PictureLimits {
    int maxSide = 8000;
    std::int64_t maxPixels = 16'000'000;
    // Bytes of a picture file read at most.
    std::uintmax_t maxFileBytes = 64u << 20;
};

// A picture, or why it could not be read, in words that follow "nem olvasható: ".
using PictureOrError = std::variant<Picture, std::string>;

// Why a picture of the declared size is not decoded; nothing when it fits the limits.
inline std::optional<std::string> PictureSizeRefused(std::int64_t width, std::int64_t height,
                                                     const PictureLimits& limits) {
    if (width <= 0 || height <= 0) {
        return std::string("a kép mérete hibás");
    }
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels) {
        return "a kép túl nagy (" + std::to_string(width) + " × " + std::to_string(height) +
               " képpont; legfeljebb " + std::to_string(limits.maxSide) + " képpont egy oldala és " +
               std::to_string(limits.maxPixels / 1'000'000) + " millió képpont az egész)";
    }
    return std::nullopt;
}

} // namespace quelvarin
