#include "ui/app/WorkstationApp.h"

#include "platform/InstallPaths.h"
#include "platform/Version.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/answers/TValaszForm.h"
#include "ui/app/DesktopServices.h"
#include "ui/app/QtSoundPlayer.h"
#include "ui/app/QtText.h"
#include "ui/graph/TETgrafForm.h"
#include "ui/help/TAboutForm.h"
#include "ui/help/THelpForm.h"
#include "ui/help/TTextEdForm.h"
#include "ui/indices/TAlkoholForm.h"
#include "ui/indices/TAttetelErtForm.h"
#include "ui/indices/TAttetelForm.h"
#include "ui/indices/TKiegInfForm.h"
#include "ui/indices/TNeigerForm.h"
#include "ui/indices/TSzeiErtForm.h"
#include "ui/indices/TSzeiForm.h"
#include "ui/indices/TSzenziParaForm.h"
#include "ui/inspection/TFeleletForm.h"
#include "ui/inspection/TFiokForm.h"
#include "ui/joint/TKRVForm.h"
#include "ui/joint/TKRVSzemForm.h"
#include "ui/locations/TLokTabForm.h"
#include "ui/personal/TKlinListForm.h"
#include "ui/personal/TListaForm.h"
#include "ui/personal/TSzemAdForm.h"
#include "ui/reports/TEredmenyForm.h"
#include "ui/reports/TSzertForm.h"
#include "ui/signhelp/SignHelpForm.h"
#include "ui/statistics/TStatForm.h"
#include "ui/statistics/TStatMutatForm.h"
#include "ui/statistics/TUjStatForm.h"
#include "workstation/AppTexts.h"
#include "workstation/FiguresJson.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

