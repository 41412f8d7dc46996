#pragma once

#include "model/Protocol.h"

#include <array>
#include <string>

namespace quelvarin {

struct ContentFigures {
    int rangeCount = 0;                  // "tart. körök sz.:"
    int sum = 0;                         // "összege:", all 52 contents
    double spread = 0;                   // "szóródása:", sum over the effective answers
    double humanPercent = 0;             // "M%:"  M + (M) + Md
    double animalPercent = 0;            // "T%:"  T + Td
    double objectPercent = 0;            // "Obj%:" Obj. + Jármű
    std::array<std::string, 5> frequent; // "  Anat.% : 12"; lines not filled are empty
    bool operator==(const ContentFigures&) const = default;
};

// Distinct content categories: M, (M), Md count once together, and so do T and Td.
int ContentRangeCount(const Protocol& protocol);
int ContentSum(const Protocol& protocol);
double HumanPercent(const Protocol& protocol);
double AnimalPercent(const Protocol& protocol);
double ObjectPercent(const Protocol& protocol);
// The other contents given in at least a tenth of the effective answers, at most five.
std::array<std::string, 5> FrequentContents(const Protocol& protocol);

ContentFigures ComputeContentFigures(const Protocol& protocol);

} // namespace quelvarin
