#include "FullProtocol.h"

#include <iterator>

namespace quelvarin::bench {

ParsedProtocol FullProtocol() {
    ParsedProtocol parsed;
    ResetToNewProtocol(parsed.protocol, "2026.12.10.");
    const SignCode signs[] = {400, 401, 402, 301, 312, 323, 345, 346, 348, 293, 297, 122, 149, 193, 335};
    const char* szei[] = {"A", "E", "D", "C", "B", "0"};
    const char* transference[] = {"Semleges válaszok.", "Agresszió.", "Szorongás.", "Pozitív érzelmek."};
    for (int n = 1; n <= kAnswerCount; ++n) {
        auto& answer = parsed.protocol.answer(n);
        answer.card = static_cast<std::uint8_t>(1 + (n - 1) % kCardCount);
        answer.szei = szei[static_cast<std::size_t>(n) % std::size(szei)];
        answer.transference = transference[static_cast<std::size_t>(n) % std::size(transference)];
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            auto code = signs[(static_cast<std::size_t>(n) + slot) % std::size(signs)];
            answer.slots[slot] = code;
            parsed.protocol.counts.Set(code, static_cast<std::uint8_t>(parsed.protocol.counts[code] + 1));
        }
        parsed.texts[static_cast<std::size_t>(n - 1)] = {"Két ember, akik táncolnak,", "piros sapkában."};
    }
    return parsed;
}

} // namespace quelvarin::bench
