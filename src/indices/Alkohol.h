#pragma once

#include <array>
#include <string_view>
#include <vector>

// The check list of the alcoholism syndrome: 13 signs the examiner ticks, against a number
// required by the length of the protocol. The ticks belong to the check list, not to the
// protocol: they live for the whole run and no new or loaded protocol clears them.
namespace quelvarin::alkohol {

inline constexpr std::size_t kItemCount = 13;
const std::array<std::string_view, kItemCount>& Items();

// The explanation block of each family of items, heading first.
struct ExplanationBlock {
    int firstItem; // items numbered 1..13
    int lastItem;
    std::vector<std::string_view> lines;
};
const std::vector<ExplanationBlock>& ExplanationBlocks();
// The block of item 1..13.
const ExplanationBlock& BlockOfItem(int item);

// The note beside the list and the caption of its tick box.
const std::vector<std::string_view>& ShortProtocolNote();
inline constexpr std::string_view kShortProtocolTick = "ez is benne van a jkv-ben";

// Signs required by the effective answer count.
int RequiredSigns(int effectiveAnswers);

inline constexpr std::string_view kAssumed = "Alkoholizmus feltételezhető.";
inline constexpr std::string_view kNotAssumed = "Alkoholizmus nem feltételezhető.";

struct Verdict {
    std::string_view text = kNotAssumed;
    bool highlighted = false; // yellow on red
};
Verdict Judge(int ticked, int required);

// The check list's state across the run.
class Checklist {
public:
    // Opening the window: the figures of the current protocol's length, and the verdict they
    // give with the ticks as they stand, so that the required number and the verdict shown
    // always agree.
    void Open(int effectiveAnswers);
    // A tick changed: the count of ticked items and the verdict follow.
    void SetTick(int item, bool ticked);

    // Item 1..13; any other number is not ticked.
    bool Ticked(int item) const { return IsItem(item) && m_ticks[static_cast<std::size_t>(item - 1)]; }
    int TickedCount() const;
    int EffectiveAnswers() const { return m_effectiveAnswers; }
    int Required() const { return RequiredSigns(m_effectiveAnswers); }
    // The short-protocol tick box is offered for 10 effective answers or fewer.
    bool ShortProtocolTickEnabled() const { return m_effectiveAnswers <= 10; }
    bool ShortProtocolTicked() const { return m_shortProtocolTicked; }
    void SetShortProtocolTick(bool ticked) { m_shortProtocolTicked = ticked; }
    const Verdict& CurrentVerdict() const { return m_verdict; }

private:
    static bool IsItem(int item) { return item >= 1 && item <= static_cast<int>(kItemCount); }

    std::array<bool, kItemCount> m_ticks{};
    bool m_shortProtocolTicked = false;
    int m_effectiveAnswers = 0;
    Verdict m_verdict;
};

} // namespace quelvarin::alkohol
