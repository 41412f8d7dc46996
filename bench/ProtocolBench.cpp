// The costs the examiner feels: one sign entered (with what it recomputes), a protocol file
// parsed and written. Run: make bench
#include "FullProtocol.h"
#include "interpretation/Interpretation.h"
#include "model/ProtocolFile.h"
#include "platform/Clock.h"
#include "platform/RecordingNotifier.h"
#include "workstation/PsychogramView.h"
#include "workstation/Workstation.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace quelvarin {
namespace {

using bench::FullProtocol;

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
    explicit BenchStation(InstallPaths paths = InstallPaths(""),
                          ProtocolFilesDesk::Recovery recovery = ProtocolFilesDesk::Recovery::Off)
        : station({std::move(paths), notifier, texts, sound, clock, chooser}, recovery) {}
    RecordingNotifier notifier;
    MemoryAnswerTextStore texts;
    SilentSoundPlayer sound;
    FixedClock clock{"2026.12.10."};
    NoFileChooser chooser;
    Workstation station;

    void LoadFullProtocol() {
        auto full = FullProtocol();
        for (int n = 1; n <= kAnswerCount; ++n) {
            full.protocol.answer(n).slots[29] = 0; // room for one more sign
        }
        station.files.Install(std::move(full));
        station.scoring.SelectAnswer(1);
    }
};

BenchStation& LoadedStation() {
    static BenchStation bench;
    static bool loaded = false;
    if (!loaded) {
        bench.LoadFullProtocol();
        loaded = true;
    }
    return bench;
}

// Every figure recomputed, as after a load: answer counts, apprehension formula, typologies,
// content figures, V% and O%, answers per card.
void BM_FullRefresh(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        station.scoring.RefreshEverything();
        benchmark::DoNotOptimize(station.session.Figures());
    }
}
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMicrosecond);

// A sign entered and removed again through a SignColumn, on a full protocol.
void EnterAndRemove(ScoringDesk& scoring, SignCode code, SignColumn column) {
    scoring.ClickSignBox(code);
    auto last = scoring.State().Columns().Entries(column).size() - 1;
    scoring.RemoveColumnEntry(column, last);
}

// One sign entered (a location: the formula and the answer counts follow) and removed again
// (every figure follows).
void BM_LocationEntryAndRemoval(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        EnterAndRemove(station.scoring, 403, SignColumn::Locations);
    }
}
BENCHMARK(BM_LocationEntryAndRemoval)->Unit(benchmark::kMicrosecond);

// A determinant entered and removed: the entry recomputes the typologies only.
void BM_DeterminantEntryAndRemoval(benchmark::State& state) {
    auto& station = LoadedStation().station;
    for (auto _ : state) {
        EnterAndRemove(station.scoring, 302, SignColumn::Determinants);
    }
}
BENCHMARK(BM_DeterminantEntryAndRemoval)->Unit(benchmark::kMicrosecond);

// What a window does with the events: reads the psychogram view once the figures change.
class ViewingObserver : public SessionObserver {
public:
    explicit ViewingObserver(const Session& session) : m_session(session) {}
    void FiguresRecomputed(RefreshSteps) override {
        benchmark::DoNotOptimize(BuildPsychogramView(m_session));
    }
    void AnswerChanged(int answer) override { benchmark::DoNotOptimize(answer); }
    void ModifiedChanged(bool modified) override { benchmark::DoNotOptimize(modified); }

private:
    const Session& m_session;
};

// One location entered, its events delivered to an observer that rebuilds the psychogram view.
void BM_LocationEntryWithObserver(benchmark::State& state) {
    auto& station = LoadedStation().station;
    ViewingObserver observer(station.session);
    station.session.AddObserver(observer);
    for (auto _ : state) {
        EnterAndRemove(station.scoring, 403, SignColumn::Locations);
    }
    station.session.RemoveObserver(observer);
}
BENCHMARK(BM_LocationEntryWithObserver)->Unit(benchmark::kMicrosecond);

// The recovery copy of a full protocol written after a change: serialised and replaced
// atomically (with its fsync) in a folder of the temporary directory.
void BM_RecoveryCopyWrite(benchmark::State& state) {
    auto root = std::filesystem::temp_directory_path() / "quelvarin-bench-recovery";
    std::filesystem::create_directories(root);
    BenchStation bench{InstallPaths(root), ProtocolFilesDesk::Recovery::Kept};
    bench.LoadFullProtocol();
    auto& indices = bench.station.indices;
    bool tick = false;
    for (auto _ : state) {
        tick = !tick;
        indices.SetNeigerTick(0, tick);
        if (!bench.station.files.WriteRecoveryCopy()) {
            state.SkipWithError("the recovery copy could not be written");
            break;
        }
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMicrosecond);

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
