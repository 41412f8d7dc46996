#include "ui/locations/QtPictures.h"

#include "ui/app/QtText.h"

#include <QImageReader>
#include <cstring>
#include <system_error>

namespace quelvarin::ui {

namespace fs = std::filesystem;

QImage ImageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    auto stride = static_cast<std::size_t>(picture.width) * 3;
    if (image.isNull() || picture.rgb.size() != stride * static_cast<std::size_t>(picture.height)) {
        return {};
    }
    // QImage pads its rows to four bytes; the picture's rows are packed.
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.rgb.data() + stride * static_cast<std::size_t>(y), stride);
    }
    return image;
}

PictureOrError ReadBitmap(const fs::path& path, const PictureLimits& limits) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::string("nincs ilyen fájl");
    }
    QImageReader reader(ToQt(path.string()), QByteArrayLiteral("bmp"));
    reader.setDecideFormatFromContent(true);
    // Megabytes: the picture itself, in Qt's own 32-bit form, with room to convert it.
    auto megabytes = limits.maxPixels * 4 * 2 / (1 << 20) + 1;
    reader.setAllocationLimit(static_cast<int>(megabytes));
    auto size = reader.size();
    if (!size.isValid()) {
        return std::string("nem BMP kép, vagy sérült");
    }
    if (auto refused = PictureSizeRefused(size.width(), size.height(), limits)) {
        return *refused;
    }
    QImage image;
    if (!reader.read(&image)) {
        return std::string("a BMP kép sérült vagy csonka");
    }
    image.convertTo(QImage::Format_RGB888);
    Picture picture{image.width(), image.height(), {}};
    auto stride = static_cast<std::size_t>(picture.width) * 3;
    picture.rgb.resize(stride * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(picture.rgb.data() + stride * static_cast<std::size_t>(y), image.constScanLine(y),
                    stride);
    }
    return picture;
}

} // namespace quelvarin::ui
