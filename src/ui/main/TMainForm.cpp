#include "ui/main/TMainForm.h"

#include "ui/answers/TTSZValForm.h"
#include "ui/answers/TValaszForm.h"
#include "ui/app/QtText.h"
#include "ui/help/TAboutForm.h"
#include "ui/help/THelpForm.h"
#include "ui/help/TTextEdForm.h"
#include "ui/inspection/TFeleletForm.h"
#include "ui/inspection/TFiokForm.h"
#include "ui/main/AnswerPanel.h"
#include "ui/main/SignPicker.h"
#include "ui/main/TimingPanel.h"
#include "ui/signhelp/SignHelpForm.h"
#include "workstation/MainWindowTexts.h"
#include "workstation/Messages.h"
#include "workstation/ProtocolFileTexts.h"
#include "workstation/WordDocument.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace quelvarin::ui {

namespace texts = window_texts;
namespace menu = window_texts::menu;
namespace fs = std::filesystem;

namespace {

constexpr int kToolbarHeight = 34;

} // namespace

TMainForm::TMainForm(Workstation& station, UiServices& services, Notifier& notifier, const Clock& clock,
                     QWidget* parent)
    : QMainWindow(parent), m_station(station), m_services(services), m_notifier(notifier),
      m_signals(station.session) {
    setObjectName(QStringLiteral("TMainForm"));
    const auto& paths = station.session.Paths();
    setWindowIcon(QIcon(ToQt(paths.ProgramIconFile().string())));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    // Laid out in pixels below the toolbar, as the fixed window is.
    constexpr int kAreaHeight = kClientHeight - kToolbarHeight;
    m_answers = new AnswerPanel(station.scoring, station.help, station.indices, services, client);
    m_answers->setGeometry(4, 4, 450, 500);
    m_timing = new TimingPanel(station.scoring, clock, client);
    m_timing->setGeometry(4, 520, 440, 90);
    m_picker = new SignPicker({station.scoring, station.help}, client);
    m_picker->setGeometry(458, 4, kClientWidth - 462, kAreaHeight - 8);

    // The windows of the examiner's desk, made once, in the order of the start-up.
    m_jelSug = new TJelSugForm(station.help, this);
    m_ertSug = new TErtSugForm(station.help, this);
    m_cardChoice = new TTSZValForm(station.scoring, this);
    m_rawAnswers = new TFeleletForm(station.session, this);
    m_counters = new TFiokForm(station.session, this);
    m_valasz = new TValaszForm(station.scoring, paths, this);
    m_topicHelp = new THelpForm(paths, notifier, this);
    m_textEditor = new TTextEdForm(services, notifier, this);
    m_about = new TAboutForm(paths, this);

    BuildToolbar();
    BuildMenus();
    ConnectSession();

    // The client area is fixed; the menu bar sits above it.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(1, 1);
    UpdateCaption();
    UpdateModes();
    m_answers->MarkColumnOfPage(0);

    // The recovery copy follows the changes within a second.
    m_recoveryTimer.setInterval(250);
    connect(&m_recoveryTimer, &QTimer::timeout, this, [this] { m_station.files.WriteRecoveryCopyIfDue(); });
    m_recoveryTimer.start();
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::Action(std::string_view caption, const QString& name, std::string_view hint) {
    auto* action = new QAction(ToQt(caption), this);
    action->setObjectName(name);
    if (!hint.empty()) {
        action->setToolTip(ToQt(hint));
        action->setStatusTip(ToQt(hint));
    }
    return action;
}

void TMainForm::Bind(QAction* toggle, QWidget* window) {
    toggle->setCheckable(true);
    connect(toggle, &QAction::toggled, window, [window](bool on) {
        if (on != window->isVisible()) {
            window->setVisible(on);
        }
    });
}

void TMainForm::BuildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setFixedHeight(kToolbarHeight);
    addToolBar(bar);

    auto* newProtocol = Action(texts::kNewButton.caption, QStringLiteral("UjRoGomb"), texts::kNewButton.hint);
    auto* open = Action(texts::kOpenButton.caption, QStringLiteral("NyitGomb"), texts::kOpenButton.hint);
    auto* save = Action(texts::kSaveButton.caption, QStringLiteral("MentGomb"), texts::kSaveButton.hint);
    auto* word = Action(texts::kWordButton.caption, QStringLiteral("DocGomb"), texts::kWordButton.hint);
    newProtocol->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    word->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(newProtocol, &QAction::triggered, this, &TMainForm::NewProtocol);
    connect(open, &QAction::triggered, this, &TMainForm::OpenProtocol);
    connect(save, &QAction::triggered, this, [this] { SaveProtocol(); });
    connect(word, &QAction::triggered, this, &TMainForm::OpenWordDocument);

    m_scoringHelpToggle = Action(texts::kScoringHelpButton.caption, QStringLiteral("JelolGomb"),
                                 texts::kScoringHelpButton.hint);
    m_interpretationHelpToggle = Action(texts::kInterpretationHelpButton.caption,
                                        QStringLiteral("ErtelmGomb"), texts::kInterpretationHelpButton.hint);
    m_answerTextToggle = Action(texts::kAnswerTextButton.caption, QStringLiteral("FeleletGomb"),
                                texts::kAnswerTextButton.hint);
    m_locationTablesToggle = Action(texts::kLocationTablesButton.caption, QStringLiteral("LokGomb"),
                                    texts::kLocationTablesButton.hint);
    m_scoringHelpToggle->setShortcut(QKeySequence(Qt::Key_F5));
    m_interpretationHelpToggle->setShortcut(QKeySequence(Qt::Key_F6));
    m_answerTextToggle->setShortcut(QKeySequence(Qt::Key_F7));
    Bind(m_scoringHelpToggle, m_jelSug);
    Bind(m_interpretationHelpToggle, m_ertSug);
    Bind(m_answerTextToggle, m_valasz);
    // The location tables come with their window.
    m_locationTablesToggle->setCheckable(true);
    m_locationTablesToggle->setEnabled(false);
    // The buttons stay down while their window is shown.
    connect(m_jelSug, &SignHelpForm::visibilityChanged, m_scoringHelpToggle, &QAction::setChecked);
    connect(m_ertSug, &SignHelpForm::visibilityChanged, m_interpretationHelpToggle, &QAction::setChecked);
    connect(m_valasz, &TValaszForm::visibilityChanged, m_answerTextToggle, &QAction::setChecked);
    connect(m_valasz, &TValaszForm::visibilityChanged, this, [this](bool shown) {
        if (shown) {
            m_valasz->Follow();
        }
    });

    for (auto* action : {newProtocol, open, save, word}) {
        bar->addAction(action);
    }
    bar->addSeparator();
    for (auto* action :
         {m_scoringHelpToggle, m_interpretationHelpToggle, m_answerTextToggle, m_locationTablesToggle}) {
        bar->addAction(action);
    }
    UpdateCardGlyph();
}

