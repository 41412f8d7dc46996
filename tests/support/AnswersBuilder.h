#pragma once

#include "model/Protocol.h"
#include "model/SymbolCatalogue.h"
#include "scoring/AnswerCounts.h"

#include <string>
#include <utility>
#include <vector>

namespace quelvarin::test {

struct ScoredAnswer {
    int card;
    std::vector<SignCode> signs;
};

// A protocol whose answers hold the given signs and whose counters agree with them, as the
// sign entry keeps them (a sub-variant counts for its parent).
inline Protocol WithAnswers(const std::vector<ScoredAnswer>& answers, const std::string& sex = "férfi") {
    Protocol protocol;
    ResetToNewProtocol(protocol, "2026.12.10.");
    protocol.personal.sex = sex;
    int n = 1;
    for (const auto& scored : answers) {
        auto& answer = protocol.answer(n++);
        answer.card = static_cast<std::uint8_t>(scored.card);
        for (std::size_t i = 0; i < scored.signs.size(); ++i) {
            answer.slots[i] = scored.signs[i];
            auto counted = ParentOfCode(scored.signs[i]);
            protocol.counts.Set(counted, static_cast<std::uint8_t>(protocol.counts[counted] + 1));
        }
    }
    CountAnswers(protocol);
    return protocol;
}

// A list of answers written inline, to be joined with Repeated(...) by +.
inline std::vector<ScoredAnswer> Answers(std::initializer_list<ScoredAnswer> answers) {
    return answers;
}

// `count` answers on card 1 holding one sign each.
inline std::vector<ScoredAnswer> Repeated(int count, SignCode sign, int card = 1) {
    return std::vector<ScoredAnswer>(static_cast<std::size_t>(count), ScoredAnswer{card, {sign}});
}

inline std::vector<ScoredAnswer> operator+(std::vector<ScoredAnswer> a, const std::vector<ScoredAnswer>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace quelvarin::test
