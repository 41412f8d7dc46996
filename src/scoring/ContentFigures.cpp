#include "scoring/ContentFigures.h"

#include "model/SignNames.h"
#include "model/SymbolCatalogue.h"
#include "platform/NumberFormat.h"
#include "platform/Rounding.h"
#include "scoring/AnswerCounts.h"

#include <algorithm>
#include <initializer_list>

namespace quelvarin {
namespace {

// Contents that have figures of their own and are not listed among the frequent ones.
constexpr std::array<SignCode, 7> kNotFrequent = {Sign("M"),  Sign("T"),    Sign("(M)"),  Sign("Td"),
                                                  Sign("Md"), Sign("Obj."), Sign("Jármű")};

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
        if (code == Sign("M") || code == Sign("(M)") || code == Sign("Md")) {
            if (human) {
                continue;
            }
            human = true;
        } else if (code == Sign("T") || code == Sign("Td")) {
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
    return PercentOfEffective(protocol, {Sign("M"), Sign("(M)"), Sign("Md")});
}
double AnimalPercent(const Protocol& protocol) {
    return PercentOfEffective(protocol, {Sign("T"), Sign("Td")});
}
double ObjectPercent(const Protocol& protocol) {
    return PercentOfEffective(protocol, {Sign("Obj."), Sign("Jármű")});
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
