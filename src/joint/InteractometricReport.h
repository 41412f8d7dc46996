#pragma once

#include "joint/JointExamination.h"
#include "platform/LineFile.h"

#include <array>
#include <string>
#include <string_view>

// The interactometric evaluation of a joint examination: each person's counts of the 31
// signs, grouped by behaviour, the eight qualitative interaction types, shares and indices,
// and the cards on which each kind of decision happened; written as the page html/__.html.
namespace quelvarin::joint {

inline constexpr std::size_t kTypeCount = 8;
// The decision codes whose places are listed: zvS, zvA, zvW, zvX, §<.
inline constexpr std::array<std::string_view, 5> kDecisionCodes = {"zvS", "zvA", "zvW", "zvX", "§<"};

struct PersonTally {
    std::array<int, kSignCount> counts{};  // by sign number - 1
    std::array<int, kGroupCount> groups{}; // CD, CI, OD, OI, ND, NI
    std::array<int, kTypeCount> types{};
    // For each decision code, its cards in row order: "III., IX., ".
    std::array<std::string, kDecisionCodes.size()> decisionPlaces;

    int Count(std::string_view code) const;
    int Group(BehaviourGroup group) const { return groups[static_cast<std::size_t>(group)]; }
    int Cooperative() const { return Group(BehaviourGroup::CD) + Group(BehaviourGroup::CI); }
    int Obstructive() const { return Group(BehaviourGroup::OD) + Group(BehaviourGroup::OI); }
    int NonCooperative() const { return Group(BehaviourGroup::ND) + Group(BehaviourGroup::NI); }
    int Total() const { return Cooperative() + Obstructive() + NonCooperative(); }
};

// Both persons' tallies over rows 1 onwards (the placeholder row 0 is skipped).
std::array<PersonTally, 2> EvaluateInteractions(const std::vector<InteractionRow>& rows);

// a × 100 / b with one decimal in four characters and " %": " 2.5 %", "100.0 %"; a person
// with no interaction at all has "  0.0 %" throughout.
std::string InteractionPercent(int count, int total);

// The lines of html/__.html.
Lines WriteInteractometricReport(const std::array<PersonTally, 2>& persons);

} // namespace quelvarin::joint
