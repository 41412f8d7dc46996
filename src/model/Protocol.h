#pragma once

#include "model/SignCode.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelvarin {

inline constexpr int kAnswerCount = 90;
inline constexpr int kSlotCount = 30;
inline constexpr int kCardCount = 10;
inline constexpr int kNeigerVulgarCount = 16;

struct PersonalData {
    std::string name;              // "a Vsz. neve"
    std::string code;              // "a vizsgálat kódja"
    std::string number;            // "szám"
    std::string occupation;        // "foglalkozása"
    std::string sex;               // "neme": "férfi" or "nő"
    std::int32_t age = 0;          // "kora"
    std::string clinicalQuestions; // every question followed by "*"
    std::string ward;              // "osztály"
    std::string examiner;          // "Vv."
    std::string diagnosis;         // "Dg"
    std::string education;         // "iskolázottsága", one of the education levels
    std::string date;              // "dátum", the short date of the examination
};

struct CardTime {
    std::int32_t reactionMinutes = 0;
    std::int32_t reactionSeconds = 0;
    std::int32_t cardMinutes = 0;
    std::int32_t cardSeconds = 0;
    bool operator==(const CardTime&) const = default;
};

// One 8-bit counter per code 90..497, indexed by the code itself.
class SymbolCounts {
public:
    static bool Holds(SignCode code) { return code >= codes::kFirstCounter && code <= codes::kLastCounter; }

    // 0 for a code without a counter (sub-variants among them).
    std::uint8_t operator[](SignCode code) const { return Holds(code) ? m_counts[Index(code)] : 0; }
    // Only for codes that have a counter.
    void Set(SignCode code, std::uint8_t value) {
        if (Holds(code)) {
            m_counts[Index(code)] = value;
        }
    }
    void Clear() { m_counts.fill(0); }
    // A figure stored in a counter: below 0 is 0, above 255 stays at 255 rather than wrapping.
    static std::uint8_t Saturate(long long value) {
        return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    }
    bool operator==(const SymbolCounts&) const = default;

private:
    static std::size_t Index(SignCode code) { return static_cast<std::size_t>(code - codes::kFirstCounter); }
    std::array<std::uint8_t, codes::kCounterCount> m_counts{};
};

struct Answer {
    std::uint8_t card = 0; // 0 = no card yet, 1..10 = card I..X
    std::array<SignCode, kSlotCount> slots{};
    std::string szei = "?";         // "?" = not rated
    std::string transference = "-"; // "-" = none
    bool operator==(const Answer&) const = default;
};

// The one examination being scored. The answers' texts live beside it, in the answer text
// files, and travel with it only inside the protocol file.
struct Protocol {
    PersonalData personal;
    std::array<CardTime, kCardCount> cardTimes{};
    SymbolCounts counts;
    std::array<bool, kNeigerVulgarCount> neigerVulgars{};
    std::array<Answer, kAnswerCount> answers{};

    // Answers and cards are numbered from 1.
    Answer& answer(int number) { return answers[static_cast<std::size_t>(number - 1)]; }
    const Answer& answer(int number) const { return answers[static_cast<std::size_t>(number - 1)]; }
    CardTime& cardTime(int card) { return cardTimes[static_cast<std::size_t>(card - 1)]; }
    const CardTime& cardTime(int card) const { return cardTimes[static_cast<std::size_t>(card - 1)]; }
};

inline bool IsAnswerNumber(int number) {
    return number >= 1 && number <= kAnswerCount;
}
inline bool IsCard(int card) {
    return card >= 1 && card <= kCardCount;
}

// Resets the protocol as "új Ro." does, with the examination dated `today`. The answer text
// files are the workstation's to delete.
void ResetToNewProtocol(Protocol& protocol, std::string_view today);

} // namespace quelvarin
