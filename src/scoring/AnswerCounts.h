#pragma once

#include "model/Protocol.h"

#include <array>
#include <string>

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

// The base of every percentage: the answers with a card minus the "Versagen" (card refusal)
// signs. Never below 0: more refusals than answers leave no effective answer.
int EffectiveAnswerCount(const Protocol& protocol);

// The hint of the "Feleletszám:" box, rebuilt whenever the mouse comes over it.
std::string AnswerCountHint(const Protocol& protocol);

// The examination sheet's colour index: answers on cards VIII..X as a whole percentage of
// the effective answers (the main window's box, counter 413, takes all answers as its base).
int ColourIndex(const Protocol& protocol);

// For each card I..X the number of answers given to it.
std::array<int, kCardCount> CountAnswersPerCard(const Protocol& protocol);

} // namespace quelvarin