void TMainForm::BuildMenus() {
    auto* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    auto item = [](QMenu* into, std::string_view caption, const QString& name) {
        auto* action = into->addAction(ToQt(caption));
        action->setObjectName(name);
        return action;
    };
    // An item whose window comes later: shown, greyed.
    auto later = [&](QMenu* into, std::string_view caption, const QString& name) {
        item(into, caption, name)->setEnabled(false);
    };

    auto* files = bar->addMenu(ToQt(menu::kFiles));
    files->setObjectName(QStringLiteral("FilesMenu"));
    auto* newItem = item(files, menu::kNewProtocol, QStringLiteral("NewProtocolItem"));
    connect(newItem, &QAction::triggered, this, &TMainForm::NewProtocol);
    auto* openItem = item(files, menu::kOpen, QStringLiteral("OpenItem"));
    connect(openItem, &QAction::triggered, this, &TMainForm::OpenProtocol);
    auto* saveItem = item(files, menu::kSave, QStringLiteral("SaveItem"));
    connect(saveItem, &QAction::triggered, this, [this] { SaveProtocol(); });
    // The items the menu bar keeps out of sight, offered together.
    auto* maintenance = files->addMenu(ToQt(menu::kMaintenance));
    maintenance->setObjectName(QStringLiteral("MaintenanceMenu"));
    m_helpEditMode = item(maintenance, menu::kHelpEditMode, QStringLiteral("HelpEditModeItem"));
    m_helpEditMode->setCheckable(true);
    connect(m_helpEditMode, &QAction::triggered, this, &TMainForm::ToggleHelpEditMode);
    auto* textFile = item(maintenance, menu::kTextFile, QStringLiteral("TextFileItem"));
    connect(textFile, &QAction::triggered, m_textEditor, &QDialog::open);
    auto* summary = item(maintenance, menu::kSummaryExport, QStringLiteral("SummaryExportItem"));
    connect(summary, &QAction::triggered, this, &TMainForm::ExportSummary);
    auto* helpPages = item(maintenance, menu::kRegenerateHelpPages, QStringLiteral("HelpPagesItem"));
    connect(helpPages, &QAction::triggered, this, [this] { m_station.reports.RegenerateHelpPages(); });
    later(maintenance, menu::kNewJointExamination, QStringLiteral("JointExaminationItem"));
    later(maintenance, menu::kShowJpg, QStringLiteral("ShowJpgItem"));
    later(maintenance, menu::kShowBmp, QStringLiteral("ShowBmpItem"));
    files->addSeparator();
    auto* quit = item(files, menu::kQuit, QStringLiteral("QuitItem"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &TMainForm::Quit);

    auto* examination = bar->addMenu(ToQt(menu::kExamination));
    examination->setObjectName(QStringLiteral("ExaminationMenu"));
    later(examination, menu::kPersonalData, QStringLiteral("PersonalDataItem"));
    later(examination, menu::kSupplementary, QStringLiteral("SupplementaryItem"));
    later(examination, menu::kNeiger, QStringLiteral("NeigerItem"));
    later(examination, menu::kAlcoholism, QStringLiteral("AlcoholismItem"));
    later(examination, menu::kSensitivityParanoia, QStringLiteral("SensitivityParanoiaItem"));
    later(examination, menu::kInterpretation, QStringLiteral("InterpretationItem"));
    later(examination, menu::kGlossary, QStringLiteral("GlossaryItem"));
    auto* page = item(examination, menu::kProtocolPage, QStringLiteral("ProtocolPageItem"));
    connect(page, &QAction::triggered, this, [this] { OpenPage(true); });
    auto* sheet = item(examination, menu::kExaminationSheet, QStringLiteral("ExaminationSheetItem"));
    connect(sheet, &QAction::triggered, this, [this] { OpenPage(false); });
    auto* wordItem = item(examination, menu::kWordDocument, QStringLiteral("WordDocumentItem"));
    connect(wordItem, &QAction::triggered, this, &TMainForm::OpenWordDocument);

    auto* statistics = bar->addMenu(ToQt(menu::kStatistics));
    statistics->setObjectName(QStringLiteral("StatisticsMenu"));
    later(statistics, menu::kAttachCurrent, QStringLiteral("AttachCurrentItem"));
    later(statistics, menu::kAttachBatch, QStringLiteral("AttachBatchItem"));

    auto* show = bar->addMenu(ToQt(menu::kShow));
    show->setObjectName(QStringLiteral("ShowMenu"));
    const std::pair<QAction*, std::string_view> toggles[] = {
        {m_scoringHelpToggle, menu::kShowScoringHelp},
        {m_interpretationHelpToggle, menu::kShowInterpretationHelp},
        {m_answerTextToggle, menu::kShowAnswerTexts},
        {m_locationTablesToggle, menu::kShowLocationTables},
    };
    for (auto [toggle, caption] : toggles) {
        // The same action as the toolbar's, captioned as the menu has it: check and button
        // follow the window together.
        auto* mirror = show->addAction(ToQt(caption));
        mirror->setObjectName(toggle->objectName() + QStringLiteral("Item"));
        mirror->setCheckable(true);
        mirror->setEnabled(toggle->isEnabled());
        connect(mirror, &QAction::triggered, toggle, &QAction::setChecked);
        connect(toggle, &QAction::toggled, mirror, &QAction::setChecked);
    }
    later(show, menu::kShowCards, QStringLiteral("ShowCardsItem"));
    later(show, menu::kShowExperienceTypeGraph, QStringLiteral("ExperienceTypeGraphItem"));
    auto* raw = item(show, menu::kShowRawAnswers, QStringLiteral("RawAnswersItem"));
    connect(raw, &QAction::triggered, this, [this] {
        m_rawAnswers->Refresh();
        m_rawAnswers->show();
        m_rawAnswers->raise();
    });
    auto* counters = item(show, menu::kShowCounters, QStringLiteral("CountersItem"));
    connect(counters, &QAction::triggered, m_counters, &TFiokForm::Open);

    auto* settings = bar->addMenu(ToQt(menu::kSettings));
    settings->setObjectName(QStringLiteral("SettingsMenu"));
    m_soundMagyar = item(settings, menu::kSoundMagyar, QStringLiteral("SoundMagyarItem"));
    m_soundEnglish = item(settings, menu::kSoundEnglish, QStringLiteral("SoundEnglishItem"));
    for (auto* sound : {m_soundMagyar, m_soundEnglish}) {
        sound->setCheckable(true);
        // Choosing the checked language again turns the sounds off.
        connect(sound, &QAction::triggered, this, [this, sound](bool on) {
            auto language = sound == m_soundMagyar ? SoundLanguage::Magyar : SoundLanguage::Angol;
            m_station.scoring.SetSoundLanguage(on ? language : SoundLanguage::None);
        });
    }
    auto* ownTemplate = item(settings, menu::kOwnWordTemplate, QStringLiteral("OwnWordTemplateItem"));
    connect(ownTemplate, &QAction::triggered, this, [this] {
        if (auto path = PrepareOwnTemplate(m_station.session.Paths(), m_notifier)) {
            m_services.OpenDocument(ToQt(path->string()));
        }
    });
    later(settings, menu::kLoadLayout, QStringLiteral("LoadLayoutItem"));
    later(settings, menu::kSaveLayout, QStringLiteral("SaveLayoutItem"));

    auto* help = bar->addMenu(ToQt(menu::kHelp));
    help->setObjectName(QStringLiteral("HelpMenu"));
    auto* about = item(help, menu::kProgramInfo, QStringLiteral("ProgramInfoItem"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, m_about, &QDialog::open);

    // The keyboard reaches every menu: F10 opens the first.
    auto* menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this, [bar, files] { bar->setActiveAction(files->menuAction()); });
    // Alt+1..5 show the picker's pages.
    for (int tab = 0; tab < picker::kPageCount; ++tab) {
        auto* key = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + tab)), this);
        connect(key, &QShortcut::activated, this, [this, tab] { m_picker->setCurrentIndex(tab); });
    }
}

