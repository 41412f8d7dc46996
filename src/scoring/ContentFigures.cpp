#include "scoring/ContentFigures.h"

#include "model/SymbolCatalogue.h"
#include "platform/NumberFormat.h"
#include "platform/Rounding.h"
#include "scoring/AnswerCounts.h"

#include <algorithm>
#include <initializer_list>

namespace quelvarin {
namespace {

constexpr SignCode kM = 345, kT = 346, kObj = 348, kMParen = 358, kTd = 359, kMd = 371, kJarmu = 374;

// Contents that have figures of their own and are not listed among the frequent ones.
constexpr std::array<SignCode, 7> kNotFrequent = {kM, kT, kMParen, kTd, kMd, kObj, kJarmu};

double PercentOfEffective(const Protocol& protocol, std::initializer_list<SignCode> signs) {
    int effective = EffectiveAnswerCount(protocol);
    if (effective == 0) {
        return 0;
    }
    int total = 0;
    for (auto code : signs) {
        total += protocol.counts[code];
    }
    return total * 100.0 / effective;
}

} // namespace

int ContentRangeCount(const Protocol& protocol) {
    int categories = 0;
    bool human = false;  // M, (M), Md: whichever comes first counts
    bool animal = false; // T, Td: Td only when T is zero
    for (SignCode code = codes::kFirstContent; code <= codes::kLastContent; ++code) {
        if (protocol.counts[code] == 0) {
            continue;
        }
        if (code == kM || code == kMParen || code == kMd) {
            if (human) {
                continue;
            }
            human = true;
        } else if (code == kT || code == kTd) {
            if (animal) {
                continue;
            }
            animal = true;
        }
        ++categories;
    }
    return categories;
}

int ContentSum(const Protocol& protocol) {
    int sum = 0;
    for (SignCode code = codes::kFirstContent; code <= codes::kLastContent; ++code) {
        sum += protocol.counts[code];
    }
    return sum % 65536;
}

double HumanPercent(const Protocol& protocol) {
    return PercentOfEffective(protocol, {kM, kMParen, kMd});
}
double AnimalPercent(const Protocol& protocol) {
    return PercentOfEffective(protocol, {kT, kTd});
}
double ObjectPercent(const Protocol& protocol) {
    return PercentOfEffective(protocol, {kObj, kJarmu});
}

std::array<std::string, 5> FrequentContents(const Protocol& protocol) {
    std::array<std::string, 5> lines;
    int effective = EffectiveAnswerCount(protocol);
    if (effective == 0) {
        return lines;
    }
    std::size_t filled = 0;
    for (SignCode code = codes::kFirstContent; code <= codes::kLastContent && filled < lines.size(); ++code) {
        if (std::find(kNotFrequent.begin(), kNotFrequent.end(), code) != kNotFrequent.end()) {
            continue;
        }
        int tally = protocol.counts[code];
        if (tally * 10 < effective) { // below a tenth of the answers
            continue;
        }
        lines[filled++] = "  " + std::string(NameOfCode(code)) +
                          "% : " + FormatInteger(RoundedPercent(tally, effective), 2);
    }
    return lines;
}

ContentFigures ComputeContentFigures(const Protocol& protocol) {
    ContentFigures figures;
    figures.frequent = FrequentContents(protocol);
    figures.rangeCount = ContentRangeCount(protocol);
    figures.sum = ContentSum(protocol);
    int effective = EffectiveAnswerCount(protocol);
    figures.spread = effective == 0 ? 0 : static_cast<double>(figures.sum) / effective;
    figures.humanPercent = HumanPercent(protocol);
    figures.animalPercent = AnimalPercent(protocol);
    figures.objectPercent = ObjectPercent(protocol);
    return figures;
}

} // namespace quelvarin
