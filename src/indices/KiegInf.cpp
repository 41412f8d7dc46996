#include "indices/KiegInf.h"

namespace quelvarin::kieginf {

Ticks TicksFromFlags(const Protocol& protocol) {
    Ticks ticks{};
    for (std::size_t item = 0; item < kItemCount; ++item) {
        ticks[item] = protocol.counts[CodeOfItem(item)] != 0;
    }
    return ticks;
}

Ticks TicksAfterLoad(const Protocol& protocol) {
    Ticks ticks{};
    for (std::size_t item = 0; item < kItemCount; ++item) {
        ticks[item] = protocol.counts[CodeOfItem(item)] == 1;
    }
    return ticks;
}

void WriteFlags(Protocol& protocol, const Ticks& ticks) {
    for (std::size_t item = 0; item < kItemCount; ++item) {
        protocol.counts.Set(CodeOfItem(item), ticks[item] ? 1 : 0);
    }
}

} // namespace quelvarin::kieginf