void TMainForm::ConnectSession() {
    connect(&m_signals, &SessionSignals::selectionChanged, this, [this] {
        m_answers->RefreshSelection();
        m_timing->Refresh();
        m_picker->Refresh();
        if (m_valasz->isVisible()) {
            m_valasz->Follow();
            m_valasz->raise();
        }
        UpdateCardGlyph();
    });
    connect(&m_signals, &SessionSignals::answerChanged, m_answers, &AnswerPanel::RefreshAnswer);
    connect(&m_signals, &SessionSignals::figuresRecomputed, m_picker, &SignPicker::Refresh);
    connect(&m_signals, &SessionSignals::cardTimesChanged, m_timing, &TimingPanel::Refresh);
    connect(&m_signals, &SessionSignals::protocolReplaced, this, [this] {
        m_answers->RefreshAll();
        m_timing->Refresh();
        m_picker->Refresh();
        m_valasz->Follow();
        m_rawAnswers->Refresh();
        UpdateCaption();
        UpdateCardGlyph();
    });
    connect(&m_signals, &SessionSignals::personalDataChanged, this, &TMainForm::UpdateCaption);
    connect(&m_signals, &SessionSignals::helpTextsShown, this, [this](int code) {
        m_jelSug->ShowSign(static_cast<SignCode>(code));
        m_ertSug->ShowSign(static_cast<SignCode>(code));
        // In HelpEditMode a click shows both windows with the sign's texts.
        if (m_station.session.HelpEditMode()) {
            m_jelSug->show();
            m_ertSug->show();
        }
    });
    connect(&m_signals, &SessionSignals::helpTextsCleared, this, [this] {
        m_jelSug->Clear();
        m_ertSug->Clear();
    });
    connect(&m_signals, &SessionSignals::modeChanged, this, &TMainForm::UpdateModes);

    connect(m_answers, &AnswerPanel::answerClicked, this, &TMainForm::ChooseAnswer);
    connect(m_answers, &AnswerPanel::cardRowClicked, this, &TMainForm::ChooseCardOf);
    connect(m_answers, &AnswerPanel::columnPressed, this,
            [this](int column) { m_picker->setCurrentIndex(column); });
    connect(m_picker, &QTabWidget::currentChanged, m_answers, &AnswerPanel::MarkColumnOfPage);
    connect(m_picker, &SignPicker::subVariantMenuWanted, this, &TMainForm::ShowSubVariantMenu);
    connect(m_picker, &SignPicker::topicHelpWanted, m_topicHelp, &THelpForm::ShowTopic);
}

