#include "scoring/AnswerCounts.h"

#include "platform/Rounding.h"

namespace quelvarin {

AnswerCounts ComputeAnswerCounts(const Protocol& protocol) {
    AnswerCounts counts;
    for (const auto& answer : protocol.answers) {
        if (answer.card == 0) {
            continue;
        }
        ++counts.total;
        if (answer.card <= 7) {
            ++counts.early;
        } else if (answer.card <= kCardCount) {
            ++counts.late;
        }
    }
    counts.colourIndex = static_cast<int>(RoundedPercent(counts.late, counts.total));
    return counts;
}

int CountAnswers(Protocol& protocol) {
    auto counts = ComputeAnswerCounts(protocol);
    protocol.counts.Set(codes::kAnswerCount, static_cast<std::uint8_t>(counts.total));
    protocol.counts.Set(codes::kAnswersEarly, static_cast<std::uint8_t>(counts.early));
    protocol.counts.Set(codes::kAnswersLate, static_cast<std::uint8_t>(counts.late));
    protocol.counts.Set(codes::kColourIndex, static_cast<std::uint8_t>(counts.colourIndex));
    return counts.total;
}

int EffectiveAnswerCount(const Protocol& protocol) {
    int effective = ComputeAnswerCounts(protocol).total - protocol.counts[codes::kVersagen];
    return effective > 0 ? effective : 0;
}

std::string AnswerCountHint(const Protocol& protocol) {
    return "A mutatók kiszámításánál a \"Versagen\"-nel jelölt kérdések\r\n"
           " nem számítanak bele ebbe a számba. \r\n"
           "Versagenek száma: " +
           std::to_string(protocol.counts[codes::kVersagen]);
}

int ColourIndex(const Protocol& protocol) {
    return static_cast<int>(
        RoundedPercent(ComputeAnswerCounts(protocol).late, EffectiveAnswerCount(protocol)));
}

std::array<int, kCardCount> CountAnswersPerCard(const Protocol& protocol) {
    std::array<int, kCardCount> perCard{};
    for (const auto& answer : protocol.answers) {
        if (IsCard(answer.card)) {
            ++perCard[static_cast<std::size_t>(answer.card - 1)];
        }
    }
    return perCard;
}

} // namespace quelvarin
