#pragma once

#include "model/Protocol.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// SZEI, the index of symbolic elaboration: each answer coded A, B, C, D or E; a weighted mean
// of the codes and its one-sentence conclusion.
namespace quelvarin::szei {

inline constexpr std::string_view kUncoded = "?";

// The five categories in the coding window's tab order, with their weights and description.
struct Category {
    std::string_view code;
    int weight;
    std::string_view evaluationLabel;          // the evaluation window's label of its count
    std::vector<std::string_view> description; // heading first
};
const std::vector<Category>& Categories(); // A, E, D, C, B

struct Evaluation {
    // Counts in the order A, E, D, C, B.
    std::array<int, 5> counts{};
    int base = 0; // coded answers (not "?"), "0" and unknown codes among them
    double mean = 0;
    std::string_view conclusion;
};

Evaluation Evaluate(const Protocol& protocol);

// The coding window's tab (0..4 in tab order, none when no tab is chosen) after a click on an
// answer's row in the SZEI column: the tab of the row's category, none for "0" or a text that
// is no category, and `current` unchanged for "?".
std::optional<int> TabAfterClick(std::string_view code, std::optional<int> current);
// A click on an uncoded row opens the coding window modally.
inline bool ClickOpensModally(std::string_view code) {
    return code == kUncoded;
}
// The code "jelöld !" stores for a tab; "" for no tab ("jelöld !" is disabled then).
std::string_view CodeOfTab(std::optional<int> tab);
std::string_view Conclusion(double mean);
// The mean as the evaluation window shows it: one decimal in four characters (" 0.5").
std::string MeanText(double mean);

inline constexpr std::string_view kConclusionLead =
    "Az észlelt személyiségzavarok, antiszociális cselekvések, életvezetési válságok";

} // namespace quelvarin::szei
