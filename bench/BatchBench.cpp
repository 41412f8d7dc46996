// A whole archive through the statistics: the summary export and a batch attach of 10,000
// varied protocol files, each set against reading the same files with cat into /dev/null in
// the same run (warm page cache). "x_cat" is the ratio; "rss_growth_kb" the peak memory the
// run added, which must not grow with the archive. Run: make bench
#include "model/EducationLevels.h"
#include "model/ProtocolFile.h"
#include "model/SymbolCatalogue.h"
#include "platform/AtomicFile.h"
#include "statistics/Batch.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

// A small deterministic generator, so every run benchmarks the same archive.
class Lcg {
public:
    explicit Lcg(std::uint64_t seed) : m_state(seed) {}
    std::uint32_t Next(std::uint32_t below) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33) % below;
    }

private:
    std::uint64_t m_state;
};

const std::vector<SignCode>& ScoringSigns() {
    static const std::vector<SignCode> signs = [] {
        std::vector<SignCode> out;
        for (int code = 90; code <= 497; ++code) {
            if (NameOfCode(static_cast<SignCode>(code)) != "#") {
                out.push_back(static_cast<SignCode>(code));
            }
        }
        return out;
    }();
    return signs;
}

// Protocol `index` of the archive: 10 to 90 answers, 2 to 14 signs each, texts of varied length.
std::string VariedProtocolFile(int index) {
    Lcg random(static_cast<std::uint64_t>(index) + 1);
    ParsedProtocol parsed;
    auto& protocol = parsed.protocol;
    ResetToNewProtocol(protocol, "2026.12.10.");
    protocol.personal.name = "Vizsgált Személy " + std::to_string(index);
    protocol.personal.code = std::to_string(100000 + index).insert(0, 1, 'k');
    protocol.personal.sex = random.Next(2) ? "nő" : "férfi";
    protocol.personal.age = 16 + static_cast<std::int32_t>(random.Next(70));
    protocol.personal.education = std::string(kEducationLevels[random.Next(kEducationLevels.size())]);
    protocol.personal.clinicalQuestions = "Szorongás mértéke?*";
    for (auto& time : protocol.cardTimes) {
        time.reactionSeconds = static_cast<std::int32_t>(random.Next(60));
        time.cardMinutes = static_cast<std::int32_t>(random.Next(4));
    }
    const auto& signs = ScoringSigns();
    int answers = 10 + static_cast<int>(random.Next(81));
    for (int n = 1; n <= answers; ++n) {
        auto& answer = protocol.answer(n);
        answer.card = static_cast<std::uint8_t>(1 + (n - 1) * kCardCount / answers);
        auto slots = 2 + random.Next(13);
        for (std::size_t slot = 0; slot < slots; ++slot) {
            auto code = signs[random.Next(static_cast<std::uint32_t>(signs.size()))];
            answer.slots[slot] = code;
            protocol.counts.Set(code, static_cast<std::uint8_t>(protocol.counts[code] + 1));
        }
        auto& text = parsed.texts[static_cast<std::size_t>(n - 1)];
        for (auto lines = 1 + random.Next(4); lines > 0; --lines) {
            text.emplace_back(std::string(10 + random.Next(60), 'a') + " két ember táncol");
        }
    }
    return SerializeProtocol(protocol, parsed.texts);
}

// The archive on disk, made once per size and removed at exit.
struct Archive {
    fs::path folder;
    std::vector<fs::path> files;
};

const Archive& ArchiveOf(int size) {
    static std::vector<std::unique_ptr<Archive>> archives;
    for (const auto& archive : archives) {
        if (static_cast<int>(archive->files.size()) == size) {
            return *archive;
        }
    }
    auto archive = std::make_unique<Archive>();
    archive->folder = fs::temp_directory_path() / ("quelvarin-bench-" + std::to_string(size));
    fs::remove_all(archive->folder);
    fs::create_directories(archive->folder);
    for (int i = 0; i < size; ++i) {
        std::string name = "p";
        name += std::to_string(100000 + i);
        name += ".qvl";
        auto path = archive->folder / name;
        AtomicFileWriter writer(path);
        if (!writer.Write(VariedProtocolFile(i)) || !writer.Commit()) {
            throw std::runtime_error("cannot write the benchmark archive: " + path.string());
        }
    }
    archive->files =
        statistics::ProtocolFilesOf(archive->folder).value_or(std::vector<std::filesystem::path>{});
    static struct Cleanup {
        ~Cleanup() {
            for (const auto& archive : archives) {
                std::error_code error;
                fs::remove_all(archive->folder, error);
            }
        }
    } cleanup;
    archives.push_back(std::move(archive));
    return *archives.back();
}

double Seconds(const std::function<void()>& run) {
    auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The fastest of three cat runs over the archive (the first also warms the page cache).
double CatSeconds(const Archive& archive) {
    auto command = "find '" + archive.folder.string() + "' -name '*.qvl' -print0 | xargs -0 cat > /dev/null";
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        best = std::min(best, Seconds([&] {
                            if (std::system(command.c_str()) != 0) {
                                std::abort();
                            }
                        }));
    }
    return best;
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Times `run` over the archive of state.range(0) files, `prepare` untimed before each run, and
// reports it against cat. `run` says whether every file gave its row.
void TimeAgainstCat(benchmark::State& state, const std::function<void()>& prepare,
                    const std::function<bool(const Archive&)>& run) {
    const auto& archive = ArchiveOf(static_cast<int>(state.range(0)));
    double cat = CatSeconds(archive);
    long rssBefore = PeakRssKb();
    double total = 0;
    for (auto _ : state) {
        prepare();
        bool complete = true;
        double seconds = Seconds([&] { complete = run(archive); });
        if (!complete) {
            state.SkipWithError("rows were lost");
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    double mean = total / static_cast<double>(state.iterations());
    state.counters["x_cat"] = mean / cat;
    state.counters["cat_ms"] = cat * 1e3;
    state.counters["us_per_file"] = mean * 1e6 / static_cast<double>(archive.files.size());
    state.counters["rss_growth_kb"] = static_cast<double>(PeakRssKb() - rssBefore);
}

void BM_SummaryExport(benchmark::State& state) {
    auto out = fs::temp_directory_path() / "quelvarin-bench-sum_stat.txt";
    TimeAgainstCat(
        state, [] {},
        [&](const Archive& archive) {
            AtomicFileWriter writer(out);
            auto report = statistics::ExportSummary(
                archive.files, [&](std::string_view bytes) { return writer.Write(bytes); });
            return writer.Commit() && report.rows == archive.files.size();
        });
    fs::remove(out);
}
BENCHMARK(BM_SummaryExport)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

void BM_BatchAttach(benchmark::State& state) {
    auto target = fs::temp_directory_path() / "quelvarin-bench-kutatas.dat";
    TimeAgainstCat(
        state, [&] { fs::remove(target); },
        [&](const Archive& archive) {
            return statistics::AttachFiles(target, archive.files, true).rows == archive.files.size();
        });
    fs::remove(target);
}
BENCHMARK(BM_BatchAttach)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

} // namespace
} // namespace quelvarin
