#include "scoring/StoredFigures.h"

#include "indices/neiger.h"
#include "scoring/AnswerCounts.h"

namespace quelvarin {

void StoreLoadedFigures(Protocol& protocol) {
    CountAnswers(protocol);
    neiger::StoreVulgarPercent(protocol);
    neiger::StoreOriginalityPercent(protocol);
}

} // namespace quelvarin