// --- Answers and cards ------------------------------------------------------------------

void TMainForm::ChooseAnswer(int answer) {
    m_valasz->Flush();
    if (m_station.scoring.SelectAnswer(answer)) {
        OfferCardChoice();
    }
}

void TMainForm::ChooseCardOf(int answer) {
    m_valasz->Flush();
    // The card list asks for the card itself, once, also for a card of 0.
    m_station.scoring.SelectAnswer(answer, CardChoice::HeldBack);
    OfferCardChoice();
}

void TMainForm::OfferCardChoice() {
    auto corner = mapToGlobal(QPoint(m_answers->geometry().left() + m_answers->AnswerListRight(), 70));
    m_cardChoice->Offer(m_station.session.CurrentCard(), corner);
}

void TMainForm::ShowSubVariantMenu(SubVariantMenu menu) {
    const auto& popup = menu == SubVariantMenu::FH ? texts::kFHMenu : texts::kDzwMenu;
    QStringList items;
    for (auto caption : popup.items) {
        items.append(ToQt(caption));
    }
    auto chosen = m_services.ChooseFromMenu(this, mapToGlobal(QPoint(popup.left, popup.top)), items);
    if (chosen) {
        m_station.scoring.ChooseSubVariant(*chosen);
    }
}

// --- Modes ----------------------------------------------------------------------------------

