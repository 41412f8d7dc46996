// The costs the examiner feels: one sign entered (with what it recomputes), a protocol file
// parsed and written. Run: make bench
#include "interpretation/Interpretation.h"
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
    const SignCode signs[] = {400, 401, 402, 301, 312, 323, 345, 346, 348, 293, 297, 122, 149, 193, 335};
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

// The parse of a batch, which keeps the figures but not the answer texts.
void BM_ParseProtocolFiguresOnly(benchmark::State& state) {
    auto full = FullProtocol();
    auto bytes = SerializeProtocol(full.protocol, full.texts);
    for (auto _ : state) {
        auto parse = ParseProtocol(bytes, ProtocolParseMode::FiguresOnly);
        benchmark::DoNotOptimize(parse);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseProtocolFiguresOnly)->Unit(benchmark::kMicrosecond);

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

BenchStation& LoadedStation() {
    static BenchStation bench;
    static bool loaded = false;
    if (!loaded) {
        auto full = FullProtocol();
        for (int n = 1; n <= kAnswerCount; ++n) {
            full.protocol.answer(n).slots[29] = 0; // room for one more sign
        }
        bench.station.Install(std::move(full));
        bench.station.SelectAnswer(1);
        loaded = true;
    }
    return bench;
}

// Every figure recomputed, as after a load: answer counts, apprehension formula, typologies,
// content figures, V% and O%, answers per card.
void BM_FullRefresh(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        station.RefreshEverything();
        benchmark::DoNotOptimize(station.Apprehension());
    }
}
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMicrosecond);

// One sign entered (a location: the formula and the answer counts follow) and removed again
// (every figure follows), on a full protocol.
void BM_LocationEntryAndRemoval(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        station.ClickSignBox(403);
        auto last = station.Columns().Entries(SignColumn::Locations).size() - 1;
        station.RemoveColumnEntry(SignColumn::Locations, last);
    }
}
BENCHMARK(BM_LocationEntryAndRemoval)->Unit(benchmark::kMicrosecond);

// A determinant entered and removed: the entry recomputes the typologies only.
void BM_DeterminantEntryAndRemoval(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        station.ClickSignBox(302);
        auto last = station.Columns().Entries(SignColumn::Determinants).size() - 1;
        station.RemoveColumnEntry(SignColumn::Determinants, last);
    }
}
BENCHMARK(BM_DeterminantEntryAndRemoval)->Unit(benchmark::kMicrosecond);

// The whole narrative interpretation of a full protocol, in memory.
void BM_Interpretation(benchmark::State& state) {
    auto full = FullProtocol();
    for (auto _ : state) {
        auto lines = interpretation::BuildInterpretation(full.protocol);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_Interpretation)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quelvarin
