#include "scoring/FrequencyPercents.h"

#include "platform/Rounding.h"
#include "scoring/AnswerCounts.h"

namespace quelvarin {
namespace {

// The three signs from `first` on as a whole percentage of the effective answers.
int PercentOf(const Protocol& protocol, SignCode first) {
    int total = protocol.counts[first] + protocol.counts[static_cast<SignCode>(first + 1)] +
                protocol.counts[static_cast<SignCode>(first + 2)];
    return static_cast<int>(RoundedPercent(total, EffectiveAnswerCount(protocol)));
}

} // namespace

int VulgarPercent(const Protocol& protocol) {
    return PercentOf(protocol, codes::kV1);
}
int OriginalityPercent(const Protocol& protocol) {
    return PercentOf(protocol, codes::kOPlus);
}

void StoreVulgarPercent(Protocol& protocol) {
    protocol.counts.Set(codes::kVPercent, SymbolCounts::Saturate(VulgarPercent(protocol)));
}
void StoreOriginalityPercent(Protocol& protocol) {
    protocol.counts.Set(codes::kOPercent, SymbolCounts::Saturate(OriginalityPercent(protocol)));
}

} // namespace quelvarin
