#include "platform/AtomicFile.h"

#include "platform/PrivateFiles.h"

// The one file of the product that consults the test seam of the writers.
#define QUELVARIN_FILE_WRITE_HOOK
#include "platform/FileWriteHook.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define QUELVARIN_POSIX_FILES 1
#endif

namespace quelvarin {
namespace fs = std::filesystem;

namespace {

// The test seam: none is installed outside the tests, and then every piece written pays one test
// of this pointer.
thread_local FileWriteHook* t_writeHook = nullptr;

// How many of `size` bytes for `target` may be written: all of them unless a test says otherwise.
std::size_t AllowedBytes(const fs::path& target, std::size_t size) {
    if (FileWriteHook* hook = t_writeHook) [[unlikely]] {
        return std::min(hook->Allow(target, size), size);
    }
    return size;
}

// The first `count` bytes into the file; fwrite may not be given the null data of an empty view.
std::size_t WritePart(std::FILE* file, std::string_view bytes, std::size_t count) {
    return count == 0 ? 0 : std::fwrite(bytes.data(), 1, count, file);
}

fs::path TemporaryNameBeside(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    // Appended piece by piece: GCC 12 at -O3 sees a false overlap in `"." + std::string&&`
    // (-Wrestrict), and one buffer is all the name needs anyway.
    std::string name = ".";
    name += path.filename().string();
    name += ".tmp-";
    name += std::to_string(stamp);
    name += '-';
    name += std::to_string(counter.fetch_add(1));
    return path.parent_path() / name;
}

#ifdef QUELVARIN_POSIX_FILES
// Creates a file that must not exist yet, for writing, with the mode NewFileMode gives it. Opened
// for its owner alone, it is never readable by others whatever the umask; a file system without
// modes refuses the fchmod, and the file stays at most 0600. -1 when it cannot be created.
int CreateNewFile(const fs::path& path, int flags) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | flags, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ::fchmod(fd, static_cast<mode_t>(NewFileMode(path)));
    }
    return fd;
}

bool WriteNewFile(const fs::path& temp, const fs::path& target, std::string_view bytes) {
    int fd = CreateNewFile(temp, 0);
    if (fd < 0) {
        return false;
    }
    const char* data = bytes.data();
    std::size_t allowed = AllowedBytes(target, bytes.size());
    std::size_t left = allowed;
    bool ok = true;
    while (left > 0) {
        auto written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    ok = ok && allowed == bytes.size();
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}
#else
bool WriteNewFile(const fs::path& temp, const fs::path& target, std::string_view bytes) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    std::size_t allowed = AllowedBytes(target, bytes.size());
    out.write(bytes.data(), static_cast<std::streamsize>(allowed));
    out.close();
    return static_cast<bool>(out) && allowed == bytes.size();
}
#endif

} // namespace

ScopedFileWriteHook::ScopedFileWriteHook(FileWriteHook& hook) : m_previous(t_writeHook) {
    t_writeHook = &hook;
}

ScopedFileWriteHook::~ScopedFileWriteHook() {
    t_writeHook = m_previous;
}

bool ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    auto target = path.has_parent_path() ? path : fs::path(".") / path;
    auto temp = TemporaryNameBeside(target);
    if (!WriteNewFile(temp, path, bytes)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    std::error_code error;
    fs::rename(temp, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

AtomicFileWriter::AtomicFileWriter(fs::path path) : m_path(std::move(path)) {
    auto target = m_path.has_parent_path() ? m_path : fs::path(".") / m_path;
    m_temp = TemporaryNameBeside(target);
#ifdef QUELVARIN_POSIX_FILES
    int fd = CreateNewFile(m_temp, 0);
    m_file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (fd >= 0 && !m_file) {
        ::close(fd);
        std::error_code ignored;
        fs::remove(m_temp, ignored);
    }
#else
    m_file = std::fopen(m_temp.string().c_str(), "wbx");
#endif
    m_failed = m_file == nullptr;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_file) {
        std::fclose(m_file);
        std::error_code ignored;
        fs::remove(m_temp, ignored);
    }
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    if (m_failed) {
        return false;
    }
    if (WritePart(m_file, bytes, AllowedBytes(m_path, bytes.size())) != bytes.size()) {
        m_failed = true;
    }
    return !m_failed;
}

bool AtomicFileWriter::Commit() {
    if (m_failed || !m_file) {
        return false;
    }
    bool ok = std::fflush(m_file) == 0;
#ifdef QUELVARIN_POSIX_FILES
    ok = ok && ::fsync(::fileno(m_file)) == 0;
#endif
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    std::error_code error;
    if (ok) {
        auto target = m_path.has_parent_path() ? m_path : fs::path(".") / m_path;
        fs::rename(m_temp, target, error);
    }
    if (!ok || error) {
        std::error_code ignored;
        fs::remove(m_temp, ignored);
        m_failed = true;
        return false;
    }
    return true;
}

bool AppendToFile(const fs::path& path, std::string_view bytes) {
#ifdef QUELVARIN_POSIX_FILES
    // A missing file is created with its exact mode; an existing one keeps the mode it has.
    int fd = CreateNewFile(path, O_APPEND);
    bool existed = fd < 0 && errno == EEXIST;
    if (existed) {
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "ab");
    if (!file) {
        if (fd >= 0) {
            ::close(fd);
            std::error_code ignored;
            if (!existed) {
                fs::remove(path, ignored);
            }
        }
        return false;
    }
#else
    std::error_code error;
    bool existed = fs::exists(path, error);
    std::FILE* file = std::fopen(path.string().c_str(), "ab");
    if (!file) {
        return false;
    }
#endif
    // Where the file ended: a failed append is cut back to it.
    long end = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
    bool ok = end >= 0 && WritePart(file, bytes, AllowedBytes(path, bytes.size())) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::error_code ignored;
        if (!existed) {
            fs::remove(path, ignored);
        } else if (end >= 0) {
            fs::resize_file(path, static_cast<std::uintmax_t>(end), ignored);
        }
    }
    return ok;
}

bool ReadFileInto(const fs::path& path, std::string& buffer) {
    buffer.clear();
#ifdef QUELVARIN_POSIX_FILES
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    constexpr std::size_t kChunk = 64 * 1024;
    bool ok = true;
    for (;;) {
        auto used = buffer.size();
        buffer.resize(used + kChunk);
        auto got = ::read(fd, buffer.data() + used, kChunk);
        if (got < 0) {
            if (errno == EINTR) {
                buffer.resize(used);
                continue;
            }
            ok = false;
            buffer.resize(used);
            break;
        }
        buffer.resize(used + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    ::close(fd);
    return ok;
#else
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return false;
    }
    buffer = std::move(*bytes);
    return true;
#endif
}

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace quelvarin
