#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quelvarin::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / std::string(name); }

private:
    std::filesystem::path m_path;
};

// Whole-file helpers for fixtures.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

} // namespace quelvarin::test
