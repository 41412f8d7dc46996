#include "workstation/TextFileLines.h"

#include "platform/RecordingNotifier.h"
#include "support/ProtocolBuilder.h"
#include "support/TempDir.h"
#include "workstation/Messages.h"
#include "workstation/TextFileTexts.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

using Messages = std::vector<std::string>;
namespace texts = window_texts;

// A text file "a", "b", "c" opened in the editor.
struct OpenTextFile {
    OpenTextFile() {
        test::WriteBytes(file, "a\r\nb\r\nc\r\n");
        EXPECT_TRUE(lines.Open(file, notifier));
    }

    test::TempDir dir;
    fs::path file = dir / "szoveg.txt";
    RecordingNotifier notifier;
    TextFileLines lines;
};

TEST(TextFileLines, LineOperations) {
    enum class Op { Insert, Replace, Remove };
    struct Case {
        Op op;
        std::size_t row;
        std::string_view text;
        bool done;
        Lines after;
        bool modified;
    };
    constexpr auto kFar = SIZE_MAX;
    const Case cases[] = {
        {Op::Insert, 0, "", true, {"új sor", "a", "b", "c"}, true},
        {Op::Insert, 2, "", true, {"a", "b", "új sor", "c"}, true},
        {Op::Insert, 3, "", true, {"a", "b", "c", "új sor"}, true}, // after the last row
        {Op::Insert, 4, "", false, {"a", "b", "c"}, false},
        {Op::Insert, kFar, "", false, {"a", "b", "c"}, false},
        {Op::Replace, 1, "xő", true, {"a", "xő", "c"}, true},
        {Op::Replace, 1, "x\r\ny\nz", true, {"a", "x  y z", "c"}, true},
        {Op::Replace, 1, "b", true, {"a", "b", "c"}, false}, // the same text changes nothing
        {Op::Replace, 3, "x", false, {"a", "b", "c"}, false},
        {Op::Replace, kFar, "x", false, {"a", "b", "c"}, false},
        {Op::Remove, 0, "", true, {"b", "c"}, true},
        {Op::Remove, 2, "", true, {"a", "b"}, true},
        {Op::Remove, 3, "", false, {"a", "b", "c"}, false},
        {Op::Remove, kFar, "", false, {"a", "b", "c"}, false},
    };
    for (const auto& c : cases) {
        OpenTextFile open;
        bool done = false;
        switch (c.op) {
        case Op::Insert:
            done = open.lines.InsertBefore(c.row);
            break;
        case Op::Replace:
            done = open.lines.Replace(c.row, c.text);
            break;
        case Op::Remove:
            done = open.lines.Remove(c.row);
            break;
        }
        SCOPED_TRACE(testing::Message() << "operation " << static_cast<int>(c.op) << " on row " << c.row);
        EXPECT_EQ(done, c.done);
        EXPECT_EQ(open.lines.Rows(), c.after);
        EXPECT_EQ(open.lines.Modified(), c.modified);
        EXPECT_EQ(test::ReadBytes(open.file), "a\r\nb\r\nc\r\n") << "nothing is written before a save";
    }
}

TEST(TextFileLines, WithoutAFileNothingIsEditedOrSaved) {
    RecordingNotifier notifier;
    TextFileLines lines;
    EXPECT_FALSE(lines.HasFile());
    EXPECT_FALSE(lines.InsertBefore(0));
    EXPECT_FALSE(lines.Replace(0, "x"));
    EXPECT_FALSE(lines.Remove(0));
    EXPECT_FALSE(lines.Save(notifier));
    EXPECT_TRUE(lines.Rows().empty());
    EXPECT_FALSE(lines.Modified());
    EXPECT_TRUE(notifier.Messages().empty());
}

TEST(TextFileLines, AnEmptyFileGetsItsFirstRow) {
    test::TempDir dir;
    RecordingNotifier notifier;
    test::WriteBytes(dir / "ures.txt", "");
    TextFileLines lines;
    ASSERT_TRUE(lines.Open(dir / "ures.txt", notifier));
    EXPECT_TRUE(lines.Rows().empty());
    EXPECT_FALSE(lines.Remove(0));
    EXPECT_TRUE(lines.InsertBefore(0));
    EXPECT_EQ(lines.Rows(), Lines{std::string(TextFileLines::kNewRow)});
}

TEST(TextFileLines, AFileThatCannotBeOpenedKeepsThePreviousOne) {
    for (bool folder : {false, true}) {
        OpenTextFile open;
        ASSERT_TRUE(open.lines.Remove(0));
        auto other = open.dir / "masik.txt";
        if (folder) {
            fs::create_directories(other);
        }
        EXPECT_FALSE(open.lines.Open(other, open.notifier));
        EXPECT_EQ(open.notifier.Messages(), Messages{messages::CannotRead(other.string())});
        EXPECT_EQ(open.lines.Path(), open.file);
        EXPECT_EQ(open.lines.Rows(), (Lines{"b", "c"}));
        EXPECT_TRUE(open.lines.Modified());
    }
}

