#pragma once

#include "platform/Picture.h"

#include <string>

namespace quelvarin::test {

// The kinds of JPEG file the tests need, written by libjpeg's own compressor.
enum class JpegKind { Baseline, Progressive, Greyscale, Cmyk };

// A picture of smooth colour ramps: it survives compression closely, so a decoded pixel can be
// compared with the one encoded.
Picture RampPicture(int width, int height);

// The picture as a JPEG file's bytes (quality 95; a greyscale file keeps the green channel, a
// CMYK one inverts the three colours into C, M and Y).
std::string EncodeJpeg(const Picture& picture, JpegKind kind = JpegKind::Baseline);

// The bytes with the frame header's declared height and width replaced: the pixels stay those
// of the original size.
std::string WithDeclaredSize(std::string jpeg, int width, int height);

} // namespace quelvarin::test
