#pragma once

#include "indices/Attetel.h"
#include "model/Protocol.h"

#include <array>
#include <string>
#include <string_view>

// What the evaluation windows of SZEI and of the transference scale show, computed afresh from
// the protocol each time they open.
namespace quelvarin {

struct SzeiEvaluationView {
    struct Row {
        std::string_view label;
        std::string value;
    };
    // The counts of A, E, D, C and B, then the weighted mean (" 0.5").
    std::array<Row, 6> rows;
    // The sentence under "Értelmezés:": its fixed start and the conclusion of the mean.
    std::string interpretation;
};
SzeiEvaluationView BuildSzeiEvaluationView(const Protocol& protocol);

// The transference bars: for each evaluated category its normal adults' share and the current
// one, 4 pixels a percent, drawn from the bars' left edge; the current share's text follows its
// bar, at 106 pixels plus the bar's length from the window's left edge.
namespace transference_bars {
inline constexpr int kPixelsPerPercent = 4;
inline constexpr int kBarsLeft = 100;
inline constexpr int kValueLeft = 106;
} // namespace transference_bars

struct TransferenceEvaluationView {
    struct Bar {
        std::string_view label; // "Semleges:"
        int referenceLength = 0;
        int length = 0;
        std::string value; // "50%"
        int valueLeft = 0;
    };
    std::array<Bar, attetel::kEvaluatedCount> bars;
    // Wide enough for the longest bar and its value.
    int windowWidth = 0;
};
TransferenceEvaluationView BuildTransferenceEvaluationView(const Protocol& protocol);

} // namespace quelvarin
