#pragma once

#include "workstation/Session.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quelvarin {

// The results of the indices as their windows show them, for a summary of the protocol:
// the Neiger reality index, the sensitivity-paranoia index (computed on a copy, so that its
// stored figures stay as they are), SZEI and the transference scale.
struct IndexFiguresView {
    std::string neigerScore;  // "szam"
    std::string neigerRating; // "szoveg"
    long long sensitivityParanoiaIndex = 0;
    std::string sensitivityParanoiaIndicated;
    std::string sensitivityParanoiaAlternative;
    std::vector<std::pair<std::string_view, int>> szeiCounts; // by code "A", "E", "D", "C", "B"
    std::string szeiMean;
    std::string szeiConclusion;
    std::vector<std::pair<std::string_view, int>> transferencePercent; // by label "Semleges:" ...
};

IndexFiguresView BuildIndexFiguresView(const Session& session);

} // namespace quelvarin
