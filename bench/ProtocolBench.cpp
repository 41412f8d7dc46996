// The costs the examiner feels: one sign entered (with what it recomputes), a protocol file
// parsed and written. Run: make bench
#include "model/ProtocolFile.h"
#include "platform/Clock.h"
#include "platform/RecordingNotifier.h"
#include "workstation/Workstation.h"

#include <benchmark/benchmark.h>

namespace quelvarin {
namespace {

// 90 answers on all ten cards, 30 signs each, answer texts of two lines.
ParsedProtocol FullProtocol() {
    ParsedProtocol parsed;
    ResetToNewProtocol(parsed.protocol, "2026.12.10.");
    const SignCode signs[] = {400, 401, 402, 301, 312, 323, 345, 346, 348, 293, 297, 122, 149, 260, 335};
    for (int n = 1; n <= kAnswerCount; ++n) {
        auto& answer = parsed.protocol.answer(n);
        answer.card = static_cast<std::uint8_t>(1 + (n - 1) % kCardCount);
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            auto code = signs[(static_cast<std::size_t>(n) + slot) % std::size(signs)];
            answer.slots[slot] = code;
            parsed.protocol.counts.Set(code, static_cast<std::uint8_t>(parsed.protocol.counts[code] + 1));
        }
        parsed.texts[static_cast<std::size_t>(n - 1)] = {"Két ember, akik táncolnak,", "piros sapkában."};
    }
    return parsed;
}

void BM_ParseProtocol(benchmark::State& state) {
    auto full = FullProtocol();
    auto bytes = SerializeProtocol(full.protocol, full.texts);
    for (auto _ : state) {
        auto parse = ParseProtocol(bytes);
        benchmark::DoNotOptimize(parse);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseProtocol)->Unit(benchmark::kMicrosecond);

void BM_SerializeProtocol(benchmark::State& state) {
    auto full = FullProtocol();
    for (auto _ : state) {
        auto bytes = SerializeProtocol(full.protocol, full.texts);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SerializeProtocol)->Unit(benchmark::kMicrosecond);

struct BenchStation {
    RecordingNotifier notifier;
    MemoryAnswerTextStore texts;
    SilentSoundPlayer sound;
    FixedClock clock{"2026.12.10."};
    Workstation station{{InstallPaths(""), notifier, texts, sound, clock}};
};

// A location entered into a full protocol and taken out again: two entries' worth of work,
// each with its recomputation.
void BM_SignEntryAndRemoval(benchmark::State& state) {
    BenchStation bench;
    auto full = FullProtocol();
    full.protocol.answer(1).slots[29] = 0;
    bench.station.Install(std::move(full));
    bench.station.SelectAnswer(1);
    for (auto _ : state) {
        bench.station.ClickSignBox(403);
        auto last = bench.station.Columns().Entries(SignColumn::Locations).size() - 1;
        bench.station.RemoveColumnEntry(SignColumn::Locations, last);
    }
}
BENCHMARK(BM_SignEntryAndRemoval)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quelvarin
