#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so that a failed write leaves the previous file as it was. The folder must exist.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// A file written piece by piece into a temporary file beside it and put in its place by
// Commit, so that a long export holds no more than a piece in memory and a failed one leaves
// the previous file. Without Commit the temporary file is removed.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Write(std::string_view bytes);
    bool Commit();
    bool Failed() const { return m_failed; }

private:
    std::filesystem::path m_path;
    std::filesystem::path m_temp;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

// Appends the bytes to the file, creating it when missing. False when it cannot be written; a
// failed append is cut back to where the file ended (a file it created is removed), so that no
// half-written line stays behind.
bool AppendToFile(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read (missing, a folder, no permission).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
// The same into a buffer the caller keeps, for batches reading many files.
bool ReadFileInto(const std::filesystem::path& path, std::string& buffer);

} // namespace quelvarin