void TMainForm::ToggleHelpEditMode() {
    // Both help windows close, their buttons come up, the mode flips, and both show again.
    m_jelSug->hide();
    m_ertSug->hide();
    m_station.help.SetHelpEditMode(!m_station.session.HelpEditMode());
    m_jelSug->show();
    m_ertSug->show();
}

void TMainForm::UpdateModes() {
    m_helpEditMode->setChecked(m_station.session.HelpEditMode());
    auto language = m_station.session.CurrentSoundLanguage();
    m_soundMagyar->setChecked(language == SoundLanguage::Magyar);
    m_soundEnglish->setChecked(language == SoundLanguage::Angol);
    m_picker->Refresh();
}

void TMainForm::UpdateCaption() {
    setWindowTitle(ToQt(texts::MainWindowCaption(m_station.session.CurrentProtocol().personal.code)));
}

void TMainForm::UpdateCardGlyph() {
    int card = m_station.session.CurrentCard();
    if (IsCard(card)) {
        m_locationTablesToggle->setIcon(QIcon(ToQt(m_station.session.Paths().CardGlyphFile(card).string())));
    }
}

// --- New, open, save ------------------------------------------------------------------------

bool TMainForm::OfferToSave() {
    m_valasz->Flush();
    if (m_station.session.ProtocolStarted() && m_notifier.Ask(messages::kAskSaveCurrent)) {
        return SaveProtocol();
    }
    return true;
}

void TMainForm::NewProtocol() {
    // A save that was wanted and did not happen (cancelled or failed) keeps the protocol.
    if (!OfferToSave()) {
        return;
    }
    m_station.files.NewProtocol(m_lastSaveName);
}