// A file is written back in Windows-1250 with the line ends it was read with.
TEST(TextFileLines, SavesWindows1250WithTheLineEndsItWasReadWith) {
    struct Case {
        const char* bytes;
        const char* saved;
    };
    const Case cases[] = {
        {"els\xF5\r\nm\xE1sodik\r\n", "els\xF5\r\n\xFAj sor\r\nt\xFBz\r\n"},
        {"els\xF5\nm\xE1sodik", "els\xF5\n\xFAj sor\nt\xFBz\n"},           // LF only, no final line end
        {"els\xF5\nm\xE1sodik\r\n", "els\xF5\r\n\xFAj sor\r\nt\xFBz\r\n"}, // mixed: the system's own
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        RecordingNotifier notifier;
        auto file = dir / "jegyzet.txt";
        test::WriteBytes(file, c.bytes);
        TextFileLines lines;
        ASSERT_TRUE(lines.Open(file, notifier));
        EXPECT_EQ(lines.Rows(), (Lines{"első", "második"}));
        ASSERT_TRUE(lines.Replace(1, "tűz"));
        ASSERT_TRUE(lines.InsertBefore(1));
        ASSERT_TRUE(lines.Save(notifier));
        EXPECT_FALSE(lines.Modified());
        EXPECT_EQ(test::ReadBytes(file), c.saved);
        TextFileLines again;
        ASSERT_TRUE(again.Open(file, notifier));
        EXPECT_EQ(again.Rows(), lines.Rows());
        EXPECT_TRUE(notifier.Messages().empty());
    }
}

TEST(TextFileLines, AFailedSaveIsReportedAndKeepsTheRows) {
    OpenTextFile open;
    ASSERT_TRUE(open.lines.Replace(0, "új"));
    fs::remove(open.file);
    test::WriteBytes(open.file / "benne.txt", "x"); // a folder in the file's place
    EXPECT_FALSE(open.lines.Save(open.notifier));
    EXPECT_EQ(open.notifier.Messages(), Messages{messages::CannotWrite(open.file.string())});
    EXPECT_TRUE(open.lines.Modified());
    EXPECT_EQ(open.lines.Rows(), (Lines{"új", "b", "c"}));
    EXPECT_EQ(test::ReadBytes(open.file / "benne.txt"), "x");
}

TEST(TextFileLines, RowIndexLabelCountsFromZero) {
    EXPECT_EQ(RowIndexLabel(0), "0");
    EXPECT_EQ(RowIndexLabel(7), "7");
    EXPECT_EQ(RowIndexLabel(1234), "1234");
}

// The editor's desk: an empty file gets its first line without a line chosen, and an edit not
// saved is offered for saving before another file is opened and when the window closes.
TEST(TextFileDesk, AnUnsavedEditIsOfferedBeforeItIsLost) {
    test::TestStation ws;
    auto& desk = ws->textFiles;
    auto empty = ws.dir / "ures.txt";
    auto other = ws.dir / "masik.txt";
    test::WriteBytes(empty, "");
    test::WriteBytes(other, "m\xE1s\n");
    ws.chooser.files = {empty};
    ASSERT_TRUE(desk.Open());
    EXPECT_EQ(ws.chooser.dialogs.back().title, "Szöveges állomány megnyitása");
    ASSERT_TRUE(desk.InsertLine(std::nullopt));
    EXPECT_EQ(desk.File().Rows(), Lines{"új sor"});

    // Another file: the edit is offered for saving; "Nem" drops it.
    ws.chooser.files = {other};
    ASSERT_TRUE(desk.Open());
    EXPECT_EQ(ws.notifier.Questions(), std::vector<std::string>{texts::AskSaveTextFile(empty.string())});
    EXPECT_EQ(test::ReadBytes(empty), "");
    EXPECT_EQ(ws.chooser.dialogs.back().folder, ws.dir.Path()) << "the next dialog starts at the last file";

    // The window closes: "Igen" saves, with the file's own line ends, and the file is let go.
    ASSERT_TRUE(desk.ReplaceLine(0, "más sor"));
    ws.notifier.QueueAnswer(true);
    desk.Close();
    EXPECT_EQ(test::ReadBytes(other), "m\xE1s sor\n");
    EXPECT_FALSE(desk.File().HasFile());
    EXPECT_EQ(ws.notifier.Questions().size(), 2u);
    desk.Close();
    EXPECT_EQ(ws.notifier.Questions().size(), 2u) << "nothing to offer";
}

} // namespace
} // namespace quelvarin
