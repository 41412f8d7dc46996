#include "interpretation/Context.h"

#include "interpretation/NormTable.h"
#include "scoring/AnswerCounts.h"
#include "scoring/ContentFigures.h"

#include <algorithm>

namespace quelvarin::interpretation {

Context::Context(const Protocol& protocol)
    : m_protocol(protocol), m_effectiveAnswers(EffectiveAnswerCount(protocol)),
      m_typologies(ComputeTypologies(protocol)), m_apprehension(BuildApprehensionFormula(protocol)),
      m_contentRangeCount(quelvarin::ContentRangeCount(protocol)) {}

bool Context::Holds(const Answer& answer, SignCode code) const {
    return std::find(answer.slots.begin(), answer.slots.end(), code) != answer.slots.end();
}

bool Context::Presence(SignCode code, int card, int k) const {
    if (code > 999) {
        return std::any_of(m_protocol.answers.begin(), m_protocol.answers.end(),
                           [&](const Answer& answer) { return Holds(answer, code); });
    }
    if (Count(code) < k) {
        return false;
    }
    if (card == 0) {
        return true;
    }
    int found = 0;
    for (const auto& answer : m_protocol.answers) {
        if (answer.card == card) {
            found += static_cast<int>(std::count(answer.slots.begin(), answer.slots.end(), code));
        }
    }
    return found >= k;
}

std::string Context::CountSuffix(SignCode code) const {
    return " (" + std::to_string(Count(code)) + "/" + std::to_string(Count(codes::kAnswerCount)) + ")";
}

bool Context::Together(SignCode a, SignCode b) const {
    return std::any_of(m_protocol.answers.begin(), m_protocol.answers.end(),
                       [&](const Answer& answer) { return Holds(answer, a) && Holds(answer, b); });
}

bool Context::Together3(SignCode a, SignCode b, SignCode c) const {
    return std::any_of(m_protocol.answers.begin(), m_protocol.answers.end(), [&](const Answer& answer) {
        return Holds(answer, a) && Holds(answer, b) && Holds(answer, c);
    });
}

bool Context::AnswerCarriesBoth(int answer, SignCode a, SignCode b) const {
    if (!IsAnswerNumber(answer)) {
        return false;
    }
    const auto& record = m_protocol.answer(answer);
    return Holds(record, a) && Holds(record, b);
}

bool Context::CountBetween(SignCode code, int low, int high) const {
    return Count(code) >= low && Count(code) <= high;
}

double Context::Share(SignCode code) const {
    return m_effectiveAnswers == 0 ? 0 : Count(code) * 100.0 / m_effectiveAnswers;
}

bool Context::ShareInRange(SignCode code, double low, double high) const {
    if (m_effectiveAnswers == 0) {
        return false;
    }
    double share = Share(code);
    return share >= low && share <= high;
}

bool Context::NormTest(SignCode code) const {
    auto band = norms::BandOf(m_effectiveAnswers);
    const auto* norm = norms::Find(code);
    if (!band || !norm) {
        return false;
    }
    int upper = norm->bands[static_cast<std::size_t>(*band)].upper;
    return norm->kind == norms::Kind::Share ? Share(code) > upper : Count(code) > upper;
}

} // namespace quelvarin::interpretation
