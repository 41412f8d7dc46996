#pragma once

#include "platform/Picture.h"

#include <QImage>
#include <filesystem>

namespace quelvarin::ui {

// A decoded picture as an image to paint (a copy: the picture may be replaced afterwards).
QImage ImageOf(const Picture& picture);

// A BMP file read by Qt's image reader, within the same limits as the JPEG pictures: the size
// is checked from the header, and the reader allocates no more than the limits allow.
PictureOrError ReadBitmap(const std::filesystem::path& path, const PictureLimits& limits = {});

} // namespace quelvarin::ui
