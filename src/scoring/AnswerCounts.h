#pragma once

#include "model/Protocol.h"

#include <array>

namespace quelvarin {

struct AnswerCounts {
    int total = 0;       // answers with a card ("Feleletszám")
    int early = 0;       // cards I..VII
    int late = 0;        // cards VIII..X
    int colourIndex = 0; // late as a whole percentage of total; 0 without answers
};

AnswerCounts ComputeAnswerCounts(const Protocol& protocol);

// CountAnswers: stores the counts in counters 397, 398, 399 and the colour index in 413;
// returns the number of answers with a card.
int CountAnswers(Protocol& protocol);

// For each card I..X the number of answers given to it.
std::array<int, kCardCount> CountAnswersPerCard(const Protocol& protocol);

} // namespace quelvarin
