// The main window as the examiner drives it: offscreen, by the controls' names, every dialog
// answered by the scripted desktop. The flows behind its commands are the desks' and are tested
// there; here what is the window's own: what it shows, the keys, the pointer, the forwarding.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/main/AnswerPanel.h"
#include "ui/main/SignBox.h"
#include "ui/main/SignPicker.h"
#include "ui/main/TimingPanel.h"
#include "ui/signhelp/SignHelpForm.h"
#include "workstation/MainWindowLayout.h"
#include "workstation/Messages.h"
#include "workstation/PsychogramView.h"
#include "workstation/WindowNames.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

namespace {

QString FigureName(Figure figure) {
    return QStringLiteral("Figure%1").arg(static_cast<int>(figure));
}

// Every figure value the picker shows, in page order.
QStringList FigureValues(UiStation& ui) {
    QStringList values;
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        values.append(ui.Find<QLabel>(FigureName(static_cast<Figure>(i)))->text());
    }
    return values;
}

void ClickBox(UiStation& ui, SignCode code, Qt::MouseButton button = Qt::LeftButton) {
    auto* box = ui.Box(code);
    QVERIFY(box);
    ui.Main().Picker()->setCurrentWidget(box->parentWidget());
    QTest::mouseClick(box, button);
}

// An answer selected and given its card through the card choice, as the examiner does it.
void AnswerOnCard(UiStation& ui, int answer, int card) {
    ClickRow(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz")), answer - 1);
    auto* choice = ui.Get<TTSZValForm>("TSZValForm");
    QVERIFY(choice->isVisible());
    ClickRow(ui.Find<QListWidget>(QStringLiteral("CardChoiceList")), card);
    QVERIFY(!choice->isVisible());
}

void ChooseReaction(UiStation& ui, int group, const QString& name) {
    ui.Main().Picker()->ShowPage(picker::Page::SpecialReactions);
    QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("ReactionGroup%1").arg(group)), Qt::LeftButton);
    auto* list = ui.Find<QListWidget>(QStringLiteral("ReactionList"));
    auto rows = Rows(list);
    QVERIFY2(rows.contains(name), qPrintable(name));
    ClickRow(list, static_cast<int>(rows.indexOf(name)));
}

} // namespace

class TMainFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheWindowIsFixedAndCaptionedAfterTheCode() {
        UiStation ui;
        auto& main = ui.Main();
        QCOMPARE(main.centralWidget()->height() +
                     main.findChild<QWidget*>(QStringLiteral("Toolbar"))->height(),
                 main_window::kClientHeight);
        QCOMPARE(main.width(), main_window::kClientWidth);
        QCOMPARE(main.minimumSize(), main.maximumSize());
        QCOMPARE(main.windowTitle(), QStringLiteral("Quelvarin"));
        ui.Station().personal.SetField(PersonalField::Code, "ko_2026");
        QCOMPARE(main.windowTitle(), QStringLiteral("Quelvarin: ko_2026"));
        // The start-up lists: 90 answers, every card 0, every SZEI "?", nothing selected.
        auto* answers = ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"));
        QCOMPARE(answers->count(), 90);
        QCOMPARE(Rows(ui.Find<QListWidget>(QStringLiteral("TSZDoboz"))).count(QStringLiteral("0")), 90);
        QCOMPARE(Rows(ui.Find<QListWidget>(QStringLiteral("SzeiDoboz"))).count(QStringLiteral("?")), 90);
        QVERIFY(answers->selectedItems().isEmpty());
        QVERIFY(!ui.State().CurrentAnswer());
        QCOMPARE(ui.Find<QLabel>(FigureName(Figure::ApprehensionFormula))->text(),
                 QStringLiteral("--------------"));
        // CurrentCard is 1 at start, but no answer is selected: no vulgar list yet.
        QCOMPARE(ui.Find<QTreeWidget>(QStringLiteral("VulgarLists"))->topLevelItemCount(), 0);
        QCOMPARE(ui.Find<QLabel>(QStringLiteral("VulgarHeading"))->text(), QString());
    }

    // New protocol, answer 5 on card III, "G": the card list row, the vulgar heading, the
    // SignColumn and the "FT:" label change; saved and opened again, the same figures.
    void AScriptedScoringSession() {
        UiStation ui;
        ui.Trigger(QStringLiteral("UjRoGomb"));
        QVERIFY2(ui.services.questions.isEmpty(), "nothing started yet");
        auto& scoring = ui.Station().scoring;
        // Five answers on card I with six G signs among them, given through the desk.
        for (int answer : {1, 2, 3, 4, 6}) {
            scoring.SelectAnswer(answer);
            scoring.ChooseCard(1);
            scoring.ClickSignBox(400);
        }
        scoring.ClickSignBox(400);
        auto* formula = ui.Find<QLabel>(FigureName(Figure::ApprehensionFormula));
        QCOMPARE(formula->text(), QString()); // five answers grade nothing

        AnswerOnCard(ui, 5, 3);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("TSZDoboz"))->item(4)->text(), QStringLiteral("3"));
        QCOMPARE(ui.Find<QLabel>(QStringLiteral("VulgarHeading"))->text(),
                 QStringLiteral("Vulgáris válaszok: 3 tábla"));
        QCOMPARE(formula->text(), QStringLiteral("G-"));
        ClickBox(ui, 400);
        QCOMPARE(Rows(ui.Find<QListView>(QStringLiteral("SignColumn1"))), QStringList{QStringLiteral("G")});
        QCOMPARE(formula->text(), QStringLiteral("G!-"));
        QCOMPARE(formula->accessibleName(), QStringLiteral("G!-"));
        QCOMPARE(formula->accessibleDescription(), QStringLiteral("FT:"));
        auto before = FigureValues(ui);

        auto file = PathText(ui.dir / "ment.qvl");
        ui.services.files.enqueue(file);
        ui.Trigger(QStringLiteral("MentGomb"));
        QVERIFY(fs::exists(ui.dir / "ment.qvl"));
        QCOMPARE(ui.services.dialogs.last().title, QStringLiteral("Rorschach jkv. lemezre írása"));
        QVERIFY(!ui.State().Modified());

        ui.Station().files.NewProtocol();
        QVERIFY(FigureValues(ui) != before);
        ui.services.files.enqueue(file);
        ui.Trigger(QStringLiteral("NyitGomb"));
        QCOMPARE(ui.services.dialogs.last().title, QStringLiteral("Rorschach jkv. megnyitása"));
        QCOMPARE(FigureValues(ui), before);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("TSZDoboz"))->item(4)->text(), QStringLiteral("3"));
        QVERIFY(ui.services.messages.isEmpty());
    }

    // What the keyboard highlights in the answer list is the answer a sign box scores: the
    // arrows, the page keys and a number typed select, without asking for the card.
    void TheKeysOfTheAnswerListSelectTheAnswer() {
        UiStation ui;
        auto* answers = ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"));
        auto* cards = ui.Find<QListWidget>(QStringLiteral("TSZDoboz"));
        AnswerOnCard(ui, 3, 2);
        answers->setFocus();
        const std::pair<int, int> keys[] = {
            {Qt::Key_Down, 4}, {Qt::Key_Down, 5}, {Qt::Key_Up, 4}, {Qt::Key_End, 90}, {Qt::Key_Home, 1}};
        for (auto [key, answer] : keys) {
            QTest::keyClick(answers, static_cast<Qt::Key>(key));
            QCOMPARE(ui.State().CurrentAnswer(), answer);
            QCOMPARE(answers->currentRow(), answer - 1);
            QCOMPARE(cards->currentRow(), answer - 1);
        }
        QTest::keyClick(answers, Qt::Key_PageDown);
        QVERIFY(ui.State().CurrentAnswer() > 1);
        QCOMPARE(*ui.State().CurrentAnswer(), answers->currentRow() + 1);
        QTest::keyClicks(answers, QStringLiteral("45"));
        QCOMPARE(ui.State().CurrentAnswer(), 45);
        QVERIFY2(!ui.Get<TTSZValForm>("TSZValForm")->isVisible(), "moving asks for no card");
        // Enter chooses the highlighted answer as a click does: its card is asked for.
        QTest::keyClick(answers, Qt::Key_Return);
        QVERIFY(ui.Get<TTSZValForm>("TSZValForm")->isVisible());
        ClickRow(ui.Find<QListWidget>(QStringLiteral("CardChoiceList")), 6);
        QCOMPARE(ui.State().CurrentProtocol().answer(45).card, 6);
        QTest::keyClick(answers, Qt::Key_Up);
        ClickBox(ui, 401);
        QCOMPARE(ui.State().CurrentProtocol().answer(44).slots[0], SignCode{401});
        QCOMPARE(ui.State().CurrentProtocol().answer(45).slots[0], SignCode{0});
    }

    void TheThirtyFirstSignIsRefused() {
        UiStation ui;
        AnswerOnCard(ui, 1, 4);
        for (int i = 0; i < 30; ++i) {
            ClickBox(ui, 401);
        }
        QCOMPARE(ui.State().CurrentProtocol().counts[401], 30);
        ClickBox(ui, 400);
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("Egy feleletre legfeljebb 30 jel adható!!!")});
        QCOMPARE(ui.services.messageKinds, QList<MessageKind>{MessageKind::Information});
        QCOMPARE(ui.State().CurrentProtocol().counts[400], 0);
        QCOMPARE(ui.Find<QListView>(QStringLiteral("SignColumn1"))->model()->rowCount(), 30);
    }

    void RemovalByDoubleClickAndByTheColumnMenu() {
        UiStation ui;
        AnswerOnCard(ui, 1, 4);
        ClickBox(ui, 400);
        ClickBox(ui, 401);
        ClickBox(ui, 302);
        auto* locations = ui.Find<QListView>(QStringLiteral("SignColumn1"));
        DoubleClickRow(locations, 0);
        QCOMPARE(Rows(locations), QStringList{QStringLiteral("D")});
        QCOMPARE(ui.State().CurrentProtocol().counts[400], 0);
        // The right button opens "töröld !", which removes the entry it was pressed on.
        auto* determinants = ui.Find<QListView>(QStringLiteral("SignColumn2"));
        ui.services.menuChoices.enqueue(0);
        ClickRow(determinants, 0, Qt::RightButton);
        QCOMPARE(ui.services.menus.last(), QStringList{QStringLiteral("töröld !")});
        QCOMPARE(determinants->model()->rowCount(), 0);
        QCOMPARE(ui.State().CurrentProtocol().counts[302], 0);
        QCOMPARE(ui.Main().Picker()->currentIndex(), 1); // a press on a column shows its page
        QVERIFY(ui.services.messages.isEmpty());
    }

    void HdKompenzalasOnlyOnAGreyCard() {
        UiStation ui;
        AnswerOnCard(ui, 1, 2);
        ChooseReaction(ui, 11, QStringLiteral("Hd-kompenzálás"));
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("Hd-kompenzálás (Hd-tagadás) csak szürke táblán adható!!!")});
        QCOMPARE(ui.Find<QListView>(QStringLiteral("SignColumn5"))->model()->rowCount(), 0);
        AnswerOnCard(ui, 2, 4);
        ChooseReaction(ui, 11, QStringLiteral("Hd-kompenzálás"));
        QCOMPARE(ui.services.messages.size(), 1);
        QCOMPARE(Rows(ui.Find<QListView>(QStringLiteral("SignColumn5"))),
                 QStringList{QStringLiteral("Hd-kompenzálás")});
    }

    void TheFHAndDzwMenusStoreTheSubVariant() {
        UiStation ui;
        AnswerOnCard(ui, 1, 5);
        ui.services.menuChoices.enqueue(2);
        ChooseReaction(ui, 10, QStringLiteral("FH"));
        QCOMPARE(ui.services.menus.last(),
                 (QStringList{QStringLiteral("FH +"), QStringLiteral("FH +/-"), QStringLiteral("FH -")}));
        QCOMPARE(ui.services.menuPositions.last(), ui.Main().mapToGlobal(QPoint(150, 340)));
        QCOMPARE(ui.State().CurrentProtocol().answer(1).slots[0], SignCode{1493});
        ui.services.menuChoices.enqueue(1);
        ClickBox(ui, 410);
        QCOMPARE(ui.services.menus.last(),
                 (QStringList{QStringLiteral("közép"), QStringLiteral("lyuk"), QStringLiteral("széli")}));
        QCOMPARE(ui.services.menuPositions.last(), ui.Main().mapToGlobal(QPoint(75, 360)));
        QCOMPARE(ui.State().CurrentProtocol().answer(1).slots[1], SignCode{4102});
        // A dismissed menu leaves the sign as it was entered.
        ClickBox(ui, 410);
        QCOMPARE(ui.State().CurrentProtocol().answer(1).slots[2], SignCode{410});
    }

    void TheTimeBoxesCarryAndTheStopwatchWritesItsTime() {
        UiStation ui;
        AnswerOnCard(ui, 1, 6);
        auto* minutes = ui.Find<QSpinBox>(QStringLiteral("ReactionMinutes"));
        auto* seconds = ui.Find<QSpinBox>(QStringLiteral("ReactionSeconds"));
        minutes->setValue(1);
        seconds->setValue(75);
        QCOMPARE(minutes->value(), 2);
        QCOMPARE(seconds->value(), 15);
        QCOMPARE(ui.State().CurrentProtocol().cardTime(6), (CardTime{2, 15, 0, 0}));

        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("StartButton")), Qt::LeftButton);
        ui.clock.Advance(std::chrono::seconds(135));
        ui.Main().Timing()->Tick();
        QCOMPARE(ui.Find<QLineEdit>(QStringLiteral("RunningSeconds"))->text(), QStringLiteral("135"));
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("WriteCardTimeButton")), Qt::LeftButton);
        QCOMPARE(ui.State().CurrentProtocol().cardTime(6), (CardTime{2, 15, 2, 15}));
        QCOMPARE(ui.Find<QSpinBox>(QStringLiteral("CardMinutes"))->value(), 2);
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("ResetButton")), Qt::LeftButton);
        QCOMPARE(ui.Find<QLineEdit>(QStringLiteral("RunningSeconds"))->text(), QStringLiteral("0"));
    }

    // A box emptied and left reads and stores 0; a large value the carry made is shown as it is.
    void AnEmptiedTimeBoxIsZeroWhenItLosesTheFocus() {
        UiStation ui;
        AnswerOnCard(ui, 1, 6);
        auto* seconds = ui.Find<QSpinBox>(QStringLiteral("CardSeconds"));
        auto* minutes = ui.Find<QSpinBox>(QStringLiteral("CardMinutes"));
        seconds->setValue(40);
        minutes->setValue(20000);
        QCOMPARE(minutes->value(), 20000);
        seconds->setFocus();
        seconds->selectAll();
        QTest::keyClick(seconds, Qt::Key_Backspace);
        QCOMPARE(seconds->text(), QString());
        minutes->setFocus(); // the seconds box loses the focus
        QCOMPARE(seconds->text(), QStringLiteral("0"));
        QCOMPARE(ui.State().CurrentProtocol().cardTime(6), (CardTime{0, 0, 20000, 0}));
    }

    void WithoutACardTheTimeBoxesAreEmptyAndTakeNothing() {
        UiStation ui;
        ui.Station().scoring.SelectAnswer(7, CardChoice::HeldBack);
        auto* seconds = ui.Find<QSpinBox>(QStringLiteral("CardSeconds"));
        QVERIFY(!seconds->isEnabled());
        QCOMPARE(seconds->text().trimmed(), QString());
        QVERIFY(!ui.State().Modified());
    }

    // The hint of a box counts the sign as it stands when the hint is shown: right after a
    // click, the click included.
    void ASignBoxHintCountsTheClickItFollows() {
        UiStation ui;
        AnswerOnCard(ui, 1, 1);
        auto* box = ui.Box(400);
        Enter(box);
        QCOMPARE(box->toolTip(), QStringLiteral(" összesen 0 "));
        QTest::mouseClick(box, Qt::LeftButton);
        QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &hint);
        QCOMPARE(box->toolTip(), QStringLiteral(" összesen 1 "));
    }

    // A sign box reached by the keyboard loads its help as the pointer over it does.
    void TheKeyboardLoadsASignsHelp() {
        UiStation ui;
        ui.Main().Picker()->ShowPage(picker::Page::Locations);
        ui.Box(401)->setFocus(Qt::TabFocusReason);
        QCOMPARE(ui.State().LastHelpCode(), SignCode{401});
        QVERIFY(ui.Get<TJelSugForm>("JelSugForm")->TextArea()->toPlainText().startsWith(QStringLiteral("D")));
    }

    void HoveringAFigureLightsItsBoxesAndAnEmptyPartClearsTheHelp() {
        UiStation ui;
        auto* caption =
            ui.Find<QLabel>(QStringLiteral("Figure%1Caption").arg(static_cast<int>(Figure::ZwSum)));
        Enter(caption);
        for (int code : {410, 411, 405, 409, 412}) {
            QCOMPARE(ui.Box(static_cast<SignCode>(code))->CurrentShade(), SignBox::Shade::Source);
        }
        QCOMPARE(ui.Box(400)->CurrentShade(), SignBox::Shade::Plain);
        Leave(caption);
        QCOMPARE(ui.Box(410)->CurrentShade(), SignBox::Shade::Plain);

        Enter(ui.Box(400));
        QCOMPARE(ui.State().LastHelpCode(), SignCode{400});
        auto* page = ui.Main().Picker()->Page(picker::Page::Locations);
        QTest::mouseMove(page, QPoint(380, 500));
        QCOMPARE(ui.State().LastHelpCode(), Session::kNoHelpCode);
        QVERIFY(ui.Get<TJelSugForm>("JelSugForm")->TextArea()->toPlainText().isEmpty());
    }

    // "súgófájlok javítása": both help windows show, a click chooses a sign's help instead of
    // scoring it, and the alphabetical contents list takes no clicks.
    void HelpEditModeChoosesSignsInsteadOfScoring() {
        UiStation ui;
        ui.Station().scoring.SelectAnswer(1);
        ui.Station().scoring.ChooseCard(1);
        auto* mode = ui.Main().findChild<QAction*>(QStringLiteral("HelpEditModeItem"));
        mode->trigger();
        QVERIFY(mode->isChecked());
        QVERIFY(ui.Get("JelSugForm")->isVisible());
        QVERIFY(ui.Get("ErtSugForm")->isVisible());
        QVERIFY(ui.Find<QAction>(QStringLiteral("JelolGomb"))->isChecked());
        QVERIFY(!ui.Find<QListWidget>(QStringLiteral("ContentsAlphabetical"))->isEnabled());
        QTest::mouseClick(ui.Box(401), Qt::LeftButton);
        QCOMPARE(ui.Box(401)->CurrentShade(), SignBox::Shade::Chosen);
        QCOMPARE(ui.State().CurrentProtocol().counts[401], 0);
        QCOMPARE(ui.State().LastHelpCode(), SignCode{401});
        mode->trigger();
        QVERIFY(!ui.State().HelpEditMode());
        QVERIFY(ui.Find<QListWidget>(QStringLiteral("ContentsAlphabetical"))->isEnabled());
    }

    // A group button fills the reaction list and releases the letter tabs; a tab lists the
    // names of its initials and releases the group buttons.
    void TheReactionGroupsAndTheLetterTabs() {
        UiStation ui;
        ui.Main().Picker()->ShowPage(picker::Page::SpecialReactions);
        auto* group = ui.Find<QPushButton>(QStringLiteral("ReactionGroup14"));
        auto* tab = ui.Find<QAbstractButton>(QStringLiteral("LetterTab19")); // "u,ü"
        auto* list = ui.Find<QListWidget>(QStringLiteral("ReactionList"));
        QCOMPARE(tab->text(), QStringLiteral("u,ü"));
        QTest::mouseClick(group, Qt::LeftButton);
        QVERIFY(group->isChecked());
        QCOMPARE(Rows(list).first(), QStringLiteral("Anális"));
        QTest::mouseClick(tab, Qt::LeftButton);
        QVERIFY(tab->isChecked());
        QVERIFY(!group->isChecked());
        QCOMPARE(Rows(list), (QStringList{QStringLiteral("Unbestimmt"), QStringLiteral("Ütközés"),
                                          QStringLiteral("Uretrális"), QStringLiteral("Undor-reakció")}));
        QTest::mouseClick(group, Qt::LeftButton);
        QVERIFY(!tab->isChecked());
    }

    // Closing asks "Ki akar lépni a programból?", then "El akarja menteni a változásokat?"; a
    // cancelled save keeps the program open.
    void TheExitQuestions() {
        UiStation ui;
        auto& main = ui.Main();
        ui.services.answers.enqueue(false);
        QVERIFY(!main.close());
        QCOMPARE(ui.services.questions, QStringList{QStringLiteral("Ki akar lépni a programból?")});

        ui.services.answers.enqueue(true);
        ui.services.answers.enqueue(true);
        ui.services.files.enqueue(QString()); // the save dialog cancelled
        QVERIFY(!main.close());
        QCOMPARE(ui.services.questions.last(), QStringLiteral("El akarja menteni a változásokat?"));

        ui.services.answers.enqueue(true);
        ui.services.answers.enqueue(false);
        QVERIFY(main.close());
    }

    void QuittingAsksOnlyWhenSomethingIsUnsaved() {
        {
            UiStation ui;
            ui.Trigger(QStringLiteral("QuitItem"));
            QVERIFY(!ui.Main().isVisible());
            QVERIFY(ui.services.questions.isEmpty());
        }
        UiStation ui;
        AnswerOnCard(ui, 1, 1);
        ui.services.answers.enqueue(true);
        ui.services.files.enqueue(QString()); // cancelled: the program stays
        ui.Trigger(QStringLiteral("QuitItem"));
        QVERIFY(ui.Main().isVisible());
        QCOMPARE(ui.services.questions, QStringList{QStringLiteral("El akarja menteni a változásokat?")});
        ui.services.answers.enqueue(false);
        ui.Trigger(QStringLiteral("QuitItem"));
        QVERIFY(!ui.Main().isVisible());
        QVERIFY2(!fs::exists(ui.root / "aktualis" / "mentetlen.qvl"), "a clean end removes the copy");
    }

    void AnUnsavedProtocolIsOfferedAtTheNextStart() {
        quelvarin::test::TempDir dir;
        auto root = dir / "quelva";
        {
            UiStation first(root);
            AnswerOnCard(first, 3, 7);
            ClickBox(first, 402);
            // The window's timer writes the copy once a second has passed since the change.
            first.clock.Advance(std::chrono::seconds(1));
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(root / "aktualis" / "mentetlen.qvl"), 2000);
        }
        UiStation again(root);
        again.services.answers.enqueue(true);
        again.Main().StartUp(std::nullopt);
        QCOMPARE(again.services.questions.size(), 1);
        QVERIFY(again.services.questions[0].startsWith(QStringLiteral("A legutóbbi munkamenetben")));
        QCOMPARE(again.State().CurrentProtocol().answer(3).slots[0], SignCode{402});
        QCOMPARE(again.Find<QListWidget>(QStringLiteral("TSZDoboz"))->item(2)->text(), QStringLiteral("7"));
    }

    // The toggles of the toolbar and of the "mutasd a . . ." menu come from the window registry
    // and follow their windows however they are shown and closed.
    void TheTogglesFollowTheirWindows() {
        UiStation ui;
        for (auto name : {"JelSugForm", "ErtSugForm", "ValaszForm", "LokTabForm"}) {
            auto* window = ui.Get(name);
            auto* action = ui.Windows().Toggle(name);
            auto* item = ui.Windows().MenuItem(name);
            action->trigger();
            QVERIFY2(window->isVisible(), name);
            QVERIFY(action->isChecked());
            QVERIFY(item->isChecked());
            window->close();
            QVERIFY2(!action->isChecked(), name);
            QVERIFY(!item->isChecked());
            item->trigger();
            QVERIFY(window->isVisible());
            QVERIFY(action->isChecked());
            window->hide();
        }
        // A window of a later part is named, greyed.
        QVERIFY(!ui.Windows().MenuItem("KonfBeForm")->isEnabled());
    }

    // Every window the registry lists is a window to a screen reader (a frame or a dialog, never
    // a grouping), named by its caption.
    void EveryWindowReadsAsAWindow() {
        UiStation ui;
        int windows = 0;
        for (const auto& entry : ui.Windows().Entries()) {
            if (!entry.window) {
                continue;
            }
            ++windows;
            auto* face = QAccessible::queryAccessibleInterface(entry.window);
            QVERIFY(face);
            auto role = face->role();
            QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog, entry.name.data());
        }
        QCOMPARE(windows, 30);
        QCOMPARE(ui.Windows().Entries().size(), kWindowNames.size());
        QCOMPARE(ui.Windows().Entries().front().window, &ui.Main());
    }

    void TheSoundChecksFollowTheLanguage() {
        UiStation ui;
        auto* magyar = ui.Find<QAction>(QStringLiteral("SoundMagyarItem"));
        auto* english = ui.Find<QAction>(QStringLiteral("SoundEnglishItem"));
        QVERIFY2(!magyar->isChecked() && !english->isChecked(), "no sound at start");
        AnswerOnCard(ui, 1, 1);
        ClickBox(ui, 400);
        QVERIFY(ui.sound.played.empty());
        english->trigger();
        QVERIFY(english->isChecked() && !magyar->isChecked());
        ClickBox(ui, 400);
        QCOMPARE(ui.sound.played.size(), std::size_t{1});
        QCOMPARE(ui.sound.played[0], ui.root / "hangok" / "angol" / "400.wav");
        magyar->trigger();
        QVERIFY(magyar->isChecked() && !english->isChecked());
        magyar->trigger();
        QCOMPARE(ui.State().CurrentSoundLanguage(), SoundLanguage::None);
    }

    void TheWordDocumentFallsBackToTheShippedTemplate() {
        UiStation ui;
        ui.Trigger(QStringLiteral("DocGomb"));
        QCOMPARE(ui.services.messages.size(), 1); // no code yet
        QVERIFY(ui.services.opened.isEmpty());
        ui.Station().personal.SetField(PersonalField::Code, "../ko/2026");
        ui.Trigger(QStringLiteral("DocGomb"));
        QCOMPARE(ui.services.opened.size(), 1);
        fs::path document = ui.services.opened[0].toStdString();
        QCOMPARE(document.parent_path(), ui.root / "doc");
        QVERIFY(fs::exists(document));
        QVERIFY2(!fs::exists(ui.root / "sablon.doc"), "the examiner's own template is not made by doc");
        ui.Trigger(QStringLiteral("OwnWordTemplateItem"));
        QCOMPARE(ui.services.opened.last(), PathText(ui.root / "sablon.doc"));
        QVERIFY(fs::exists(ui.root / "sablon.doc"));
    }

    // A page written and opened in the browser; a page that cannot be written is a failure,
    // told with the warning icon, and nothing is opened.
    void ThePagesAndTheWarningOfAFailure() {
        UiStation ui;
        QVERIFY(ui.Station().files.LoadProtocol(ui.root / "archivum" / "minta.qvl"));
        ui.Trigger(QStringLiteral("ProtocolPageItem"));
        QCOMPARE(ui.services.opened, QStringList{PathText(ui.root / "html" / "akt_jkv.html")});
        QCOMPARE(ui.State().CurrentAnswer(), 90);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"))->currentRow(), 89);
        fs::remove_all(ui.root / "html");
        quelvarin::test::WriteBytes(ui.root / "html", "nem mappa");
        ui.Trigger(QStringLiteral("ExaminationSheetItem"));
        QCOMPARE(ui.services.opened.size(), 1);
        QCOMPARE(ui.services.messageKinds, QList<MessageKind>{MessageKind::Warning});
    }

    void TheKeyboardReachesTheMenusAndThePages() {
        UiStation ui;
        QTest::keyClick(&ui.Main(), Qt::Key_3, Qt::AltModifier);
        QCOMPARE(ui.Main().Picker()->currentIndex(), 2);
        QCOMPARE(ui.Find<QListView>(QStringLiteral("SignColumn3"))->palette().color(QPalette::Base),
                 QColor(255, 255, 225));
        for (const char* name :
             {"UjRoGomb", "NyitGomb", "MentGomb", "DocGomb", "JelolGomb", "ErtelmGomb", "FeleletGomb"}) {
            QVERIFY2(!ui.Find<QAction>(QString::fromLatin1(name))->shortcut().isEmpty(), name);
        }
        // The keys work in the windows kept beside the main window too, but for a key a window
        // uses itself: Ctrl+S of a help window stores its help.
        auto* save = ui.Find<QAction>(QStringLiteral("MentGomb"));
        for (auto name : {"ValaszForm", "FeleletForm", "JelSugForm", "HelpForm"}) {
            auto actions = ui.Get(name)->actions();
            QVERIFY2(actions.contains(ui.Find<QAction>(QStringLiteral("NyitGomb"))), name);
            QVERIFY2(actions.contains(ui.Find<QAction>(QStringLiteral("FeleletGomb"))), name);
            bool ownSave = std::string_view(name) == "JelSugForm" || std::string_view(name) == "HelpForm";
            QCOMPARE(actions.contains(save), !ownSave);
        }
        // Every item of the menus is an action of a menu the keyboard can open.
        for (auto* action : ui.Main().findChildren<QAction*>()) {
            if (action->objectName().endsWith(QStringLiteral("Item"))) {
                QVERIFY2(!action->associatedObjects().isEmpty(), qPrintable(action->objectName()));
            }
        }
    }

    // A screen reader reads a box by its caption, a figure by its value described by its caption.
    void ControlsCanBeReadByAScreenReader() {
        UiStation ui;
        QVERIFY(ui.Station().files.LoadProtocol(ui.root / "archivum" / "minta.qvl"));
        auto* ft = QAccessible::queryAccessibleInterface(
            ui.Find<QLabel>(QStringLiteral("Figure%1").arg(static_cast<int>(Figure::ApprehensionFormula))));
        QVERIFY(ft);
        QCOMPARE(ft->text(QAccessible::Name), QStringLiteral("G!-D-(Dd)-"));
        QCOMPARE(ft->text(QAccessible::Description), QStringLiteral("FT:"));
        auto* box = QAccessible::queryAccessibleInterface(ui.Box(404));
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("G komb."));
        QCOMPARE(box->role(), QAccessible::Button);
        for (const char* name :
             {"FeleletDoboz", "TSZDoboz", "SzeiDoboz", "SignColumn1", "ContentsAlphabetical", "ReactionList",
              "VulgarLists", "ReactionMinutes", "AttetelDoboz"}) {
            auto* control = QAccessible::queryAccessibleInterface(ui.Find(QString::fromLatin1(name)));
            QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), name);
        }
    }
};

QUELVARIN_UI_TEST(TMainFormTest);

} // namespace quelvarin::ui::test

#include "TMainFormTest.moc"
