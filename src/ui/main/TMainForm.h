#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"
#include "workstation/LocationTablesDesk.h"
#include "workstation/MainWindowLayout.h"
#include "workstation/ProgramInfoDesk.h"
#include "workstation/ProtocolFilesDesk.h"
#include "workstation/ProtocolLifecycle.h"
#include "workstation/ReportsDesk.h"
#include "workstation/ScoringDesk.h"
#include "workstation/SignHelpDesk.h"
#include "workstation/StatisticsDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string_view>

class QAction;

namespace quelvarin::ui {

class AnswerPanel;
class SignPicker;
class TimingPanel;

// What the main window works with.
struct MainDesks {
    ScoringDesk& scoring;
    SignHelpDesk& help;
    IndicesDesk& indices;
    TopicHelpDesk& topics;
    ProtocolFilesDesk& files;
    ProtocolLifecycle& lifecycle;
    ReportsDesk& reports;
    StatisticsDesk& statistics;
    const ProgramInfoDesk& programInfo;
    LocationTablesDesk& locations;
};

// The examiner's desk: the answer panel, the timing panel, the sign picker with the figures,
// the toolbar and the menus. It lays its panels out, has the other windows made, and forwards
// the toolbar's and the menus' commands to the desks.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(MainDesks desks, WindowContext& context);

    // The start after the window is shown: the recovery copy, the texts of an earlier run and
    // the protocol file given on the command line, as the protocol's life has them.
    void StartUp(const std::optional<std::filesystem::path>& file);

    SignPicker* Picker() const { return m_picker; }
    AnswerPanel* Answers() const { return m_answers; }
    TimingPanel* Timing() const { return m_timing; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolbar();
    void BuildMenus();
    QAction* Action(std::string_view caption, const QString& name, std::string_view hint = {});
    void OpenWordDocument();
    void OpenPage(bool protocolPage);
    // Opens a document in the desktop's program for it; a page that cannot be shown is told.
    void OpenDocument(const std::filesystem::path& path, bool reportFailure);
    void UpdateCaption();
    void UpdateCardGlyph();
    void NewProtocol();
    void UpdateModes();

    MainDesks m_desks;
    WindowContext& m_context;
    QTimer m_recoveryTimer;
    bool m_quitting = false;

    AnswerPanel* m_answers = nullptr;
    TimingPanel* m_timing = nullptr;
    SignPicker* m_picker = nullptr;

    QAction* m_helpEditMode = nullptr;
    QAction* m_soundMagyar = nullptr;
    QAction* m_soundEnglish = nullptr;
    QAction* m_showJpg = nullptr;
    QAction* m_showBmp = nullptr;
};

} // namespace quelvarin::ui
