#pragma once

// Writes that fail after N bytes, for the tests of every file the system replaces or appends to.
// The writers of platform/AtomicFile.h (ReplaceFileAtomically, AtomicFileWriter, AppendToFile,
// and so WriteLineFile and everything built on them) ask the hook before each piece they write.
//
//     test::FailWritesAfter failing(10); // this thread's writes fail after 10 bytes in all
//     EXPECT_FALSE(WriteSomething(...));
//     EXPECT_TRUE(failing.Tripped());
//
// ExpectFailedWritesLeaveWholeFiles runs a write at every interesting N and checks the folder.
#define QUELVARIN_FILE_WRITE_HOOK
#include "platform/FileWriteHook.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace quelvarin::test {

// While it lives, the writers of this thread write `limit` bytes in all (counted over every file
// they write, or only over the targets `only` accepts) and then fail as on a full disk.
class FailWritesAfter : public FileWriteHook {
public:
    using TargetFilter = std::function<bool(const std::filesystem::path& target)>;
    explicit FailWritesAfter(std::size_t limit, TargetFilter only = {});

    std::size_t Allow(const std::filesystem::path& target, std::size_t size) override;

    bool Tripped() const { return m_tripped; }        // some write was cut short
    std::size_t Written() const { return m_written; } // bytes let through, of the counted targets
    const std::vector<std::filesystem::path>& Targets() const { return m_targets; } // in order

private:
    std::size_t m_left;
    TargetFilter m_only;
    bool m_tripped = false;
    std::size_t m_written = 0;
    std::vector<std::filesystem::path> m_targets;
    ScopedFileWriteHook m_installed{*this};
};

// Counts what the writers of this thread write while it lives, failing nothing.
class CountWrites : public FailWritesAfter {
public:
    explicit CountWrites(TargetFilter only = {})
        : FailWritesAfter(std::numeric_limits<std::size_t>::max(), std::move(only)) {}
};

// Every file under a folder (sub-folders included) by its path relative to it, with its bytes.
using FolderContents = std::map<std::string, std::string>;
FolderContents ContentsOf(const std::filesystem::path& folder);
// Puts the folder back to `contents`: other files removed, the listed ones rewritten.
void RestoreContents(const std::filesystem::path& folder, const FolderContents& contents);

// The byte counts at which a write of `total` bytes is made to fail: 0, 1, half of them and all
// but the last (each below `total`, none twice).
std::vector<std::size_t> FailurePoints(std::size_t total);

enum class AfterFailure {
    Unchanged,       // one file replaced or appended to: the folder stays exactly as it was
    EachFileOldOrNew // many files, each replaced on its own: each is whole, the old or the new
};

// Runs `write` (true when it reports success) once, counting its bytes, and keeps what it wrote
// as the new contents; then puts `folder` back and runs it again failing after each of the
// points `pointsOf` gives for that count. Each failed run must report failure and leave the
// folder as `after` says, with no temporary file; the successful run must change the folder.
// The folder is left as the successful run wrote it. The bytes that run wrote are returned.
using PointsOf = std::function<std::vector<std::size_t>(std::size_t total)>;
std::size_t ExpectFailedWritesLeaveWholeFiles(const std::filesystem::path& folder,
                                              const std::function<bool()>& write,
                                              AfterFailure after = AfterFailure::Unchanged,
                                              const PointsOf& pointsOf = FailurePoints);

} // namespace quelvarin::test
