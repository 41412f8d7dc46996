#include "support/JpegFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>
// jpeglib.h needs FILE and size_t declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace quelvarin::test {

Picture RampPicture(int width, int height) {
    Picture picture{width, height, {}};
    picture.rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.rgb.push_back(static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1)));
            picture.rgb.push_back(static_cast<std::uint8_t>(y * 255 / std::max(1, height - 1)));
            picture.rgb.push_back(static_cast<std::uint8_t>(128));
        }
    }
    return picture;
}

std::string EncodeJpeg(const Picture& picture, JpegKind kind) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a fixture that fails ends the test program
    jpeg_CreateCompress(&info, JPEG_LIB_VERSION, sizeof(jpeg_compress_struct));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    int components = kind == JpegKind::Greyscale ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
    info.input_components = components;
    info.in_color_space = kind == JpegKind::Greyscale ? JCS_GRAYSCALE
                          : kind == JpegKind::Cmyk    ? JCS_CMYK
                                                      : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (kind == JpegKind::Progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.width * components));
    while (info.next_scanline < info.image_height) {
        const auto* from = picture.rgb.data() + static_cast<std::size_t>(info.next_scanline) *
                                                    static_cast<std::size_t>(picture.width) * 3;
        for (int x = 0; x < picture.width; ++x) {
            auto pixel = static_cast<std::size_t>(x);
            if (kind == JpegKind::Greyscale) {
                row[pixel] = from[pixel * 3 + 1];
            } else {
                for (std::size_t c = 0; c < 3; ++c) {
                    auto value = from[pixel * 3 + c];
                    row[pixel * static_cast<std::size_t>(components) + c] =
                        kind == JpegKind::Cmyk ? static_cast<std::uint8_t>(255 - value) : value;
                }
                if (kind == JpegKind::Cmyk) {
                    row[pixel * 4 + 3] = 0;
                }
            }
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

std::string WithDeclaredSize(std::string jpeg, int width, int height) {
    // The frame header: FF C0 (or C2), length, precision, height, width.
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>((height >> 8) & 0xFF);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>((width >> 8) & 0xFF);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            return jpeg;
        }
    }
    throw std::runtime_error("no frame header");
}

} // namespace quelvarin::test
