// Any bytes as a card picture: decoded or refused with a reason, never a crash, a hang or an
// exit. A picture decoded fits the limits and has three bytes for each of its pixels.
#include "platform/Jpeg.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Smaller limits than the program's, so that the fuzzer spends its time on the markers and
    // the entropy decoding rather than on filling large pictures.
    quelvarin::PictureLimits limits;
    limits.maxSide = 2048;
    limits.maxPixels = 1 << 20;
    auto decoded = quelvarin::DecodeJpeg(std::span(data, size), limits);
    if (const auto* reason = std::get_if<std::string>(&decoded)) {
        if (reason->empty()) {
            std::abort();
        }
        return 0;
    }
    const auto& picture = std::get<quelvarin::Picture>(decoded);
    if (picture.width <= 0 || picture.height <= 0 || picture.width > limits.maxSide ||
        picture.height > limits.maxSide ||
        picture.rgb.size() != std::size_t(picture.width) * std::size_t(picture.height) * 3) {
        std::abort();
    }
    return 0;
}
