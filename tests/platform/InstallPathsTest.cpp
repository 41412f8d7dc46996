#include "platform/InstallPaths.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

TEST(InstallPaths, NamedFilesLieUnderTheRoot) {
    InstallPaths paths("/q/quelva");
    EXPECT_EQ(paths.AnswerTextFile(7), fs::path("/q/quelva/aktualis/7.txt"));
    EXPECT_EQ(paths.InterpretationFile(), fs::path("/q/quelva/aktualis/Szov_Ert.txt"));
    EXPECT_EQ(paths.ScoringHelpFile(), fs::path("/q/quelva/jelol.dbf"));
    EXPECT_EQ(paths.ExaminationSheetFile(), fs::path("/q/quelva/html/aktualis.html"));
    EXPECT_EQ(paths.SoundFile("angol", 400), fs::path("/q/quelva/hangok/angol/400.wav"));
    EXPECT_EQ(paths.ListFile("isk"), fs::path("/q/quelva/isk.lst"));
    EXPECT_EQ(paths.WordDocumentFile("abc_20040512"), fs::path("/q/quelva/doc/abc_20040512.doc"));
    EXPECT_EQ(paths.HandOverFile(), fs::path("/q/helvor/aktualis/aktualis.dat"));
}

TEST(InstallPaths, BackslashedPathsBecomeSubFolders) {
    InstallPaths paths("/q/quelva");
    EXPECT_EQ(paths.Resolve("aktualis\\3.txt"), fs::path("/q/quelva/aktualis/3.txt"));
    EXPECT_EQ(paths.Resolve("help\\ft.hlp"), fs::path("/q/quelva/help/ft.hlp"));
    EXPECT_EQ(paths.Resolve("ver.num"), fs::path("/q/quelva/ver.num"));
}

TEST(InstallPaths, DefaultRootIsPerUser) {
    auto root = InstallPaths::DefaultRoot();
    EXPECT_EQ(root.filename(), "quelva");
    EXPECT_EQ(root.parent_path().filename(), "tamrel");
}

TEST(InstallPaths, SeedingCopiesTheShippedTreeWithoutOverwriting) {
    test::TempDir dir;
    auto shipped = dir / "shipped";
    test::WriteBytes(shipped / "jelol.dbf", "szállított");
    test::WriteBytes(shipped / "help" / "ft.hlp", "súgó");
    fs::create_directories(shipped / "archivum");
    auto root = dir / "root";
    test::WriteBytes(root / "jelol.dbf", "a felhasználóé");

    ASSERT_TRUE(SeedInstallTree(shipped, root));
    EXPECT_EQ(test::ReadBytes(root / "jelol.dbf"), "a felhasználóé");
    EXPECT_EQ(test::ReadBytes(root / "help" / "ft.hlp"), "súgó");
    EXPECT_TRUE(fs::is_directory(root / "archivum"));
}

TEST(InstallPaths, StartUpSeedsOnlyAMissingRoot) {
    test::TempDir dir;
    auto shipped = dir / "shipped";
    test::WriteBytes(shipped / "ver.num", "1");
    auto existing = dir / "existing";
    fs::create_directories(existing);
    ASSERT_TRUE(EnsureInstallTree(existing, shipped));
    EXPECT_FALSE(fs::exists(existing / "ver.num")) << "an existing root is the user's";
    ASSERT_TRUE(EnsureInstallTree(dir / "missing", shipped));
    EXPECT_EQ(test::ReadBytes(dir / "missing" / "ver.num"), "1");
}

TEST(InstallPaths, TheShippedTreeOfAnInstalledProgramLiesBesideItsBin) {
    test::TempDir dir;
    fs::create_directories(dir / "share" / "quelvarin" / "quelva");
    EXPECT_EQ(FindShippedTree(dir / "bin" / "quelvarin"), dir / "share" / "quelvarin" / "quelva");
    EXPECT_TRUE(fs::is_directory(FindShippedTree(dir / "elsewhere" / "quelvarin"))) << "the source tree's";
}

TEST(InstallPaths, SeedingFromAMissingTreeFails) {
    test::TempDir dir;
    EXPECT_FALSE(SeedInstallTree(dir / "nincs", dir / "root"));
    EXPECT_FALSE(fs::exists(dir / "root"));
}

} // namespace
} // namespace quelvarin
