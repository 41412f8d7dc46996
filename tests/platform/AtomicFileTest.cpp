#include "platform/AtomicFile.h"

#include "support/FailingWrites.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <numeric>
#include <thread>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFile, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    auto path = dir / "jkv.qvl";
    test::WriteBytes(path, "régi");
    ASSERT_TRUE(ReplaceFileAtomically(path, "új tartalom"));
    EXPECT_EQ(test::ReadBytes(path), "új tartalom");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFile, CreatesAMissingFile) {
    test::TempDir dir;
    ASSERT_TRUE(ReplaceFileAtomically(dir / "uj.txt", ""));
    EXPECT_EQ(test::ReadBytes(dir / "uj.txt"), "");
}

TEST(AtomicFile, AFailedRenameLeavesTheOldContentAndNoTemporary) {
    test::TempDir dir;
    // A folder that holds a file cannot be replaced by a file: the rename fails.
    auto target = dir / "foglalt";
    test::WriteBytes(target / "bent.txt", "marad");
    EXPECT_FALSE(ReplaceFileAtomically(target, "semmi"));
    EXPECT_EQ(test::ReadBytes(target / "bent.txt"), "marad");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFile, AMissingFolderFails) {
    test::TempDir dir;
    EXPECT_FALSE(ReplaceFileAtomically(dir / "nincs" / "x.txt", "x"));
}

std::vector<std::size_t> EveryPointBelow(std::size_t total) {
    std::vector<std::size_t> points(total);
    std::iota(points.begin(), points.end(), std::size_t{0});
    return points;
}

// A write cut short after any number of bytes, the first and the last included.
TEST(AtomicFile, AReplacementFailingAfterAnyByteLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    auto path = dir / "jkv.qvl";
    test::WriteBytes(path, "régi tartalom");
    std::string_view bytes = "új tartalom\r\n";
    auto total = test::ExpectFailedWritesLeaveWholeFiles(
        dir.Path(), [&] { return ReplaceFileAtomically(path, bytes); }, test::AfterFailure::Unchanged,
        EveryPointBelow);
    EXPECT_EQ(total, bytes.size());
    EXPECT_EQ(test::ReadBytes(path), bytes);
}

TEST(AtomicFile, AFailedReplacementOfAMissingFileLeavesNoFile) {
    test::TempDir dir;
    test::ExpectFailedWritesLeaveWholeFiles(dir.Path(),
                                            [&] { return ReplaceFileAtomically(dir / "uj.txt", "x"); });
    EXPECT_EQ(test::ReadBytes(dir / "uj.txt"), "x");
}

// The writer fails at the piece that crosses the limit and at every piece after it, and Commit
// then puts nothing in place.
TEST(AtomicFile, AWriterFailingAfterAnyByteLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    auto path = dir / "osszesito.txt";
    test::WriteBytes(path, "régi");
    // An empty piece among them, as a view without data.
    const std::vector<std::string_view> pieces = {"fej\r\n", std::string_view(), "első sor\r\n", "x"};
    auto total = std::accumulate(pieces.begin(), pieces.end(), std::size_t{0},
                                 [](std::size_t sum, std::string_view piece) { return sum + piece.size(); });
    for (std::size_t limit = 0; limit < total; ++limit) {
        SCOPED_TRACE("failing after " + std::to_string(limit) + " bytes");
        test::FailWritesAfter failing(limit);
        {
            AtomicFileWriter writer(path);
            std::size_t offered = 0;
            for (auto piece : pieces) {
                offered += piece.size();
                EXPECT_EQ(writer.Write(piece), offered <= limit) << "the piece ending at byte " << offered;
            }
            EXPECT_TRUE(writer.Failed());
            EXPECT_FALSE(writer.Commit());
        }
        EXPECT_TRUE(failing.Tripped());
        EXPECT_EQ(test::ContentsOf(dir.Path()), (test::FolderContents{{"osszesito.txt", "régi"}}));
    }
    test::FailWritesAfter enough(total);
    AtomicFileWriter writer(path);
    for (auto piece : pieces) {
        EXPECT_TRUE(writer.Write(piece));
    }
    EXPECT_TRUE(writer.Commit());
    EXPECT_FALSE(enough.Tripped());
    EXPECT_EQ(test::ReadBytes(path), "fej\r\nelső sor\r\nx");
}

// An append cut short is cut back: no half line stays at the end of the file, and a file the
// append created is removed.
TEST(AtomicFile, AnAppendFailingAfterAnyByteLeavesTheFileAsItWas) {
    test::TempDir dir;
    auto path = dir / "adatok.dat";
    test::WriteBytes(path, "Kod\tR\r\n");
    std::string_view row = "k100\t17\r\n";
    test::ExpectFailedWritesLeaveWholeFiles(
        dir.Path(), [&] { return AppendToFile(path, row); }, test::AfterFailure::Unchanged, EveryPointBelow);
    EXPECT_EQ(test::ReadBytes(path), "Kod\tR\r\nk100\t17\r\n");

    test::TempDir empty;
    test::ExpectFailedWritesLeaveWholeFiles(empty.Path(),
                                            [&] { return AppendToFile(empty / "uj.dat", row); });
    EXPECT_EQ(test::ReadBytes(empty / "uj.dat"), row);
    // Nothing to append (a view without data) creates a missing file and changes nothing else.
    ASSERT_TRUE(AppendToFile(empty / "ures.dat", std::string_view()));
    ASSERT_TRUE(AppendToFile(empty / "uj.dat", std::string_view()));
    EXPECT_EQ(test::ContentsOf(empty.Path()),
              (test::FolderContents{{"uj.dat", std::string(row)}, {"ures.dat", ""}}));
}

// The seam acts on the thread that installed it, while its object lives, and only on the targets
// it is given.
TEST(AtomicFile, AFailingWriterActsOnlyOnItsThreadItsTargetsAndWhileItLives) {
    test::TempDir dir;
    {
        test::FailWritesAfter failing(0, [](const fs::path& target) { return target.filename() == "a.txt"; });
        EXPECT_FALSE(ReplaceFileAtomically(dir / "a.txt", "a"));
        EXPECT_TRUE(ReplaceFileAtomically(dir / "b.txt", "b"));
        bool otherThread = false;
        std::thread([&] { otherThread = ReplaceFileAtomically(dir / "a.txt", "c"); }).join();
        EXPECT_TRUE(otherThread);
        {
            test::CountWrites inner;
            EXPECT_TRUE(ReplaceFileAtomically(dir / "a.txt", "dd"));
            EXPECT_EQ(inner.Written(), 2u);
            EXPECT_EQ(inner.Targets(), std::vector<fs::path>{dir / "a.txt"});
        }
        EXPECT_FALSE(ReplaceFileAtomically(dir / "a.txt", "e")) << "the outer hook is back";
    }
    EXPECT_TRUE(ReplaceFileAtomically(dir / "a.txt", "f"));
    EXPECT_EQ(test::ContentsOf(dir.Path()), (test::FolderContents{{"a.txt", "f"}, {"b.txt", "b"}}));
}

TEST(AtomicFile, ReadsWholeFilesAndNothingElse) {
    test::TempDir dir;
    test::WriteBytes(dir / "a.bin", std::string("\0\r\n\xFF", 4));
    EXPECT_EQ(ReadFileBytes(dir / "a.bin"), std::string("\0\r\n\xFF", 4));
    EXPECT_FALSE(ReadFileBytes(dir / "nincs").has_value());
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
}

} // namespace
} // namespace quelvarin
