#pragma once

#include "model/Protocol.h"

namespace quelvarin {

// The figures a load stores into the counters: the answer counts and colour index (397, 398,
// 399, 413), V% (296) and O% (300). A batch that parses files without installing them calls
// this so that its rows read the counters as the workstation would after opening each file.
void StoreLoadedFigures(Protocol& protocol);

} // namespace quelvarin
