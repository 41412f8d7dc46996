#include "workstation/IndicesDesk.h"

#include "model/EducationLevels.h"
#include "platform/LineFile.h"
#include "scoring/AnswerCounts.h"

namespace quelvarin {

IndicesDesk::IndicesDesk(Session& session) : m_session(session) {
    m_session.AddObserver(*this);
}

IndicesDesk::~IndicesDesk() {
    m_session.RemoveObserver(*this);
}

void IndicesDesk::ProtocolReplaced(ProtocolSource source) {
    // A new protocol's flags are all 0; a check list still showing the previous subject's
    // ticks would write them into the new protocol at the next tick change. A loaded one
    // sets the list from its flags.
    m_supplementaryChecks = source == ProtocolSource::New
                                ? kieginf::Ticks{}
                                : kieginf::TicksAfterLoad(m_session.CurrentProtocol());
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
    SetNeigerTicks(ticks);
}

void IndicesDesk::SetNeigerTicks(const std::array<bool, kNeigerVulgarCount>& ticks) {
    if (m_session.CurrentProtocol().neigerVulgars == ticks) {
        return;
    }
    m_session.EditProtocol().neigerVulgars = ticks;
    m_session.Changed();
    TellChecksChanged();
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
