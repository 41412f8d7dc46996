#include "scoring/StoredFigures.h"

#include "scoring/AnswerCounts.h"
#include "scoring/FrequencyPercents.h"

namespace quelvarin {

void StoreLoadedFigures(Protocol& protocol) {
    CountAnswers(protocol);
    StoreVulgarPercent(protocol);
    StoreOriginalityPercent(protocol);
}

} // namespace quelvarin
