#pragma once

#include <array>
#include <optional>
#include <string_view>

// The 31 signs of the joint (couple) Rorschach examination: each step either partner takes
// on the way to a common answer.
namespace quelvarin::joint {

// Cooperative, obstructive and non-cooperative behaviour, each direct or indirect.
enum class BehaviourGroup { CD, CI, OD, OI, ND, NI };
inline constexpr std::size_t kGroupCount = 6;

// The caption the sign's button stands under.
enum class SignColumn { Opening, Bargaining, Decision, Quality };

struct InteractionSign {
    int number; // its button and its line of the description file, 1..31
    std::string_view name;
    std::string_view code;
    BehaviourGroup group;
    SignColumn column;
};

inline constexpr std::size_t kSignCount = 31;
const std::array<InteractionSign, kSignCount>& InteractionSigns();
// Sign 1..31; none for another number.
const InteractionSign* SignByNumber(int number);
// The sign of a code, compared exactly.
const InteractionSign* SignByCode(std::string_view code);

std::string_view ColumnCaption(SignColumn column);

} // namespace quelvarin::joint
