#pragma once

#include <cstdint>
#include <initializer_list>

namespace quelvarin {

// The recomputations that follow a change of the protocol; each event runs its own set.
enum class RefreshStep : std::uint8_t {
    ApprehensionMode,   // apprehension-mode label and group sums
    AnswerCounts,       // CountAnswers: 397, 398, 399 and the colour index 413
    DeterminantFigures, // form-level percentages and the typologies
    ContentFigures,
    VulgarPercent,      // V%, counter 296
    OriginalityPercent, // O%, counter 300
    AnswersPerCard,
};

class RefreshSteps {
public:
    constexpr RefreshSteps() = default;
    constexpr RefreshSteps(std::initializer_list<RefreshStep> steps) {
        for (auto step : steps) {
            m_bits = static_cast<std::uint8_t>(m_bits | Bit(step));
        }
    }
    static constexpr RefreshSteps All() {
        return {RefreshStep::ApprehensionMode, RefreshStep::AnswerCounts,  RefreshStep::DeterminantFigures,
                RefreshStep::ContentFigures,   RefreshStep::VulgarPercent, RefreshStep::OriginalityPercent,
                RefreshStep::AnswersPerCard};
    }
    constexpr bool Has(RefreshStep step) const { return (m_bits & Bit(step)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    bool operator==(const RefreshSteps&) const = default;

private:
    static constexpr std::uint8_t Bit(RefreshStep step) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(step));
    }
    std::uint8_t m_bits = 0;
};

// What each event of the scoring recomputes.
namespace refresh {
inline constexpr RefreshSteps kLocationEntered{RefreshStep::ApprehensionMode, RefreshStep::AnswerCounts};
inline constexpr RefreshSteps kDeterminantEntered{RefreshStep::DeterminantFigures};
inline constexpr RefreshSteps kContentEntered{RefreshStep::ContentFigures};
inline constexpr RefreshSteps kVulgarEntered{RefreshStep::VulgarPercent};
inline constexpr RefreshSteps kOriginalityEntered{RefreshStep::OriginalityPercent};
inline constexpr RefreshSteps kSpecialReactionEntered{};
inline constexpr RefreshSteps kSignRemoved{RefreshStep::VulgarPercent,      RefreshStep::OriginalityPercent,
                                           RefreshStep::ApprehensionMode,   RefreshStep::AnswerCounts,
                                           RefreshStep::DeterminantFigures, RefreshStep::ContentFigures};
// A card chosen changes the number of answers, and with it the grading of the formula and
// every percentage of the effective answers.
inline constexpr RefreshSteps kCardChosen{RefreshStep::AnswerCounts,       RefreshStep::ApprehensionMode,
                                          RefreshStep::ContentFigures,     RefreshStep::VulgarPercent,
                                          RefreshStep::OriginalityPercent, RefreshStep::AnswersPerCard};
// A "Versagen" lowers the effective answers, the base of the percentages.
inline constexpr RefreshSteps kVersagenEntered{RefreshStep::ContentFigures, RefreshStep::VulgarPercent,
                                               RefreshStep::OriginalityPercent};
inline constexpr RefreshSteps kProtocolLoaded = RefreshSteps::All();
} // namespace refresh

} // namespace quelvarin
