#pragma once

#include "indices/Alkohol.h"
#include "indices/SzenziPara.h"
#include "model/Protocol.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// What the Neiger window shows: the rows ticked, the score and rating after them, and the
// school level the score is corrected by.
struct NeigerView {
    std::array<bool, kNeigerVulgarCount> ticks{};
    std::string score;              // " 2.5", "18.5"
    std::string rating;             // "Patológiás érték"
    std::optional<int> schoolLevel; // 0..7; none when the personal data name no level
};
NeigerView BuildNeigerView(const Protocol& protocol);

// The alcoholism check list's figures and verdict.
struct AlcoholismView {
    std::string answers;  // "Válaszok száma:"
    std::string required; // "Szükséges jegyek száma:"
    std::string ticked;   // "Jelölt jegyek száma:"
    std::string_view verdict;
    bool highlighted = false; // yellow on red
    bool shortProtocolTickEnabled = false;
};
AlcoholismView BuildAlcoholismView(const alkohol::Checklist& list);

// A row of the sensitivity-paranoia table: label, weight, frequency and product.
struct SensitivityParanoiaRow {
    std::string_view label;
    std::string weight;
    std::string frequency;
    std::string product;
};
// The sensitivity-paranoia window after a computation. Without effective answers it shows no
// figure, only the weights, the note that the index cannot be computed, and no zone.
struct SensitivityParanoiaView {
    std::vector<SensitivityParanoiaRow> rows; // "Feleletszám" (N as its frequency), then the categories
    std::string sum;
    std::string index;
    std::string_view note; // "" when the index was computed
    std::optional<szenzipara::Zone> zone;
};
SensitivityParanoiaView BuildSensitivityParanoiaView(const szenzipara::Standing& standing);

} // namespace quelvarin
