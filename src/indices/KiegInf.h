#pragma once

#include "model/Protocol.h"

#include <array>

// The supplementary-information check list: eighteen observations about the protocol as a
// whole, kept as the 0/1 flags of counters 480..497 (item k is code 480 + k).
namespace quelvarin::kieginf {

inline constexpr std::size_t kItemCount = 18;
using Ticks = std::array<bool, kItemCount>;

inline SignCode CodeOfItem(std::size_t item) {
    return static_cast<SignCode>(codes::kFirstSupplementary + item);
}

// Opening the window from the menu: an item is ticked when its flag is not 0.
Ticks TicksFromFlags(const Protocol& protocol);
// A loaded protocol sets the list as well, ticking only a flag of exactly 1.
Ticks TicksAfterLoad(const Protocol& protocol);
// Any tick change writes all eighteen flags from the ticks shown: 1 or 0.
void WriteFlags(Protocol& protocol, const Ticks& ticks);

} // namespace quelvarin::kieginf
