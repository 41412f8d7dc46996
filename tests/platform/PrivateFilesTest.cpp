#include "platform/PrivateFiles.h"

#include "platform/AtomicFile.h"
#include "platform/InstallPaths.h"
#include "support/TempDir.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

// The umask wide open while it lives: the modes checked are then the program's own, not narrowed
// by the umask of whoever runs the tests.
class OpenUmask {
public:
    OpenUmask() : m_previous(::umask(0)) {}
    ~OpenUmask() { ::umask(m_previous); }
    OpenUmask(const OpenUmask&) = delete;
    OpenUmask& operator=(const OpenUmask&) = delete;

private:
    mode_t m_previous;
};

// The mode bits in octal ("2770"), which is how a failure is best read.
std::string Octal(unsigned mode) {
    char text[12];
    std::snprintf(text, sizeof text, "%04o", mode & 07777);
    return text;
}

std::string ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return Octal(info.st_mode);
}

fs::path FolderWithMode(const fs::path& path, unsigned mode) {
    fs::create_directories(path);
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
    return path;
}

TEST(PrivateFiles, ASeededRootAndWhatIsInItAreTheUsersAlone) {
    OpenUmask umask;
    test::TempDir dir;
    auto shipped = dir / "shipped";
    test::WriteBytes(shipped / "ver.num", "1");
    test::WriteBytes(shipped / "help" / "ft.hlp", "súgó");
    ::chmod((shipped / "ver.num").c_str(), 0666);
    // Above a missing root, in a folder shared with a group: the new folders share nothing.
    auto shared = FolderWithMode(dir / "shared", 02770);
    auto root = shared / "tamrel" / "quelva";

    ASSERT_TRUE(EnsureInstallTree(root, shipped));
    EXPECT_EQ(ModeOf(shared / "tamrel"), "0700");
    EXPECT_EQ(ModeOf(root), "0700");
    EXPECT_EQ(ModeOf(root / "help"), "0700");
    EXPECT_EQ(ModeOf(root / "ver.num"), "0600");
    EXPECT_EQ(ModeOf(root / "help" / "ft.hlp"), "0600");
}

// Each writer creating a file, in a private folder and in one shared with a group.
TEST(PrivateFiles, AWrittenFileIsTheOwnersPlusTheGroupAccessOfItsFolder) {
    OpenUmask umask;
    const std::pair<const char*, std::function<bool(const fs::path&)>> writers[] = {
        {"ReplaceFileAtomically", [](const fs::path& path) { return ReplaceFileAtomically(path, "x"); }},
        {"AtomicFileWriter",
         [](const fs::path& path) {
             AtomicFileWriter writer(path);
             return writer.Write("x") && writer.Commit();
         }},
        {"AppendToFile", [](const fs::path& path) { return AppendToFile(path, "x"); }},
    };
    const struct {
        unsigned folder;
        unsigned file;
    } cases[] = {{0700, 0600}, {02770, 0660}, {0777, 0660}};
    for (const auto& [name, write] : writers) {
        for (const auto& modes : cases) {
            SCOPED_TRACE(std::string(name) + " in a folder " + Octal(modes.folder));
            test::TempDir dir;
            auto folder = FolderWithMode(dir / "mappa", modes.folder);
            ASSERT_TRUE(write(folder / "jkv.qvl"));
            EXPECT_EQ(ModeOf(folder / "jkv.qvl"), Octal(modes.file));
        }
    }
}

TEST(PrivateFiles, AReplacedFileTakesTheNewModeAndAnAppendedOneKeepsItsOwn) {
    OpenUmask umask;
    test::TempDir dir;
    auto folder = FolderWithMode(dir / "mappa", 0700);
    for (const char* name : {"csere.txt", "hozzafuz.txt"}) {
        test::WriteBytes(folder / name, "régi");
        ::chmod((folder / name).c_str(), 0644);
    }
    ASSERT_TRUE(ReplaceFileAtomically(folder / "csere.txt", "új"));
    ASSERT_TRUE(AppendToFile(folder / "hozzafuz.txt", "új"));
    EXPECT_EQ(ModeOf(folder / "csere.txt"), "0600");
    EXPECT_EQ(ModeOf(folder / "hozzafuz.txt"), "0644") << "an existing file is never changed";
}

TEST(PrivateFiles, NewFoldersTakeTheGroupAccessOfTheFolderTheyAreMadeIn) {
    OpenUmask umask;
    test::TempDir dir;
    auto shared = FolderWithMode(dir / "shared", 02770);
    auto own = FolderWithMode(dir / "own", 0755);
    std::error_code error;
    ASSERT_TRUE(CreateFolders(shared / "html" / "jelol", error)) << error.message();
    EXPECT_EQ(ModeOf(shared / "html"), "2770");
    EXPECT_EQ(ModeOf(shared / "html" / "jelol"), "2770");
    ASSERT_TRUE(CreateFolders(own / "aktualis", error)) << error.message();
    EXPECT_EQ(ModeOf(own / "aktualis"), "0750");
    ASSERT_TRUE(CreateFolders(own, error)) << "an existing folder is there";
    EXPECT_EQ(ModeOf(own), "0755");

    test::WriteBytes(dir / "fajl", "");
    EXPECT_FALSE(CreateFolders(dir / "fajl", error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(CreateFolders(dir / "fajl" / "alatta", error));
    EXPECT_TRUE(error);
}

// Group read of 0755 is 0040 (its execute bit is no file's), and nothing of its "other" bits.
TEST(PrivateFiles, AnExistingRootKeepsItsModeAndWhatIsAddedTakesItsGroupRead) {
    OpenUmask umask;
    test::TempDir dir;
    auto shipped = dir / "shipped";
    test::WriteBytes(shipped / "help" / "ft.hlp", "súgó");
    auto root = FolderWithMode(dir / "quelva", 0755);

    ASSERT_TRUE(EnsureInstallTree(root, shipped));
    ASSERT_TRUE(ReplaceFileAtomically(root / "sum_stat.txt", "x"));
    ASSERT_TRUE(SeedInstallTree(shipped, root));
    EXPECT_EQ(ModeOf(root), "0755");
    EXPECT_EQ(ModeOf(root / "sum_stat.txt"), Octal(0600 | 0040));
    EXPECT_EQ(ModeOf(root / "help"), Octal(0700 | 0050));
    EXPECT_EQ(ModeOf(root / "help" / "ft.hlp"), Octal(0600 | 0040));
}

} // namespace
} // namespace quelvarin
