#include "platform/Jpeg.h"

#include "support/JpegFixture.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <span>

namespace quelvarin {
namespace {

using test::EncodeJpeg;
using test::JpegKind;
using test::RampPicture;

std::span<const std::uint8_t> Bytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// The largest difference of one channel between two pictures of one size.
int LargestDifference(const Picture& a, const Picture& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        largest = std::max(largest, std::abs(int(a.rgb[i]) - int(b.rgb[i])));
    }
    return largest;
}

TEST(Jpeg, DecodesBaselineAndProgressivePicturesToRgb) {
    auto original = RampPicture(67, 45); // not a multiple of the 8 x 8 blocks
    for (auto kind : {JpegKind::Baseline, JpegKind::Progressive}) {
        auto decoded = DecodeJpeg(Bytes(EncodeJpeg(original, kind)));
        ASSERT_TRUE(std::holds_alternative<Picture>(decoded)) << std::get<std::string>(decoded);
        const auto& picture = std::get<Picture>(decoded);
        EXPECT_EQ(picture.width, 67);
        EXPECT_EQ(picture.height, 45);
        ASSERT_EQ(picture.rgb.size(), 67u * 45u * 3u);
        EXPECT_LE(LargestDifference(picture, original), 12) << "the ramps come back as they went in";
    }
}

TEST(Jpeg, SpreadsGreyscaleToThreeEqualChannels) {
    auto decoded = DecodeJpeg(Bytes(EncodeJpeg(RampPicture(16, 40), JpegKind::Greyscale)));
    ASSERT_TRUE(std::holds_alternative<Picture>(decoded));
    const auto& rgb = std::get<Picture>(decoded).rgb;
    ASSERT_EQ(rgb.size(), 16u * 40u * 3u);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        ASSERT_TRUE(rgb[i] == rgb[i + 1] && rgb[i + 1] == rgb[i + 2]) << i;
    }
    EXPECT_GT(rgb.back(), 200) << "the bottom row is light, as the green ramp was";
}

// Each bad file gives its reason; none ends the program or returns a picture.
TEST(Jpeg, RefusesBadFilesWithTheirReason) {
    auto good = EncodeJpeg(RampPicture(64, 48));
    auto corruptMarker = good;
    corruptMarker[corruptMarker.find("\xFF\xC0") + 1] = '\xCF'; // a frame type libjpeg does not decode
    auto wrongLength = good;
    wrongLength[wrongLength.find("\xFF\xDB") + 3] = '\x02'; // a quantisation table of no bytes
    struct Case {
        const char* what;
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"empty", "", "üres fájl"},
        {"a PNG", "\x89PNG\r\n\x1A\n", "nem JPEG kép"},
        {"only the start marker", "\xFF\xD8", "a JPEG kép csonka, a vége hiányzik"},
        {"cut in the header", good.substr(0, 100), "a JPEG kép csonka, a vége hiányzik"},
        {"cut in the pixels", good.substr(0, good.size() / 2), "a JPEG kép csonka, a vége hiányzik"},
        {"unsupported frame marker", corruptMarker, "a JPEG kép sérült"},
        {"segment length too short", wrongLength, "a JPEG kép sérült"},
        {"declared 60000 x 60000", test::WithDeclaredSize(good, 60000, 60000),
         "a kép túl nagy (60000 × 60000 képpont; legfeljebb 8000 képpont egy oldala és 16 millió képpont az "
         "egész)"},
        {"declared 9000 x 48", test::WithDeclaredSize(good, 9000, 48), ""},
        {"declared 5000 x 4000", test::WithDeclaredSize(good, 5000, 4000), ""},
        {"CMYK", EncodeJpeg(RampPicture(16, 16), JpegKind::Cmyk),
         "CMYK színterű JPEG kép, csak RGB vagy szürkeárnyalatos kép jeleníthető meg"},
    };
    for (const auto& c : cases) {
        auto decoded = DecodeJpeg(Bytes(c.bytes));
        ASSERT_TRUE(std::holds_alternative<std::string>(decoded)) << c.what;
        const auto& reason = std::get<std::string>(decoded);
        if (c.reason.empty()) {
            EXPECT_TRUE(reason.starts_with("a kép túl nagy (")) << c.what << ": " << reason;
        } else {
            EXPECT_EQ(reason, c.reason) << c.what;
        }
    }
}

// The size is refused from the header: a declared size within the limits decodes what is there.
TEST(Jpeg, TheLimitsAreTheCallers) {
    auto good = EncodeJpeg(RampPicture(64, 48));
    EXPECT_TRUE(std::holds_alternative<Picture>(DecodeJpeg(Bytes(good), {64, 64 * 48})));
    EXPECT_TRUE(std::holds_alternative<std::string>(DecodeJpeg(Bytes(good), {63, 64 * 48})));
    EXPECT_TRUE(std::holds_alternative<std::string>(DecodeJpeg(Bytes(good), {64, 64 * 48 - 1})));
}

// Every cut of a file decodes or is refused; none reads past the bytes given (the sanitizer
// build watches).
TEST(Jpeg, EveryCutOfAFileIsRefusedOrDecoded) {
    auto good = EncodeJpeg(RampPicture(24, 24), JpegKind::Progressive);
    int refused = 0;
    for (std::size_t size = 0; size < good.size(); ++size) {
        std::string cut(good.data(), size);
        refused += std::holds_alternative<std::string>(DecodeJpeg(Bytes(cut))) ? 1 : 0;
    }
    EXPECT_EQ(refused, int(good.size())) << "a file without its end is never a picture";
}

TEST(Jpeg, ReadsAFileAndSaysWhyNot) {
    test::TempDir dir;
    auto good = EncodeJpeg(RampPicture(20, 10));
    test::WriteBytes(dir / "1.jpg", good);
    auto read = ReadJpegFile(dir / "1.jpg");
    ASSERT_TRUE(std::holds_alternative<Picture>(read));
    EXPECT_EQ(std::get<Picture>(read).width, 20);
    EXPECT_EQ(std::get<std::string>(ReadJpegFile(dir / "2.jpg")), "nincs ilyen fájl");
    EXPECT_EQ(std::get<std::string>(ReadJpegFile(dir.Path())), "nincs ilyen fájl") << "a folder";
    PictureLimits small;
    small.maxFileBytes = good.size() - 1;
    EXPECT_TRUE(std::get<std::string>(ReadJpegFile(dir / "1.jpg", small)).starts_with("a fájl túl nagy"));
}

} // namespace
} // namespace quelvarin
