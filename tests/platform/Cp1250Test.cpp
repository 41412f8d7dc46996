#include "platform/Cp1250.h"

#include <gtest/gtest.h>
#include <set>

namespace quelvarin {
namespace {

TEST(Cp1250, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(EncodeCp1250(DecodeCp1250(all)), all);
}

TEST(Cp1250, EveryByteDecodesToItsOwnCharacter) {
    std::set<std::string> seen;
    for (int byte = 0; byte < 256; ++byte) {
        seen.insert(DecodeCp1250(std::string(1, static_cast<char>(byte))));
    }
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Cp1250, HungarianAndSpecialLetters) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0xF5, "ő"},
        {0xFB, "ű"},
        {0xD5, "Ő"},
        {0xDB, "Ű"},
        {0xE1, "á"},
        {0xC9, "É"},
        {0x80, "€"},
        {0x84, "„"},
        {0x94, "”"},
        {0x8A, "Š"},
        {0xDF, "ß"},
        {0xDC, "Ü"},
        // The undefined bytes stand for the C1 control of the same number.
        {0x81, "\xC2\x81"},
        {0x83, "\xC2\x83"},
        {0x88, "\xC2\x88"},
        {0x90, "\xC2\x90"},
        {0x98, "\xC2\x98"},
    };
    for (const auto& c : cases) {
        std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(DecodeCp1250(byte), c.utf8) << int(c.byte);
        EXPECT_EQ(EncodeCp1250(c.utf8), byte) << int(c.byte);
    }
}

TEST(Cp1250, UnrepresentableAndMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(EncodeCp1250("a→b"), "a?b");          // U+2192 has no byte
    EXPECT_EQ(EncodeCp1250("x\xFFy"), "x?y");       // not UTF-8
    EXPECT_EQ(EncodeCp1250("\xE2\x82"), "??");      // a sequence cut short
    EXPECT_EQ(EncodeCp1250("\xED\xA0\x80"), "???"); // a surrogate
}

} // namespace
} // namespace quelvarin
