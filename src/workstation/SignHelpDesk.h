#pragma once

#include "workstation/Session.h"

#include <optional>
#include <string>
#include <vector>

namespace quelvarin {

// The scoring and interpretation help of the signs: shown as the mouse moves over the signs,
// edited and stored in HelpEditMode or from the help windows.
class SignHelpDesk {
public:
    explicit SignHelpDesk(Session& session) : m_session(session) {}

    const Session& State() const { return m_session; }

    // "súgófájlok javítása": clicks on signs show and edit their help instead of scoring.
    void SetHelpEditMode(bool on) { m_session.SetHelpEditMode(on); }

    // The hint of a sign box: " összesen " + counter + " ".
    std::string SignBoxHint(SignCode code) const;
    // The mouse over a sign: its texts are shown when it is another sign than the one shown
    // last (never in HelpEditMode, where clicks choose the sign).
    std::optional<HelpTexts> PointAtSign(SignCode code);
    // A click on an entry of SignColumn 1, 2, 3 or 5: the texts of the entry's sign.
    std::optional<HelpTexts> ClickColumnEntry(SignColumn column, std::size_t index);
    // The mouse over an empty part of a page: the help windows are emptied and the next hover
    // loads its sign again.
    void ForgetShownHelp() { m_session.ClearHelp(); }
    HelpTexts HelpTextsOf(SignCode code) const { return m_session.HelpTextsOf(code); }
    // "&mentés" of the help windows: stores the lines as the help of the code shown last.
    bool StoreScoringHelp(const std::vector<std::string>& lines) {
        return StoreHelp(HelpFile::Scoring, lines);
    }
    bool StoreInterpretationHelp(const std::vector<std::string>& lines) {
        return StoreHelp(HelpFile::Interpretation, lines);
    }
    bool StoreHelp(HelpFile file, const std::vector<std::string>& lines) {
        return m_session.StoreHelp(file, lines);
    }
    // The text of a help window as the examiner edits it. Before another sign's help is shown
    // (or the windows are emptied) an edit not yet stored is stored if the examiner says so.
    void EditHelp(HelpFile file, std::vector<std::string> lines) {
        m_session.EditHelp(file, std::move(lines));
    }

private:
    Session& m_session;
};

} // namespace quelvarin
