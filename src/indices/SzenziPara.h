#pragma once

#include "model/Protocol.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The sensitivity-paranoia index: eleven weighted sign frequencies related to the protocol's
// length, placing the subject in one of three diagnostic zones.
namespace quelvarin::szenzipara {

struct Category {
    std::string_view label;
    std::array<SignCode, 4> signs; // 0 where a category counts fewer signs
    int weight;
};
inline constexpr std::size_t kCategoryCount = 11;
std::span<const Category> Categories();

enum class Zone { Healthy, NonPsychoticParanoid, PsychoticParanoid };

struct ZoneInfo {
    std::string_view indicated;
    std::string_view alternative;
};
ZoneInfo ZoneTexts(Zone zone);
// The zone of an index: by the index rounded to a whole number, halves to even.
Zone ZoneOf(double index);

inline constexpr long long kNoEffectiveAnswers = 10000;

struct Result {
    int answers = 0; // N, the effective answers
    std::array<int, kCategoryCount> frequencies{};
    std::array<int, kCategoryCount> products{};
    int sum = 0;      // S
    double index = 0; // ((S / N) + 10) * 10 - N
    long long rounded = 0;
    Zone zone = Zone::Healthy;
};

// The computation; nothing without effective answers (the index is then 10000 and no zone
// is chosen, and the last results stand).
std::optional<Result> Compute(const Protocol& protocol);

// Writes N and the eleven frequencies into the counters 416..427 (a figure above 255 stays 255).
void StoreFigures(Protocol& protocol, const Result& result);

// What the window and the examination sheet show after the last computation.
struct Standing {
    long long index = 0;      // rounded; 10000 without effective answers
    std::optional<Zone> zone; // the highlighted zone, none without effective answers
    std::string indicated;    // the diagnosis texts; "" without effective answers
    std::string alternative;
    std::optional<Result> figures; // none without effective answers
};

// Computes the index and stores its figures. Without effective answers the index becomes
// 10000 with no zone, no diagnosis texts and no figures: what an earlier computation showed
// belongs to that protocol (often another subject's) and is not shown as this one's. The
// counters 416..427 keep their values then; they change only when the index is computed.
void Recompute(Protocol& protocol, Standing& standing);

inline constexpr std::string_view kFormulaLine = "   index = (((összeg/feleletsz.)+10) *10) - feleletsz.   ";

} // namespace quelvarin::szenzipara
