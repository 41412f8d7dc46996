#pragma once

#include "model/Protocol.h"

#include <initializer_list>
#include <utility>

namespace quelvarin::test {

// A protocol with `answers` answers on cards (I..VII first, then VIII..X as `late` says) and
// the given tallies, for the figures that read counters only.
inline Protocol WithCounts(int answers, std::initializer_list<std::pair<SignCode, int>> counts,
                           int late = 0) {
    Protocol protocol;
    for (int n = 1; n <= answers; ++n) {
        protocol.answer(n).card = static_cast<std::uint8_t>(n <= answers - late ? 1 : 9);
    }
    for (auto [code, count] : counts) {
        protocol.counts.Set(code, static_cast<std::uint8_t>(count));
    }
    return protocol;
}

} // namespace quelvarin::test
