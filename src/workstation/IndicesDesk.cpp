#include "workstation/IndicesDesk.h"

#include "model/EducationLevels.h"
#include "platform/LineFile.h"
#include "scoring/AnswerCounts.h"
#include "workstation/MainWindowTexts.h"
#include "workstation/Messages.h"

namespace quelvarin {

IndicesDesk::IndicesDesk(Session& session) : m_session(session) {
    m_session.AddObserver(*this);
}

IndicesDesk::~IndicesDesk() {
    m_session.RemoveObserver(*this);
}

void IndicesDesk::ProtocolReplaced(ProtocolSource source) {
    // "kiindulási állapot" returns the new protocol's own Neiger rows, never the previous one's.
    m_neigerInitial = m_session.CurrentProtocol().neigerVulgars;
    m_neigerAtInitial = true;
    // A new protocol's flags are all 0; a check list still showing the previous subject's
    // ticks would write them into the new protocol at the next tick change. A loaded one
    // sets the list from its flags.
    m_supplementaryChecks = source == ProtocolSource::New
                                ? kieginf::Ticks{}
                                : kieginf::TicksAfterLoad(m_session.CurrentProtocol());
    // A coding window asked for before belonged to the protocol replaced.
    m_szeiRequest.reset();
}

void IndicesDesk::TellChecksChanged() {
    m_session.Tell([](SessionObserver& o) { o.ChecksChanged(); });
}

// --- Neiger -------------------------------------------------------------------------------

void IndicesDesk::SetNeigerTick(std::size_t row, bool ticked) {
    if (row >= kNeigerVulgarCount) {
        return;
    }
    auto ticks = m_session.CurrentProtocol().neigerVulgars;
    ticks[row] = ticked;
    WriteNeigerTicks(ticks, false);
}

void IndicesDesk::OpenNeiger() {
    m_neigerInitial = m_session.CurrentProtocol().neigerVulgars;
    WriteNeigerTicks(m_neigerInitial, true);
}

void IndicesDesk::RestoreNeigerTicks() {
    WriteNeigerTicks(m_neigerInitial, true);
}

void IndicesDesk::WriteNeigerTicks(const NeigerTicks& ticks, bool atInitialState) {
    bool ticksChanged = m_session.CurrentProtocol().neigerVulgars != ticks;
    if (ticksChanged) {
        m_session.EditProtocol().neigerVulgars = ticks;
        m_session.Changed();
    }
    if (ticksChanged || m_neigerAtInitial != atInitialState) {
        m_neigerAtInitial = atInitialState;
        TellChecksChanged();
    }
}

bool IndicesDesk::SetSchoolLevel(int index) {
    if (index < 0 || index >= static_cast<int>(kEducationLevels.size())) {
        return false;
    }
    auto& education = m_session.EditProtocol().personal.education;
    auto level = kEducationLevels[static_cast<std::size_t>(index)];
    if (education != level) {
        education = std::string(level);
        m_session.Changed();
        m_session.Tell([](SessionObserver& o) { o.PersonalDataChanged(); });
    }
    return true;
}

// --- SZEI and transference ----------------------------------------------------------------

bool IndicesDesk::SetAnswerText(std::string Answer::*field, std::string_view text) {
    auto current = m_session.CurrentAnswer();
    if (!current) {
        return false;
    }
    auto value = WithoutLineBreaks(std::string(text));
    auto& stored = m_session.EditProtocol().answer(*current).*field;
    if (stored != value) {
        stored = std::move(value);
        m_session.Changed();
        int answer = *current;
        m_session.Tell([answer](SessionObserver& o) { o.AnswerChanged(answer); });
    }
    return true;
}

bool IndicesDesk::SetSzeiCode(std::string_view code) {
    return SetAnswerText(&Answer::szei, code);
}

bool IndicesDesk::SetTransference(std::string_view text) {
    return SetAnswerText(&Answer::transference, text);
}

// --- The SZEI coding window -----------------------------------------------------------------

void IndicesDesk::TellSzeiCodingChanged() {
    m_session.Tell([](SessionObserver& o) { o.SzeiCodingChanged(); });
}

void IndicesDesk::ClickSzeiRow(int answer) {
    if (!IsAnswerNumber(answer)) {
        return;
    }
    m_session.Select(answer, CardChoice::Offer);
    if (m_szeiCoding.ClickRow(m_session.CurrentProtocol().answer(answer).szei)) {
        m_szeiRequest = WindowOpening::Modal;
    }
    TellSzeiCodingChanged();
}

void IndicesDesk::OpenSzeiRow(int answer) {
    if (!IsAnswerNumber(answer)) {
        return;
    }
    m_session.Select(answer, CardChoice::Offer);
    m_szeiCoding.ClickRow(m_session.CurrentProtocol().answer(answer).szei);
    m_szeiRequest = WindowOpening::Modeless;
    TellSzeiCodingChanged();
}

void IndicesDesk::ShowSzeiCategory(int tab) {
    m_szeiCoding.ShowCategory(tab);
    m_szeiRequest = WindowOpening::Modal;
    TellSzeiCodingChanged();
}

void IndicesDesk::ChooseSzeiTab(std::optional<int> tab) {
    if (m_szeiCoding.ChooseTab(tab)) {
        TellSzeiCodingChanged();
    }
}

bool IndicesDesk::MarkSzei() {
    if (!m_szeiCoding.CanMark()) {
        return false;
    }
    if (!m_session.CurrentAnswer()) {
        m_session.Notify().Message(messages::kNoAnswerSelected);
        return false;
    }
    return SetSzeiCode(m_szeiCoding.Tabs().Code());
}

std::optional<WindowOpening> IndicesDesk::SzeiWindowRequested() const {
    // The card choice comes first: the coding window waits until it is closed.
    return m_session.CardChoiceWanted() ? std::nullopt : m_szeiRequest;
}

void IndicesDesk::CardChoiceChanged() {
    if (m_szeiRequest && !m_session.CardChoiceWanted()) {
        TellSzeiCodingChanged();
    }
}

// --- The transference coding window ---------------------------------------------------------

bool IndicesDesk::MarkTransference() {
    auto heading = m_transferenceCoding.Code();
    if (heading.empty()) {
        return false;
    }
    auto current = m_session.CurrentAnswer();
    if (!current) {
        m_session.Notify().Message(messages::kNoAnswerSelected);
        return false;
    }
    bool newHint = m_transferenceMarked != heading;
    m_transferenceMarked = heading;
    bool newCode = m_session.CurrentProtocol().answer(*current).transference != heading;
    SetTransference(heading);
    if (newHint && !newCode) {
        // The code was there already: the field still takes the heading as its hint.
        int answer = *current;
        m_session.Tell([answer](SessionObserver& o) { o.AnswerChanged(answer); });
    }
    return true;
}

std::string_view IndicesDesk::TransferenceFieldHint() const {
    return m_transferenceMarked.value_or(window_texts::kTransferenceHint);
}

// --- Alcoholism ---------------------------------------------------------------------------

const alkohol::Checklist& IndicesDesk::OpenAlcoholismChecklist() {
    m_session.Refresh({RefreshStep::AnswerCounts});
    m_alcoholism.Open(EffectiveAnswerCount(m_session.CurrentProtocol()));
    return m_alcoholism;
}

void IndicesDesk::SetAlcoholismTick(int item, bool ticked) {
    m_alcoholism.SetTick(item, ticked);
    TellChecksChanged();
}

void IndicesDesk::SetAlcoholismShortProtocolTick(bool ticked) {
    m_alcoholism.SetShortProtocolTick(ticked);
    TellChecksChanged();
}

// --- Supplementary information ------------------------------------------------------------

const kieginf::Ticks& IndicesDesk::OpenSupplementaryChecks() {
    m_supplementaryChecks = kieginf::TicksFromFlags(m_session.CurrentProtocol());
    return m_supplementaryChecks;
}

void IndicesDesk::SetSupplementaryCheck(std::size_t item, bool ticked) {
    if (item >= m_supplementaryChecks.size()) {
        return;
    }
    m_supplementaryChecks[item] = ticked;
    auto before = m_session.CurrentProtocol().counts;
    kieginf::WriteFlags(m_session.EditProtocol(), m_supplementaryChecks);
    if (m_session.CurrentProtocol().counts != before) {
        m_session.Changed();
    }
    TellChecksChanged();
}

std::optional<HelpTexts> IndicesDesk::PointAtSupplementaryItem(std::size_t item) {
    if (item >= kieginf::kItemCount) {
        return std::nullopt;
    }
    return m_session.HoverHelp(kieginf::CodeOfItem(item));
}

std::optional<HelpTexts> IndicesDesk::ClickSupplementaryItemForEditing(std::size_t item) {
    if (!m_session.HelpEditMode() || item >= kieginf::kItemCount) {
        return std::nullopt;
    }
    auto code = kieginf::CodeOfItem(item);
    m_session.ShowHelp(code);
    return m_session.HelpTextsOf(code);
}

} // namespace quelvarin
