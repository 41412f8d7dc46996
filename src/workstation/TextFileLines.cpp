#include "workstation/TextFileLines.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "platform/NumberFormat.h"
#include "workstation/Messages.h"

namespace quelvarin {

bool TextFileLines::Open(const std::filesystem::path& path, Notifier& notifier) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        notifier.Warning(messages::CannotRead(path.string()));
        return false;
    }
    m_path = path;
    m_rows = SplitLines(DecodeCp1250(*bytes));
    m_lineEnd = LineEndOf(*bytes);
    m_modified = false;
    return true;
}

bool TextFileLines::InsertBefore(std::size_t row) {
    if (!HasFile() || row > m_rows.size()) {
        return false;
    }
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), std::string(kNewRow));
    m_modified = true;
    return true;
}

bool TextFileLines::Replace(std::size_t row, std::string_view text) {
    if (!HasFile() || row >= m_rows.size()) {
        return false;
    }
    auto line = WithoutLineBreaks(std::string(text));
    if (m_rows[row] != line) {
        m_rows[row] = std::move(line);
        m_modified = true;
    }
    return true;
}

bool TextFileLines::Remove(std::size_t row) {
    if (!HasFile() || row >= m_rows.size()) {
        return false;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    m_modified = true;
    return true;
}

bool TextFileLines::Save(Notifier& notifier) {
    if (!HasFile()) {
        return false;
    }
    if (!WriteLineFile(m_path, m_rows, m_lineEnd)) {
        notifier.Warning(messages::CannotWrite(m_path.string()));
        return false;
    }
    m_modified = false;
    return true;
}

std::string RowIndexLabel(std::size_t row) {
    return FormatInteger(static_cast<long long>(row));
}

} // namespace quelvarin
