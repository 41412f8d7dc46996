#pragma once

#include "model/AnswerTextStore.h"
#include "platform/Clock.h"
#include "ui/app/QtFileChooser.h"
#include "ui/app/QtNotifier.h"
#include "ui/app/UiServices.h"
#include "ui/app/WindowContext.h"
#include "ui/app/WindowRegistry.h"
#include "ui/bridge/SessionSignals.h"
#include "ui/main/TMainForm.h"
#include "workstation/SoundPlayer.h"
#include "workstation/Workstation.h"

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

class QApplication;

namespace quelvarin::ui {

// The program's own settings for a QApplication: the Hungarian translations of Qt's dialogs,
// one style and one pixel font, so that the fixed-size windows look the same on every screen.
void PrepareApplication(QApplication& application);

// The workstation over a root: the core's services, the session and desks, the session's
// signals, the window registry and the windows. The program makes it with the desktop's
// services; the tests with their own.
class WorkstationApp {
public:
    WorkstationApp(const std::filesystem::path& root, UiServices& services, SoundPlayer& sound,
                   const Clock& clock);

    Workstation& Station() { return m_station; }
    TMainForm& MainWindow() { return *m_window; }
    const WindowRegistry& Windows() const { return m_windows; }

private:
    QtNotifier m_notifier;
    QtFileChooser m_chooser;
    FileAnswerTextStore m_texts;
    Workstation m_station;
    SessionSignals m_signals;
    WindowRegistry m_windows;
    WindowContext m_context;
    std::unique_ptr<TMainForm> m_window;
};

// The program: the command line, the root (seeded when missing), and the main window, or the
// sample's figures on standard output where there is no display.
int RunWorkstation(int argc, char** argv);

} // namespace quelvarin::ui
