#include "workstation/SignColumns.h"

namespace quelvarin {

void SignColumns::Clear() {
    for (auto& column : m_entries) {
        column.clear();
    }
}

void SignColumns::Rebuild(const Answer& answer) {
    Clear();
    for (auto code : answer.slots) {
        if (code == 0) {
            continue;
        }
        auto column = ColumnOfSlot(code);
        if (Valid(column)) {
            m_entries[Index(column)].emplace_back(ColumnNameOfCode(code));
        }
    }
}

void SignColumns::Append(SignColumn column, std::string name) {
    if (Valid(column)) {
        m_entries[Index(column)].push_back(std::move(name));
    }
}

std::optional<std::string> SignColumns::Take(SignColumn column, std::size_t index) {
    if (!Valid(column) || index >= m_entries[Index(column)].size()) {
        return std::nullopt;
    }
    auto& entries = m_entries[Index(column)];
    std::string name = std::move(entries[index]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return name;
}

const std::vector<std::string>& SignColumns::Entries(SignColumn column) const {
    static const std::vector<std::string> kNone;
    return Valid(column) ? m_entries[Index(column)] : kNone;
}

} // namespace quelvarin
