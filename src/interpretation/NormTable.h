#pragma once

#include "model/SignCode.h"

#include <array>
#include <optional>
#include <span>

// The usual limits of a sign in protocols of five sizes, by which the interpretation calls a
// sign frequent.
namespace quelvarin::interpretation::norms {

// Bands of the effective answer count: 8..15, 16..25, 26..35, 36..50, 51..84.
inline constexpr int kBandCount = 5;
// The band 0..4 of a protocol of that many effective answers; none outside 8..84.
std::optional<int> BandOf(int effectiveAnswers);

enum class Kind { Share, Absolute }; // S: percent of the effective answers; A: a count

struct Limits {
    int lower;
    int upper;
};

struct Norm {
    SignCode code;
    Kind kind;
    std::array<Limits, kBandCount> bands;
};

std::span<const Norm> Table();
const Norm* Find(SignCode code);

} // namespace quelvarin::interpretation::norms