void TMainForm::OpenProtocol() {
    if (m_station.session.Modified() && !OfferToSave()) {
        return;
    }
    auto folder = ToQt(m_station.session.Paths().ArchiveFolder().string());
    auto chosen = m_services.ChooseFileToOpen(
        this, {ToQt(texts::kOpenDialogTitle), folder, ToQt(texts::kProtocolFilter), {}, {}});
    if (chosen) {
        m_station.files.LoadProtocol(FromQt(*chosen));
    }
}

bool TMainForm::SaveProtocol() {
    m_valasz->Flush();
    const auto& code = m_station.session.CurrentProtocol().personal.code;
    auto folder = ToQt(m_station.session.Paths().ArchiveFolder().string());
    auto chosen = m_services.ChooseFileToSave(this, {ToQt(texts::kSaveDialogTitle), folder,
                                                     ToQt(texts::kProtocolFilter), ToQt(code),
                                                     ToQt(texts::kProtocolExtension)});
    if (!chosen) {
        return false;
    }
    fs::path path = FromQt(*chosen);
    if (!path.has_extension()) {
        path.replace_extension(std::string(texts::kProtocolExtension));
    }
    std::error_code error;
    if (fs::exists(path, error) && !m_notifier.Ask(texts::AskOverwrite(path.string()))) {
        return false;
    }
    if (!m_station.files.SaveProtocol(path)) {
        return false;
    }
    m_lastSaveName = path.stem().string();
    return true;
}

void TMainForm::OpenWordDocument() {
    const auto& code = m_station.session.CurrentProtocol().personal.code;
    if (auto document = PrepareWordDocument(m_station.session.Paths(), code, m_notifier)) {
        // Whether the word processor starts is the desktop's business: a failure is not reported.
        m_services.OpenDocument(ToQt(document->string()));
    }
}

void TMainForm::OpenPage(bool protocolPage) {
    m_valasz->Flush();
    auto path =
        protocolPage ? m_station.reports.WriteProtocolPage() : m_station.reports.WriteExaminationSheet();
    if (protocolPage) {
        // The page walked the answers: the last one stays selected, without a card choice.
        m_station.scoring.SelectAnswer(kAnswerCount, CardChoice::HeldBack);
    }
    if (path && !m_services.OpenDocument(ToQt(path->string()))) {
        m_notifier.Warning(texts::CannotOpenDocument(path->string()));
    }
}

void TMainForm::ExportSummary() {
    // The export leaves the last protocol of the archive in place of the current one.
    if (!OfferToSave()) {
        return;
    }
    m_station.statistics.ExportSummary();
}

// --- Start and end --------------------------------------------------------------------------

void TMainForm::StartUp(const std::optional<fs::path>& file) {
    auto& files = m_station.files;
    if (files.RecoveryCopyExists()) {
        if (m_notifier.Ask(texts::kAskRecover)) {
            files.RestoreRecoveryCopy();
        } else {
            files.DiscardRecoveryCopy();
        }
    }
    if (file) {
        files.LoadProtocol(*file);
    }
}

bool TMainForm::EndSession() {
    m_valasz->Flush();
    m_topicHelp->SaveEdited();
    m_station.files.EndCleanly();
    m_recoveryTimer.stop();
    return true;
}

void TMainForm::Quit() {
    m_valasz->Flush();
    // Ends at once only when nothing is unsaved; otherwise the save question of the exit.
    if (m_station.session.Modified() && m_notifier.Ask(messages::kAskSaveChanges) && !SaveProtocol()) {
        return;
    }
    EndSession();
    m_quitting = true;
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!m_quitting) {
        if (!m_notifier.Ask(messages::kAskExit)) {
            event->ignore();
            return;
        }
        m_valasz->Flush();
        // A save dialog cancelled, or a save that failed, keeps the program open.
        if (m_notifier.Ask(messages::kAskSaveChanges) && !SaveProtocol()) {
            event->ignore();
            return;
        }
        EndSession();
    }
    event->accept();
}

} // namespace quelvarin::ui
