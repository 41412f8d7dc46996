#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace quelvarin::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = fs::temp_directory_path() / ("quelvarin-test-" + std::to_string(::getpid()) + "-" +
                                          std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write fixture " + path.string());
    }
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace quelvarin::test
