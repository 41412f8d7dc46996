#include "ui/main/TMainForm.h"

#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/main/AnswerPanel.h"
#include "ui/main/SignPicker.h"
#include "ui/main/TimingPanel.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SharedKeys.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/MainWindowTexts.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace quelvarin::ui {

namespace texts = window_texts;
namespace menu = window_texts::menu;
namespace fs = std::filesystem;
using namespace main_window;

TMainForm::TMainForm(MainDesks desks, WindowContext& context)
    : QMainWindow(nullptr), m_desks(desks), m_context(context) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowIcon(QIcon(ToQt(desks.programInfo.Icon().string())));

    auto* client = Named(new QWidget(this), QStringLiteral("ClientArea"));
    setCentralWidget(client);
    // Laid out in pixels below the toolbar, as the fixed window is.
    constexpr int kAreaHeight = kClientHeight - kToolbarHeight;
    m_answers = new AnswerPanel({desks.scoring, desks.help, desks.indices}, context, client);
    m_answers->setGeometry(kAnswerPanelLeft, 4, 450, 500);
    m_timing = new TimingPanel(desks.scoring, context, client);
    m_timing->setGeometry(4, 520, 440, 90);
    m_picker = new SignPicker({desks.scoring, desks.help, desks.topics}, context, client);
    m_picker->setGeometry(458, 4, kClientWidth - 462, kAreaHeight - 8);
    // A press on a SignColumn shows its page; a page shown marks its column.
    connect(m_answers, &AnswerPanel::columnPressed, m_picker, &QTabWidget::setCurrentIndex);
    connect(m_picker, &QTabWidget::currentChanged, m_answers, &AnswerPanel::MarkColumnOfPage);

    // The windows of the workstation, made once, in their order; then what shows them.
    context.windows.MakeWindows(this);
    context.windows.MakeActions(this);
    BuildToolbar();
    BuildMenus();
    // The keys of the toolbar and the menus work in the windows kept beside this one as well.
    QList<QAction*> keyed;
    for (auto* action : findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            keyed.append(action);
        }
    }
    for (const auto& entry : context.windows.Entries()) {
        if (qobject_cast<ToolWindow*>(entry.window)) {
            ShareKeys(entry.window, keyed);
        }
    }

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::personalDataChanged, this, &TMainForm::UpdateCaption);
    connect(&signals, &SessionSignals::protocolReplaced, this, &TMainForm::UpdateCaption);
    connect(&signals, &SessionSignals::selectionChanged, this, &TMainForm::UpdateCardGlyph);
    connect(&signals, &SessionSignals::modeChanged, this, &TMainForm::UpdateModes);

    // The client area is fixed; the menu bar sits above it.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(1, 1);
    UpdateCaption();
    UpdateModes();
    UpdateCardGlyph();
    m_answers->MarkColumnOfPage(0);

    // The recovery copy follows the changes within a second.
    m_recoveryTimer.setInterval(250);
    connect(&m_recoveryTimer, &QTimer::timeout, this, [this] { m_desks.files.WriteRecoveryCopyIfDue(); });
    m_recoveryTimer.start();
}

QAction* TMainForm::Action(std::string_view caption, const QString& name, std::string_view hint) {
    auto* action = Named(new QAction(ToQt(caption), this), name, {}, hint);
    if (!hint.empty()) {
        action->setStatusTip(ToQt(hint));
    }
    return action;
}

