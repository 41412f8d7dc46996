#pragma once

#include "model/SignCode.h"
#include "platform/LineFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// One help file of the signs: line k holds the help text of code k, its lines each followed by
// "*". A missing or short file reads as empty lines.
class HelpTextFile {
public:
    static constexpr std::size_t kLineCount = 498; // codes 0..497

    HelpTextFile() = default;
    explicit HelpTextFile(std::filesystem::path path) : m_path(std::move(path)) {}

    // Reads the file; a missing file leaves no lines (every text empty). False when missing.
    bool Read();
    // The file's lines from already decoded text (what Read does after reading the file).
    void SetContent(std::string_view text);

    // The lines of code's text, split at every "*" (the text after the last "*" dropped).
    std::vector<std::string> Text(SignCode code) const;
    // Stores the lines as code's text and rewrites the whole file atomically, first extending
    // it to 498 lines. False, with the file and the stored lines unchanged, when the code has
    // no help line or the file cannot be written.
    bool Store(SignCode code, const std::vector<std::string>& lines);

    const std::filesystem::path& Path() const { return m_path; }
    const Lines& RawLines() const { return m_lines; }

private:
    std::filesystem::path m_path;
    Lines m_lines;
};

// The scoring help (jelol.dbf) and the interpretation help (ert.dbf), read once at start.
struct SignHelpTexts {
    HelpTextFile scoring;
    HelpTextFile interpretation;
};

} // namespace quelvarin
