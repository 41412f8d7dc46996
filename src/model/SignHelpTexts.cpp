#include "model/SignHelpTexts.h"

#include "model/StarredText.h"

namespace quelvarin {

bool HelpTextFile::Read() {
    auto lines = ReadLineFile(m_path);
    m_lines = lines ? std::move(*lines) : Lines{};
    return lines.has_value();
}

void HelpTextFile::SetContent(std::string_view text) {
    m_lines = SplitLines(text);
}

std::vector<std::string> HelpTextFile::Text(SignCode code) const {
    if (code >= m_lines.size()) {
        return {};
    }
    return SplitStarred(m_lines[code]);
}

bool HelpTextFile::Store(SignCode code, const std::vector<std::string>& lines) {
    if (code >= kLineCount || m_path.empty()) {
        return false;
    }
    Lines updated = m_lines;
    if (updated.size() < kLineCount) {
        updated.resize(kLineCount);
    }
    updated[code] = WithoutLineBreaks(JoinStarred(lines));
    if (!WriteLineFile(m_path, updated)) {
        return false;
    }
    m_lines = std::move(updated);
    return true;
}

} // namespace quelvarin