void TMainForm::BuildToolbar() {
    auto* bar = Named(new QToolBar(this), QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setFixedHeight(kToolbarHeight);
    addToolBar(bar);

    auto& lifecycle = m_desks.lifecycle;
    auto* newProtocol = Action(texts::kNewButton.caption, QStringLiteral("UjRoGomb"), texts::kNewButton.hint);
    auto* open = Action(texts::kOpenButton.caption, QStringLiteral("NyitGomb"), texts::kOpenButton.hint);
    auto* save = Action(texts::kSaveButton.caption, QStringLiteral("MentGomb"), texts::kSaveButton.hint);
    auto* word = Action(texts::kWordButton.caption, QStringLiteral("DocGomb"), texts::kWordButton.hint);
    newProtocol->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    word->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(newProtocol, &QAction::triggered, this, &TMainForm::NewProtocol);
    connect(open, &QAction::triggered, this, [&lifecycle] { lifecycle.OpenProtocol(); });
    connect(save, &QAction::triggered, this, [&lifecycle] { lifecycle.SaveProtocol(); });
    connect(word, &QAction::triggered, this, &TMainForm::OpenWordDocument);
    for (auto* action : {newProtocol, open, save, word}) {
        bar->addAction(action);
    }
    bar->addSeparator();
    for (auto name : {"JelSugForm", "ErtSugForm", "ValaszForm", "LokTabForm"}) {
        bar->addAction(m_context.windows.Toggle(name));
    }
}

void TMainForm::BuildMenus() {
    auto* bar = Named(menuBar(), QStringLiteral("MainMenu"));
    auto& windows = m_context.windows;
    auto item = [](QMenu* into, std::string_view caption, const QString& name) {
        return Named(into->addAction(ToQt(caption)), name);
    };
    // An item that does nothing yet: shown, greyed.
    auto later = [&](QMenu* into, std::string_view caption, const QString& name) {
        item(into, caption, name)->setEnabled(false);
    };
    auto& lifecycle = m_desks.lifecycle;

    auto* files = Named(bar->addMenu(ToQt(menu::kFiles)), QStringLiteral("FilesMenu"));
    connect(item(files, menu::kNewProtocol, QStringLiteral("NewProtocolItem")), &QAction::triggered, this,
            &TMainForm::NewProtocol);
    connect(item(files, menu::kOpen, QStringLiteral("OpenItem")), &QAction::triggered, this,
            [&lifecycle] { lifecycle.OpenProtocol(); });
    connect(item(files, menu::kSave, QStringLiteral("SaveItem")), &QAction::triggered, this,
            [&lifecycle] { lifecycle.SaveProtocol(); });
    // The items the menu bar keeps out of sight, offered together.
    auto* maintenance = Named(files->addMenu(ToQt(menu::kMaintenance)), QStringLiteral("MaintenanceMenu"));
    m_helpEditMode = item(maintenance, menu::kHelpEditMode, QStringLiteral("HelpEditModeItem"));
    m_helpEditMode->setCheckable(true);
    connect(m_helpEditMode, &QAction::triggered, this,
            [this] { m_desks.help.SetHelpEditMode(!m_desks.help.State().HelpEditMode()); });
    maintenance->addAction(windows.MenuItem("TextEdForm"));
    connect(item(maintenance, menu::kSummaryExport, QStringLiteral("SummaryExportItem")), &QAction::triggered,
            this, [this] { m_desks.statistics.ExportSummary(); });
    connect(item(maintenance, menu::kRegenerateHelpPages, QStringLiteral("HelpPagesItem")),
            &QAction::triggered, this, [this] { m_desks.reports.RegenerateHelpPages(); });
    maintenance->addAction(windows.MenuItem("KRVForm"));
    m_showJpg = item(maintenance, menu::kShowJpg, QStringLiteral("ShowJpgItem"));
    m_showBmp = item(maintenance, menu::kShowBmp, QStringLiteral("ShowBmpItem"));
    for (auto* type : {m_showJpg, m_showBmp}) {
        type->setCheckable(true);
        connect(type, &QAction::triggered, this, [this, type] {
            m_desks.locations.SetPictureExtension(type == m_showBmp ? PictureExtension::Bmp
                                                                    : PictureExtension::Jpg);
            UpdateModes(); // choosing the type shown keeps its check
        });
    }
    files->addSeparator();
    auto* quit = item(files, menu::kQuit, QStringLiteral("QuitItem"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [this] {
        if (m_desks.lifecycle.Quit()) {
            m_quitting = true;
            close();
        }
    });

    auto* examination = Named(bar->addMenu(ToQt(menu::kExamination)), QStringLiteral("ExaminationMenu"));
    for (auto name : {"SzemAdForm", "KiegInfForm", "NeigerForm", "AlkoholForm", "SzenziParaForm", "SzertForm",
                      "EredmenyForm"}) {
        examination->addAction(windows.MenuItem(name));
    }
    connect(item(examination, menu::kProtocolPage, QStringLiteral("ProtocolPageItem")), &QAction::triggered,
            this, [this] { OpenPage(true); });
    connect(item(examination, menu::kExaminationSheet, QStringLiteral("ExaminationSheetItem")),
            &QAction::triggered, this, [this] { OpenPage(false); });
    connect(item(examination, menu::kWordDocument, QStringLiteral("WordDocumentItem")), &QAction::triggered,
            this, &TMainForm::OpenWordDocument);

    auto* statistics = Named(bar->addMenu(ToQt(menu::kStatistics)), QStringLiteral("StatisticsMenu"));
    statistics->addAction(windows.MenuItem("StatForm"));
    statistics->addAction(windows.MenuItem("CsopCsatForm"));

    auto* show = Named(bar->addMenu(ToQt(menu::kShow)), QStringLiteral("ShowMenu"));
    for (auto name : {"JelSugForm", "ErtSugForm", "ValaszForm", "LokTabForm"}) {
        show->addAction(windows.MenuItem(name));
    }
    later(show, menu::kShowCards, QStringLiteral("ShowCardsItem"));
    for (auto name : {"ETgrafForm", "FeleletForm", "FiokForm"}) {
        show->addAction(windows.MenuItem(name));
    }

    auto* settings = Named(bar->addMenu(ToQt(menu::kSettings)), QStringLiteral("SettingsMenu"));
    m_soundMagyar = item(settings, menu::kSoundMagyar, QStringLiteral("SoundMagyarItem"));
    m_soundEnglish = item(settings, menu::kSoundEnglish, QStringLiteral("SoundEnglishItem"));
    for (auto* sound : {m_soundMagyar, m_soundEnglish}) {
        sound->setCheckable(true);
        // Choosing the checked language again turns the sounds off.
        connect(sound, &QAction::triggered, this, [this, sound](bool on) {
            auto language = sound == m_soundMagyar ? SoundLanguage::Magyar : SoundLanguage::Angol;
            m_desks.scoring.SetSoundLanguage(on ? language : SoundLanguage::None);
        });
    }
    connect(item(settings, menu::kOwnWordTemplate, QStringLiteral("OwnWordTemplateItem")),
            &QAction::triggered, this, [this] {
                if (auto path = m_desks.reports.OwnWordTemplate()) {
                    OpenDocument(*path, false);
                }
            });
    settings->addAction(windows.MenuItem("KonfBeForm"));
    settings->addAction(windows.MenuItem("KonfKiForm"));

    auto* help = Named(bar->addMenu(ToQt(menu::kHelp)), QStringLiteral("HelpMenu"));
    help->addAction(windows.MenuItem("AboutForm"));

    // The keyboard reaches every menu: F10 opens the first.
    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this, [bar, files] { bar->setActiveAction(files->menuAction()); });
    // Alt+1..5 show the picker's pages.
    for (int tab = 0; tab < picker::kPageCount; ++tab) {
        auto* key = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + tab)), this);
        connect(key, &QShortcut::activated, this, [this, tab] { m_picker->setCurrentIndex(tab); });
    }
}

