// The window's costs as the examiner feels them, offscreen: start to the first painted main
// window (every window of the desk made), a sign-box click to every label it changes, the
// sample protocol opened into the window, the resident memory after the start, the examination
// windows opened over a full protocol, the experience-type chart painted, and a large card
// picture decoded and shown in the location tables.
// Run: build/bench/quelvarin_ui_bench
#include "FullProtocol.h"
#include "platform/AtomicFile.h"
#include "platform/InstallPaths.h"
#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/app/WorkstationApp.h"
#include "ui/locations/PictureView.h"
#include "ui/main/SignBox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quelvarin::ui {
namespace {

namespace fs = std::filesystem;

// A desktop that answers every question no and opens nothing.
class QuietServices : public UiServices {
public:
    void ShowMessage(QWidget*, const QString&, MessageKind) override {}
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialog&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(QWidget*, const FileDialog&) override { return std::nullopt; }
    std::optional<int> ChooseFromMenu(QWidget*, QPoint, const QStringList&, const QList<bool>&) override {
        return std::nullopt;
    }
    std::optional<QString> AskForText(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool OpenDocument(const QString&) override { return false; }
};

fs::path Root() {
    static const fs::path root = [] {
        auto path = fs::temp_directory_path() / "quelvarin-ui-bench";
        fs::remove_all(path);
        EnsureInstallTree(path, QUELVARIN_SHIPPED_TREE);
        return path;
    }();
    return root;
}

struct Desk {
    QuietServices services;
    SilentSoundPlayer sound;
    SystemClock clock;
    WorkstationApp app{Root(), services, sound, clock};

    void ShowAndPaint() {
        app.MainWindow().show();
        app.MainWindow().repaint();
        QApplication::processEvents();
    }
};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void BM_StartToFirstPaintedMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Desk desk;
        desk.ShowAndPaint();
        state.PauseTiming();
        desk.app.MainWindow().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ResidentMemoryAfterStart(benchmark::State& state) {
    for (auto _ : state) {
        Desk desk;
        desk.ShowAndPaint();
        state.counters["resident_MB"] = static_cast<double>(ResidentKilobytes()) / 1024.0;
    }
}
BENCHMARK(BM_ResidentMemoryAfterStart)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenSampleIntoTheWindow(benchmark::State& state) {
    Desk desk;
    desk.ShowAndPaint();
    auto sample = Root() / "archivum" / "minta.qvl";
    for (auto _ : state) {
        desk.app.Station().files.LoadProtocol(sample);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenSampleIntoTheWindow)->Unit(benchmark::kMillisecond);

// A click on the "G" box of answer 1: the sign is entered and every figure label, list row and
// column it changes is redrawn before the click returns. The removal that keeps the answer
// from filling up is not timed.
void BM_SignBoxClickToLabelsUpdated(benchmark::State& state) {
    Desk desk;
    desk.ShowAndPaint();
    auto& station = desk.app.Station();
    station.files.LoadProtocol(Root() / "archivum" / "minta.qvl");
    auto* box = desk.app.MainWindow().findChild<SignBox*>(QStringLiteral("SignBox400"));
    auto* formula = desk.app.MainWindow().findChild<QLabel*>(QStringLiteral("Figure8"));
    for (auto _ : state) {
        box->click();
        benchmark::DoNotOptimize(formula->text());
        state.PauseTiming();
        auto last = station.session.Columns().Entries(SignColumn::Locations).size() - 1;
        station.scoring.RemoveColumnEntry(SignColumn::Locations, last);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SignBoxClickToLabelsUpdated)->Unit(benchmark::kMicrosecond);

// The examination windows opened from their menu items over a full protocol (90 answers of 30
// signs, each coded): each computes what it shows on opening and is painted once. Closing it
// is not timed.
constexpr std::string_view kExaminationWindows[] = {
    "SzemAdForm",  "NeigerForm",     "SzeiForm",    "SzeiErtForm", "AttetelForm",  "AttetelErtForm",
    "AlkoholForm", "SzenziParaForm", "KiegInfForm", "SzertForm",   "EredmenyForm", "KlinListForm",
};

void BM_OpenExaminationWindowOnFullProtocol(benchmark::State& state) {
    Desk desk;
    desk.ShowAndPaint();
    auto full = bench::FullProtocol();
    auto file = Root() / "archivum" / "teljes.qvl";
    ReplaceFileAtomically(file, SerializeProtocol(full.protocol, full.texts));
    desk.app.Station().files.LoadProtocol(file);
    desk.app.Station().scoring.SelectAnswer(45);
    auto name = kExaminationWindows[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(name));
    auto& windows = desk.app.Windows();
    auto* window = windows.Window(name);
    for (auto _ : state) {
        windows.Show(name);
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        if (auto* dialog = qobject_cast<QDialog*>(window)) {
            dialog->done(QDialog::Rejected);
        } else {
            window->hide();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenExaminationWindowOnFullProtocol)
    ->DenseRange(0, static_cast<int>(std::size(kExaminationWindows)) - 1)
    ->Unit(benchmark::kMillisecond);

// The experience-type chart painted whole (441 cells, grid, captions and numbers), as the graph
// window repaints it, into an image of its size.
void BM_PaintExperienceTypeChart(benchmark::State& state) {
    Desk desk;
    desk.ShowAndPaint();
    desk.app.Windows().Show("ETgrafForm");
    QApplication::processEvents();
    auto* chart = desk.app.Windows().Window("ETgrafForm")->findChild<QWidget*>(QStringLiteral("Chart"));
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintExperienceTypeChart)->Unit(benchmark::kMillisecond);

// The location tables on a card picture of 1000 x 700 pixels (the shipped card scaled up and
// written once as a JPEG): its "táblák" item to the window painted, the picture decoded, turned
// into an image and drawn stretched.
void BM_LocationTablesDecodeAndShowCard(benchmark::State& state) {
    Desk desk;
    desk.ShowAndPaint();
    auto file = Root() / "tablak" / "10.jpg";
    QImage card(ToQt(file.string()));
    card.scaled(1000, 700, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(ToQt(file.string()), "JPG", 90);
    auto& windows = desk.app.Windows();
    auto* window = windows.Window("LokTabForm");
    windows.Show("LokTabForm");
    auto* item = window->findChild<QAction*>(QStringLiteral("Xtbla1"));
    item->trigger();
    if (window->findChild<PictureView*>()->Image().size() != QSize(1000, 700)) {
        state.SkipWithError("the card picture of 1000 x 700 is not shown");
        return;
    }
    for (auto _ : state) {
        item->trigger();
        window->repaint();
    }
}
BENCHMARK(BM_LocationTablesDecodeAndShowCard)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quelvarin::ui

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    quelvarin::ui::PrepareApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
