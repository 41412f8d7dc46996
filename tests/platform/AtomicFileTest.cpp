#include "platform/AtomicFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

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

TEST(AtomicFile, ReadsWholeFilesAndNothingElse) {
    test::TempDir dir;
    test::WriteBytes(dir / "a.bin", std::string("\0\r\n\xFF", 4));
    EXPECT_EQ(ReadFileBytes(dir / "a.bin"), std::string("\0\r\n\xFF", 4));
    EXPECT_FALSE(ReadFileBytes(dir / "nincs").has_value());
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
}

} // namespace
} // namespace quelvarin
