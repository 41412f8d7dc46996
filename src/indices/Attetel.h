#pragma once

#include "model/Protocol.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The De Vos transference (affective symbolism) scale: one category per answer, and for six
// of them the share of the answers beside the share in normal adults' protocols.
namespace quelvarin::attetel {

inline constexpr std::string_view kNone = "-";

// The eight categories in the coding window's tab order; the heading (the first description
// line) becomes the answer's code.
struct Category {
    std::string_view tab;
    std::vector<std::string_view> description; // heading first
    std::string_view Code() const { return description.front(); }
};
const std::vector<Category>& Categories();

// The six evaluated categories with the reference share of normal adults.
struct EvaluatedCategory {
    std::string_view label; // "Semleges:"
    std::string_view code;  // "Semleges válaszok."
    int referencePercent;
};
inline constexpr std::size_t kEvaluatedCount = 6;
const std::array<EvaluatedCategory, kEvaluatedCount>& EvaluatedCategories();

// The share of each evaluated category among the answers that have a card, a whole
// percentage (halves to even); 0 without answers.
std::array<int, kEvaluatedCount> Evaluate(const Protocol& protocol);

// The evaluation window's width: 4 pixels per percent of the larger of 50 and the largest
// current share, and 150 pixels more.
int EvaluationWindowWidth(const std::array<int, kEvaluatedCount>& percents);

} // namespace quelvarin::attetel
