#include "platform/LineFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(LineFile, SplitsAtLfAndCrLf) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\r\n", {"a\rb"}}, // a lone CR inside a line is text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    }
}

TEST(LineFile, WritesCp1250WithCrLfAndReadsItBack) {
    test::TempDir dir;
    auto path = dir / "list.lst";
    Lines lines = {"főiskola I-től", "", "Ütközés"};
    ASSERT_TRUE(WriteLineFile(path, lines));
    EXPECT_EQ(test::ReadBytes(path), "f\xF5iskola I-t\xF5l\r\n\r\n\xDCtk\xF6z\xE9s\r\n");
    EXPECT_EQ(ReadLineFile(path), lines);
}

TEST(LineFile, ReadsLfOnlyFiles) {
    test::TempDir dir;
    test::WriteBytes(dir / "lf.txt", "egy\nkett\xF5\n");
    EXPECT_EQ(ReadLineFile(dir / "lf.txt"), (Lines{"egy", "kettő"}));
}

TEST(LineFile, MissingFileReadsAsNothing) {
    test::TempDir dir;
    EXPECT_FALSE(ReadLineFile(dir / "nincs.txt").has_value());
    EXPECT_FALSE(ReadLineFile(dir.Path()).has_value()); // a folder is not a file
}

TEST(LineFile, LineBreaksInsideAValueBecomeBlanks) {
    EXPECT_EQ(WithoutLineBreaks("a\r\nb\nc"), "a  b c");
}

} // namespace
} // namespace quelvarin
