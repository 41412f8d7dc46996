#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define QUELVARIN_POSIX_FILES 1
#endif

namespace quelvarin {
namespace fs = std::filesystem;

namespace {

fs::path TemporaryNameBeside(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto name = "." + path.filename().string() + ".tmp-" + std::to_string(stamp) + "-" +
                std::to_string(counter.fetch_add(1));
    return path.parent_path() / name;
}

#ifdef QUELVARIN_POSIX_FILES
bool WriteNewFile(const fs::path& temp, std::string_view bytes) {
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
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
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}
#else
bool WriteNewFile(const fs::path& temp, std::string_view bytes) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}
#endif

} // namespace

bool ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    auto target = path.has_parent_path() ? path : fs::path(".") / path;
    auto temp = TemporaryNameBeside(target);
    if (!WriteNewFile(temp, bytes)) {
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
