#pragma once

#include "ui/app/UiServices.h"
#include "ui/bridge/SessionSignals.h"
#include "workstation/Workstation.h"

#include <QMainWindow>
#include <QTimer>
#include <filesystem>

class QAction;

namespace quelvarin::ui {

class AnswerPanel;
class SignPicker;
class TimingPanel;
class TJelSugForm;
class TErtSugForm;
class TTSZValForm;
class TFeleletForm;
class TFiokForm;
class TValaszForm;
class THelpForm;
class TTextEdForm;
class TAboutForm;

// The examiner's desk: the answer panel, the timing panel, the sign picker with the figures,
// the toolbar and the menus; it coordinates the windows and runs new, open, save and the exit.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(Workstation& station, UiServices& services, Notifier& notifier, const Clock& clock,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The start-up after the window is shown: a recovery copy of an unsaved protocol is
    // offered, then the protocol file given on the command line is opened.
    void StartUp(const std::optional<std::filesystem::path>& file);

    // The fixed size of the client area: toolbar, panels and picker.
    static constexpr int kClientWidth = 869;
    static constexpr int kClientHeight = 680;

    // The flows of the toolbar and the menu, callable by the tests as by the buttons.
    void NewProtocol();
    void OpenProtocol();
    bool SaveProtocol();
    void OpenWordDocument();
    // "kilépés a programból": ends at once when nothing is unsaved.
    void Quit();

    SignPicker* Picker() const { return m_picker; }
    AnswerPanel* Answers() const { return m_answers; }
    TimingPanel* Timing() const { return m_timing; }
    TValaszForm* AnswerTextWindow() const { return m_valasz; }
    TTSZValForm* CardChoiceWindow() const { return m_cardChoice; }
    TJelSugForm* ScoringHelpWindow() const { return m_jelSug; }
    TErtSugForm* InterpretationHelpWindow() const { return m_ertSug; }
    THelpForm* TopicHelpWindow() const { return m_topicHelp; }
    TFiokForm* CounterWindow() const { return m_counters; }
    TFeleletForm* RawAnswerWindow() const { return m_rawAnswers; }
    TTextEdForm* TextFileWindow() const { return m_textEditor; }
    TAboutForm* AboutWindow() const { return m_about; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    QAction* Action(std::string_view caption, const QString& name, std::string_view hint = {});
    void Bind(QAction* toggle, QWidget* window);
    void ConnectSession();

    void ChooseAnswer(int answer);
    void ChooseCardOf(int answer);
    void OfferCardChoice();
    void ShowSubVariantMenu(SubVariantMenu menu);
    void ToggleHelpEditMode();
    void OpenPage(bool protocolPage);
    void ExportSummary();
    // Asks whether to save the current protocol before it is replaced; false when the
    // examiner wanted it saved and the save did not happen.
    bool OfferToSave();
    bool EndSession();
    void UpdateCaption();
    void UpdateCardGlyph();
    void UpdateModes();

    Workstation& m_station;
    UiServices& m_services;
    Notifier& m_notifier;
    SessionSignals m_signals;
    QTimer m_recoveryTimer;
    std::string m_lastSaveName; // the base name of the file last chosen in the save dialog
    bool m_quitting = false;

    AnswerPanel* m_answers = nullptr;
    TimingPanel* m_timing = nullptr;
    SignPicker* m_picker = nullptr;

    TJelSugForm* m_jelSug = nullptr;
    TErtSugForm* m_ertSug = nullptr;
    TTSZValForm* m_cardChoice = nullptr;
    TFeleletForm* m_rawAnswers = nullptr;
    TFiokForm* m_counters = nullptr;
    TValaszForm* m_valasz = nullptr;
    THelpForm* m_topicHelp = nullptr;
    TTextEdForm* m_textEditor = nullptr;
    TAboutForm* m_about = nullptr;

    QAction* m_scoringHelpToggle = nullptr;
    QAction* m_interpretationHelpToggle = nullptr;
    QAction* m_answerTextToggle = nullptr;
    QAction* m_locationTablesToggle = nullptr;
    QAction* m_helpEditMode = nullptr;
    QAction* m_soundMagyar = nullptr;
    QAction* m_soundEnglish = nullptr;
};

} // namespace quelvarin::ui
