#pragma once

#include "platform/LineFile.h"
#include "platform/Notifier.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quelvarin {

// The text-file editor's lines: any Windows-1250 text file opened, edited line by line and
// saved back to where it came from, with the line ends it was read with. Rows are counted from
// 0; an operation on a row that is not there changes nothing and returns false, and so does
// every edit while no file is open.
class TextFileLines {
public:
    static constexpr std::string_view kNewRow = "új sor";

    // Reads the file and remembers its path. A file that cannot be read is reported and the
    // previous file and lines stay.
    bool Open(const std::filesystem::path& path, Notifier& notifier);
    bool HasFile() const { return !m_path.empty(); }
    const std::filesystem::path& Path() const { return m_path; }
    const Lines& Rows() const { return m_rows; }

    // Puts kNewRow before the row; Rows().size() adds it after the last row (so that an empty
    // file can get its first line).
    bool InsertBefore(std::size_t row);
    // The row's text in place of the row; a line break in it becomes a blank.
    bool Replace(std::size_t row, std::string_view text);
    bool Remove(std::size_t row);

    // Writes the rows back (Windows-1250, the file's own line ends), replacing the file
    // atomically. False without a file, and false, with the examiner told, when the file cannot
    // be written.
    bool Save(Notifier& notifier);
    // An edit since the file was opened or saved.
    bool Modified() const { return m_modified; }
    // Forgets the file and its lines.
    void Close() { *this = TextFileLines(); }

private:
    std::filesystem::path m_path;
    Lines m_rows;
    LineEnd m_lineEnd = LineEnd::CrLf;
    bool m_modified = false;
};

// The label that shows a clicked row: its index from 0 as text ("0", "12").
std::string RowIndexLabel(std::size_t row);

} // namespace quelvarin