namespace quelvarin::ui {

namespace fs = std::filesystem;

namespace {

struct Invocation {
    fs::path root = InstallPaths::DefaultRoot();
    std::optional<fs::path> file;
};

std::optional<Invocation> ParseArguments(const std::vector<std::string>& args) {
    Invocation invocation;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--root" && i + 1 < args.size() && !args[i + 1].empty()) {
            invocation.root = args[++i];
        } else if (!args[i].empty() && args[i][0] != '-' && !invocation.file) {
            invocation.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    return invocation;
}

bool DisplayAvailable() {
#if defined(__linux__)
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// Without a display: the figures of the protocol (the sample by default), as quelvarin-cli
// prints them, read without touching the root.
int PrintFigures(const Invocation& invocation) {
    auto file = invocation.file.value_or(InstallPaths(invocation.root).ArchiveFolder() / "minta.qvl");
    std::cout << window_texts::kNoDisplay << file.string() << std::endl;
    struct ToStandardError : Notifier {
        void Message(std::string_view text) override { std::cerr << text << '\n'; }
        bool Ask(std::string_view) override { return false; }
    } notifier;
    MemoryAnswerTextStore texts;
    SilentSoundPlayer sound;
    SystemClock clock;
    NoFileChooser chooser;
    Workstation station({InstallPaths(invocation.root), notifier, texts, sound, clock, chooser},
                        ProtocolFilesDesk::Recovery::Off);
    if (!station.files.LoadProtocol(file)) {
        return 2;
    }
    std::cout << FiguresJson(station.session);
    return 0;
}

// The windows other than the main window, in their order, each over its desks.
void MakeWindows(Workstation& w, WindowContext& context, WindowRegistry& windows, QWidget* main) {
    windows.Register("JelSugForm", new TJelSugForm(w.help, context, main));
    windows.Register("ErtSugForm", new TErtSugForm(w.help, context, main));
    windows.Register("LokTabForm", new TLokTabForm(w.locations, context, main));
    windows.Register("TSZValForm", new TTSZValForm(w.scoring, context, main));
    windows.Register("FeleletForm", new TFeleletForm(w.inspection, context, main));
    windows.Register("EredmenyForm", new TEredmenyForm(w.reports, context, main));
    windows.Register("FiokForm", new TFiokForm(w.inspection, context, main));
    windows.Register("ValaszForm", new TValaszForm(w.scoring, context, main));
    windows.Register("NeigerForm", new TNeigerForm(w.indices, w.topics, context, main));
    windows.Register("HelpForm", new THelpForm(w.topics, context, main));
    windows.Register("KiegInfForm", new TKiegInfForm(w.indices, w.topics, context, main));
    windows.Register("SzemAdForm", new TSzemAdForm(w.personal, w.topics, context, main));
    windows.Register("ListaForm", new TListaForm(w.personal, context, main));
    windows.Register("KlinListForm", new TKlinListForm(w.personal, w.topics, context, main));
    windows.Register("SzeiForm", new TSzeiForm(w.indices, w.topics, context, main));
    windows.Register("AttetelForm", new TAttetelForm(w.indices, w.topics, context, main));
    windows.Register("AlkoholForm", new TAlkoholForm(w.indices, w.topics, context, main));
    windows.Register("ETgrafForm", new TETgrafForm(w.experienceGraph, w.topics, context, main));
    windows.Register("AboutForm", new TAboutForm(w.programInfo, context, main));
    windows.Register("KRVForm", new TKRVForm(w.joint, w.topics, context, main));
    windows.Register("KRVSzemForm", new TKRVSzemForm(w.joint, context, main));
    windows.Register("SzeiErtForm", new TSzeiErtForm(w.indices, context, main));
    windows.Register("AttetelErtForm", new TAttetelErtForm(w.indices, context, main));
    windows.Register("SzertForm", new TSzertForm(w.reports, context, main));
    windows.Register("TextEdForm", new TTextEdForm(w.textFiles, context, main));
    windows.Register("SzenziParaForm", new TSzenziParaForm(w.indices, context, main));
    windows.Register("StatForm", new TStatForm(w.statisticsFiles, context, main));
    windows.Register("UjStatForm", new TUjStatForm(w.statisticsFiles, context, main));
    windows.Register("StatMutatForm", new TStatMutatForm(w.statisticsFiles, context, main));
}

} // namespace

void PrepareApplication(QApplication& application) {
    application.setApplicationName(ToQt(window_texts::kProgramName));
    application.setApplicationVersion(ToQt(kVersion));
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Sizes in pixels, as the fixed window is laid out in pixels.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

WorkstationApp::WorkstationApp(const fs::path& root, UiServices& services, SoundPlayer& sound,
                               const Clock& clock)
    : m_notifier(services), m_chooser(services), m_texts(InstallPaths(root)),
      m_station({InstallPaths(root), m_notifier, m_texts, sound, clock, m_chooser},
                ProtocolFilesDesk::Recovery::Kept),
      m_signals(m_station.session), m_windows([this](WindowRegistry& windows, QWidget* main) {
          MakeWindows(m_station, m_context, windows, main);
      }),
      m_context{m_signals, services, m_windows} {
    auto& w = m_station;
    m_window =
        std::make_unique<TMainForm>(MainDesks{w.scoring, w.help, w.indices, w.topics, w.files, w.lifecycle,
                                              w.reports, w.statistics, w.programInfo, w.locations},
                                    m_context);
}

int RunWorkstation(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (std::any_of(args.begin(), args.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        std::cout << window_texts::kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "quelvarin " << kVersion << '\n';
        return 0;
    }
    auto invocation = ParseArguments(args);
    if (!invocation) {
        std::cerr << window_texts::kUsage;
        return 1;
    }
    if (!EnsureInstallTree(invocation->root, FindShippedTree(fs::absolute(argv[0])))) {
        std::cerr << "A telepítési fa (" << invocation->root.string() << ") nem hozható létre.\n";
        return 2;
    }
    if (!DisplayAvailable()) {
        return PrintFigures(*invocation);
    }

    QApplication application(argc, argv);
    PrepareApplication(application);
    DesktopServices services;
    QtSoundPlayer sound;
    SystemClock clock;
    WorkstationApp workstation(invocation->root, services, sound, clock);
    workstation.MainWindow().show();
    workstation.MainWindow().StartUp(invocation->file);
    return application.exec();
}

} // namespace quelvarin::ui
