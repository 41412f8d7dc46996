#include "model/SignHelpTexts.h"

#include "platform/Cp1250.h"
#include "support/FailingWrites.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(SignHelpTexts, StoresTwoLinesAsOneStarredLineAndReadsThemBack) {
    test::TempDir dir;
    HelpTextFile file(dir / "jelol.dbf");
    EXPECT_FALSE(file.Read()); // missing: every text empty
    EXPECT_TRUE(file.Text(400).empty());

    ASSERT_TRUE(file.Store(400, {"a", "b"}));
    auto lines = ReadLineFile(dir / "jelol.dbf");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 498u) << "a missing file is written with a line for every code";
    EXPECT_EQ((*lines)[400], "a*b*");
    EXPECT_EQ((*lines)[399], "");

    HelpTextFile again(dir / "jelol.dbf");
    ASSERT_TRUE(again.Read());
    EXPECT_EQ(again.Text(400), (std::vector<std::string>{"a", "b"}));
}

TEST(SignHelpTexts, SplitsAtEveryAsteriskDroppingTheRest) {
    HelpTextFile file;
    file.SetContent("\r\nx*\r\negy*ketto**marad\r\n");
    EXPECT_TRUE(file.Text(0).empty());
    EXPECT_EQ(file.Text(1), (std::vector<std::string>{"x"}));
    EXPECT_EQ(file.Text(2), (std::vector<std::string>{"egy", "ketto", ""}));
    EXPECT_TRUE(file.Text(3).empty()) << "a short file reads as empty lines";
    EXPECT_TRUE(file.Text(497).empty());
}

TEST(SignHelpTexts, AShortFileIsExtendedAndItsOtherLinesKept) {
    test::TempDir dir;
    test::WriteBytes(dir / "ert.dbf", "nulla*\r\negy*\r\n");
    HelpTextFile file(dir / "ert.dbf");
    ASSERT_TRUE(file.Read());
    ASSERT_TRUE(file.Store(497, {"utolsó"}));
    auto lines = ReadLineFile(dir / "ert.dbf");
    ASSERT_EQ(lines->size(), 498u);
    EXPECT_EQ((*lines)[0], "nulla*");
    EXPECT_EQ((*lines)[1], "egy*");
    EXPECT_EQ((*lines)[497], "utolsó*");
}

TEST(SignHelpTexts, ALongerFileKeepsItsLength) {
    test::TempDir dir;
    std::string content;
    for (int i = 0; i < 510; ++i) {
        content += std::to_string(i) + "*\r\n";
    }
    test::WriteBytes(dir / "jelol.dbf", content);
    HelpTextFile file(dir / "jelol.dbf");
    ASSERT_TRUE(file.Read());
    ASSERT_TRUE(file.Store(3, {"három"}));
    EXPECT_EQ(ReadLineFile(dir / "jelol.dbf")->size(), 510u);
}

TEST(SignHelpTexts, RefusesCodesWithoutALineAndFailedWrites) {
    test::TempDir dir;
    HelpTextFile file(dir / "jelol.dbf");
    EXPECT_FALSE(file.Store(1491, {"x"}));
    EXPECT_FALSE(file.Store(498, {"x"}));

    // The help file's place is taken by a folder: the write fails and nothing changes.
    test::WriteBytes(dir / "foglalt" / "benne.txt", "x");
    HelpTextFile blocked(dir / "foglalt");
    EXPECT_FALSE(blocked.Store(400, {"uj"}));
    EXPECT_TRUE(blocked.Text(400).empty());
}

// A store cut short leaves the help file as it was, and the texts in memory as well, so that the
// next store does not write a text the file never got.
TEST(SignHelpTexts, AStoreFailingPartWayLeavesTheFileAndTheTexts) {
    test::TempDir dir;
    auto path = dir / "jelol.dbf";
    test::WriteBytes(path, EncodeCp1250("nulla*\r\négy*\r\n"));
    test::ExpectFailedWritesLeaveWholeFiles(dir.Path(), [&] {
        HelpTextFile file(path);
        EXPECT_TRUE(file.Read());
        const auto before = file.RawLines();
        bool stored = file.Store(400, {"új", "szöveg"});
        EXPECT_EQ(file.RawLines() == before, !stored);
        return stored;
    });
    HelpTextFile file(path);
    ASSERT_TRUE(file.Read());
    EXPECT_EQ(file.Text(1), (std::vector<std::string>{"égy"}));
    EXPECT_EQ(file.Text(400), (std::vector<std::string>{"új", "szöveg"}));
}

} // namespace
} // namespace quelvarin
