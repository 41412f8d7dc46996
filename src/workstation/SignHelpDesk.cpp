#include "workstation/SignHelpDesk.h"

#include "workstation/PsychogramView.h"

namespace quelvarin {

std::string SignHelpDesk::SignBoxHint(SignCode code) const {
    return quelvarin::SignBoxHint(m_session.CurrentProtocol(), code);
}

std::optional<HelpTexts> SignHelpDesk::PointAtSign(SignCode code) {
    return m_session.HoverHelp(code);
}

std::optional<HelpTexts> SignHelpDesk::ClickColumnEntry(SignColumn column, std::size_t index) {
    if (column == SignColumn::Frequencies || column == SignColumn::None) {
        return std::nullopt;
    }
    const auto& entries = m_session.Columns().Entries(column);
    if (index >= entries.size()) {
        return std::nullopt;
    }
    auto code = CodeOfName(entries[index]);
    if (code == 0) {
        return std::nullopt;
    }
    m_session.ShowHelp(code);
    return m_session.HelpTextsOf(code);
}

} // namespace quelvarin