void TMainForm::NewProtocol() {
    // The new subject's personal data come first.
    if (m_desks.lifecycle.NewProtocol()) {
        m_context.windows.Show("SzemAdForm");
    }
}

void TMainForm::UpdateModes() {
    const auto& state = m_desks.scoring.State();
    m_helpEditMode->setChecked(state.HelpEditMode());
    auto language = state.CurrentSoundLanguage();
    m_soundMagyar->setChecked(language == SoundLanguage::Magyar);
    m_soundEnglish->setChecked(language == SoundLanguage::Angol);
    auto bitmaps = m_desks.locations.Extension() == PictureExtension::Bmp;
    m_showJpg->setChecked(!bitmaps);
    m_showBmp->setChecked(bitmaps);
}

void TMainForm::UpdateCaption() {
    setWindowTitle(ToQt(texts::MainWindowCaption(m_desks.scoring.State().CurrentProtocol().personal.code)));
}

void TMainForm::UpdateCardGlyph() {
    if (auto glyph = m_desks.scoring.CardGlyph()) {
        m_context.windows.Toggle("LokTabForm")->setIcon(QIcon(ToQt(glyph->string())));
    }
}

void TMainForm::OpenWordDocument() {
    if (auto document = m_desks.reports.WordDocument()) {
        // Whether the word processor starts is the desktop's business: a failure is not reported.
        OpenDocument(*document, false);
    }
}

void TMainForm::OpenPage(bool protocolPage) {
    auto path = protocolPage ? m_desks.reports.WriteProtocolPage() : m_desks.reports.WriteExaminationSheet();
    if (path) {
        OpenDocument(*path, true);
    }
}

void TMainForm::OpenDocument(const fs::path& path, bool reportFailure) {
    auto& services = m_context.services;
    if (!services.OpenDocument(ToQt(path.string())) && reportFailure) {
        services.ShowMessage(this, ToQt(texts::CannotOpenDocument(path.string())), MessageKind::Warning);
    }
}

void TMainForm::StartUp(const std::optional<fs::path>& file) {
    m_desks.lifecycle.StartUp(file);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // "kilépés a programból" has asked what it asks already.
    if (!m_quitting && !m_desks.lifecycle.Exit()) {
        event->ignore();
        return;
    }
    m_recoveryTimer.stop();
    event->accept();
}

} // namespace quelvarin::ui
