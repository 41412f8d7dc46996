#pragma once

#include "model/Protocol.h"

#include <string>
#include <vector>

namespace quelvarin {

// The counter viewer ("Fiókok"): one row per code 90..497, "G=3;" (a code without a sign "#=0;").
std::vector<std::string> CounterViewerRows(const Protocol& protocol);
// The code of a row of the counter viewer, which its caption shows when the row is clicked.
inline SignCode CounterViewerCode(int row) {
    return static_cast<SignCode>(row + codes::kFirstCounter);
}

// The raw answer viewer: the card and then the 30 slot values, as numbers.
std::vector<std::string> RawAnswerRows(const Protocol& protocol, int answer);
// Its caption for a clicked row: "Táblaszám: " and the card for row 0, else the slot's sign name.
std::string RawAnswerCaption(const Protocol& protocol, int answer, int row);
// Its label: the row number followed by ". elem".
std::string RawAnswerLabel(int row);

} // namespace quelvarin
