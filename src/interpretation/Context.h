#pragma once

#include "model/Protocol.h"
#include "scoring/Apprehension.h"
#include "scoring/Typologies.h"

#include <string>

namespace quelvarin::interpretation {

// What the section writers read, taken from the Protocol once at the start of a run, with
// the shared tests the writers decide their blocks by. An answer here is any of the 90 answer
// records, with its card and its 30 sign slots.
class Context {
public:
    explicit Context(const Protocol& protocol);

    const Protocol& Source() const { return m_protocol; }
    int EffectiveAnswers() const { return m_effectiveAnswers; }
    double FormPlusPercent1() const { return m_typologies.formPlusPercent1; }
    double FormPlusPercent2() const { return m_typologies.formPlusPercent2; }
    const Typologies& TypologyFigures() const { return m_typologies; }
    // The apprehension formula as rebuilt at the start of the run.
    const ApprehensionFigures& Apprehension() const { return m_apprehension; }
    int ContentRangeCount() const { return m_contentRangeCount; }
    int Count(SignCode code) const { return m_protocol.counts[code]; }
    // "nő" is female; every other value, the default "férfi" included, male.
    bool Female() const { return m_protocol.personal.sex == "nő"; }

    // presence: for a code above 999, whether some slot holds it; otherwise false when the
    // sign is counted fewer than k times, true for card 0, else whether the answers to that
    // card hold it at least k times.
    bool Presence(SignCode code, int card = 0, int k = 1) const;
    // " (2/23)": the sign's count over the answers with a card (counter 397).
    std::string CountSuffix(SignCode code) const;
    // One and the same answer holds both (all three) codes.
    bool Together(SignCode a, SignCode b) const;
    bool Together3(SignCode a, SignCode b, SignCode c) const;
    bool AnswerCarriesBoth(int answer, SignCode a, SignCode b) const;
    bool CountBetween(SignCode code, int low, int high) const;
    // The sign's percentage of the effective answers; 0 without them.
    double Share(SignCode code) const;
    bool ShareInRange(SignCode code, double low, double high) const;
    // Whether the sign is above its usual upper limit for the protocol's size (see NormTable).
    bool NormTest(SignCode code) const;

private:
    bool Holds(const Answer& answer, SignCode code) const;

    const Protocol& m_protocol;
    int m_effectiveAnswers;
    Typologies m_typologies;
    ApprehensionFigures m_apprehension;
    int m_contentRangeCount;
};

} // namespace quelvarin::interpretation
