#include "workstation/SignHelpDesk.h"

#include "workstation/Messages.h"
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

bool SignHelpDesk::StoreScoringHelp(const std::vector<std::string>& lines) {
    return StoreHelp(m_session.EditableHelpFiles().scoring, lines);
}

bool SignHelpDesk::StoreInterpretationHelp(const std::vector<std::string>& lines) {
    return StoreHelp(m_session.EditableHelpFiles().interpretation, lines);
}

bool SignHelpDesk::StoreHelp(HelpTextFile& file, const std::vector<std::string>& lines) {
    auto code = m_session.LastHelpCode();
    if (code >= HelpTextFile::kLineCount) {
        m_session.Notify().Message(messages::kNoHelpSignChosen);
        return false;
    }
    if (!file.Store(code, lines)) {
        m_session.Notify().Message(messages::CannotWrite(file.Path().string()));
        return false;
    }
    return true;
}

} // namespace quelvarin
