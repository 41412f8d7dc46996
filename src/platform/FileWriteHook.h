#pragma once

// A test seam of the writers in platform/AtomicFile.h: a hook, installed on one thread by a
// ScopedFileWriteHook object, that is asked before every piece of bytes those writers put into a
// file and may let fewer of them through; the writer then fails as on a full disk. Tests install
// one through tests/support/FailingWrites.h. Nothing else installs one (no setting, variable or
// file does), and outside the tests this header does not compile.
#ifndef QUELVARIN_FILE_WRITE_HOOK
#error "platform/FileWriteHook.h is a test seam: tests use support/FailingWrites.h"
#endif

#include <cstddef>
#include <filesystem>

namespace quelvarin {

class FileWriteHook {
public:
    virtual ~FileWriteHook() = default;
    // `size` bytes are about to be written for `target` (the file being replaced or appended
    // to): how many of them may be written. Fewer than `size` make the write fail after them.
    virtual std::size_t Allow(const std::filesystem::path& target, std::size_t size) = 0;
};

// Installs the hook on the calling thread for the object's lifetime; the one it replaced comes
// back afterwards.
class ScopedFileWriteHook {
public:
    explicit ScopedFileWriteHook(FileWriteHook& hook);
    ~ScopedFileWriteHook();
    ScopedFileWriteHook(const ScopedFileWriteHook&) = delete;
    ScopedFileWriteHook& operator=(const ScopedFileWriteHook&) = delete;

private:
    FileWriteHook* m_previous;
};

} // namespace quelvarin
