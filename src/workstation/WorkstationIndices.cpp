// The Workstation's operations for the indices the examiner codes or ticks: SZEI, the
// transference scale, the alcoholism and the supplementary-information check lists.
#include "scoring/AnswerCounts.h"
#include "workstation/Workstation.h"

namespace quelvarin {

bool Workstation::SetSzeiCode(std::string_view code) {
    if (!m_currentAnswer) {
        return false;
    }
    m_protocol.answer(*m_currentAnswer).szei = WithoutLineBreaks(std::string(code));
    return true;
}

bool Workstation::SetTransference(std::string_view text) {
    if (!m_currentAnswer) {
        return false;
    }
    m_protocol.answer(*m_currentAnswer).transference = WithoutLineBreaks(std::string(text));
    return true;
}

const alkohol::Checklist& Workstation::OpenAlcoholismChecklist() {
    BuildGlossary();
    m_alcoholism.Open(EffectiveAnswerCount(m_protocol));
    return m_alcoholism;
}

const kieginf::Ticks& Workstation::OpenSupplementaryChecks() {
    m_supplementaryChecks = kieginf::TicksFromFlags(m_protocol);
    return m_supplementaryChecks;
}

void Workstation::SetSupplementaryCheck(std::size_t item, bool ticked) {
    if (item >= m_supplementaryChecks.size()) {
        return;
    }
    m_supplementaryChecks[item] = ticked;
    kieginf::WriteFlags(m_protocol, m_supplementaryChecks);
}

std::optional<HelpTexts> Workstation::PointAtSupplementaryItem(std::size_t item) {
    if (item >= kieginf::kItemCount) {
        return std::nullopt;
    }
    return PointAtSign(kieginf::CodeOfItem(item));
}

std::optional<HelpTexts> Workstation::ClickSupplementaryItemForEditing(std::size_t item) {
    if (!m_helpEditMode || item >= kieginf::kItemCount) {
        return std::nullopt;
    }
    m_lastHelpCode = kieginf::CodeOfItem(item);
    return HelpTextsOf(m_lastHelpCode);
}

} // namespace quelvarin
