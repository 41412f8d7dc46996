// The main window as the examiner drives it: offscreen, by the controls' names, every dialog
// answered by the scripted desktop.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "support/SessionTestAccess.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/answers/TValaszForm.h"
#include "ui/main/AnswerPanel.h"
#include "ui/main/SignBox.h"
#include "ui/main/SignPicker.h"
#include "ui/main/TimingPanel.h"
#include "ui/signhelp/SignHelpForm.h"
#include "workstation/Messages.h"
#include "workstation/ProtocolFileTexts.h"
#include "workstation/PsychogramView.h"
#include "workstation/WordDocument.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

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

void Trigger(UiStation& ui, const QString& action) {
    auto* found = ui.Main().findChild<QAction*>(action);
    QVERIFY2(found, qPrintable(action));
    found->trigger();
}

void ClickBox(UiStation& ui, SignCode code, Qt::MouseButton button = Qt::LeftButton) {
    auto* box = ui.Find<SignBox>(QStringLiteral("SignBox%1").arg(code));
    QVERIFY(box);
    ui.Main().Picker()->setCurrentWidget(box->parentWidget());
    QTest::mouseClick(box, button);
}

// An answer selected and given its card through the card choice, as the examiner does it.
void AnswerOnCard(UiStation& ui, int answer, int card) {
    ClickRow(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz")), answer - 1);
    auto* choice = ui.Main().CardChoiceWindow();
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

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheWindowIsFixedAndCaptionedAfterTheCode() {
        UiStation ui;
        auto& main = ui.Main();
        QCOMPARE(main.centralWidget()->height() +
                     main.findChild<QWidget*>(QStringLiteral("Toolbar"))->height(),
                 TMainForm::kClientHeight);
        QCOMPARE(main.width(), TMainForm::kClientWidth);
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
    }

    // New protocol, answer 5 on card III, "G": the card list row, the vulgar heading, the
    // SignColumn and the "FT:" label change; saved and opened again, the same figures.
    void AScriptedScoringSession() {
        UiStation ui;
        Trigger(ui, QStringLiteral("UjRoGomb"));
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
        QCOMPARE(Rows(ui.Find<QListWidget>(QStringLiteral("SignColumn1"))), QStringList{QStringLiteral("G")});
        QCOMPARE(formula->text(), QStringLiteral("G!-"));
        QCOMPARE(formula->accessibleName(), QStringLiteral("G!-"));
        QCOMPARE(formula->accessibleDescription(), QStringLiteral("FT:"));
        auto before = FigureValues(ui);

        auto file = QString::fromStdString((ui.dir / "ment.qvl").string());
        ui.services.files.enqueue(file);
        Trigger(ui, QStringLiteral("MentGomb"));
        QVERIFY(fs::exists(ui.dir / "ment.qvl"));
        QCOMPARE(ui.services.dialogs.last().title, QStringLiteral("Rorschach jkv. lemezre írása"));
        QCOMPARE(ui.services.dialogs.last().filter, QStringLiteral("Rorschach mentett fájl (*.qvl)"));
        QCOMPARE(ui.services.dialogs.last().folder, QString::fromStdString((ui.root / "archivum").string()));
        QVERIFY(!ui.State().Modified());

        ui.Station().files.NewProtocol();
        QVERIFY(FigureValues(ui) != before);
        ui.services.files.enqueue(file);
        Trigger(ui, QStringLiteral("NyitGomb"));
        QCOMPARE(ui.services.dialogs.last().title, QStringLiteral("Rorschach jkv. megnyitása"));
        QCOMPARE(FigureValues(ui), before);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("TSZDoboz"))->item(4)->text(), QStringLiteral("3"));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void SavingAsksBeforeOverwritingAndProposesTheCode() {
        UiStation ui;
        ui.Station().files.NewProtocol("ko_2026");
        auto target = ui.dir / "ko_2026.qvl";
        quelvarin::test::WriteBytes(target, "régi");
        ui.services.files.enqueue(
            QString::fromStdString((ui.dir / "ko_2026").string())); // no extension typed
        ui.services.answers.enqueue(false);
        QVERIFY(!ui.Main().SaveProtocol());
        QCOMPARE(ui.services.dialogs.last().proposedName, QStringLiteral("ko_2026"));
        QCOMPARE(ui.services.questions.last(),
                 QString::fromStdString(window_texts::AskOverwrite(target.string())));
        QCOMPARE(quelvarin::test::ReadBytes(target), std::string("régi"));
        ui.services.files.enqueue(QString::fromStdString(target.string()));
        ui.services.answers.enqueue(true);
        QVERIFY(ui.Main().SaveProtocol());
        QVERIFY(quelvarin::test::ReadBytes(target).starts_with("Quelvarin_Win32"));
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
        QCOMPARE(ui.State().CurrentProtocol().counts[400], 0);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("SignColumn1"))->count(), 30);
    }

    void RemovalByDoubleClickAndByTheColumnMenu() {
        UiStation ui;
        AnswerOnCard(ui, 1, 4);
        ClickBox(ui, 400);
        ClickBox(ui, 401);
        ClickBox(ui, 302);
        auto* locations = ui.Find<QListWidget>(QStringLiteral("SignColumn1"));
        DoubleClickRow(locations, 0);
        QCOMPARE(Rows(locations), QStringList{QStringLiteral("D")});
        QCOMPARE(ui.State().CurrentProtocol().counts[400], 0);
        // The right button opens "töröld !", which removes the entry it was pressed on.
        auto* determinants = ui.Find<QListWidget>(QStringLiteral("SignColumn2"));
        ui.services.menuChoices.enqueue(0);
        ClickRow(determinants, 0, Qt::RightButton);
        QCOMPARE(ui.services.menus.last(), QStringList{QStringLiteral("töröld !")});
        QCOMPARE(determinants->count(), 0);
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
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("SignColumn5"))->count(), 0);
        AnswerOnCard(ui, 2, 4);
        ChooseReaction(ui, 11, QStringLiteral("Hd-kompenzálás"));
        QCOMPARE(ui.services.messages.size(), 1);
        QCOMPARE(Rows(ui.Find<QListWidget>(QStringLiteral("SignColumn5"))),
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

    void WithoutACardTheTimeBoxesAreEmptyAndTakeNothing() {
        UiStation ui;
        ui.Station().scoring.SelectAnswer(7, CardChoice::HeldBack);
        auto* seconds = ui.Find<QSpinBox>(QStringLiteral("CardSeconds"));
        QVERIFY(!seconds->isEnabled());
        QCOMPARE(seconds->text().trimmed(), QString());
        QVERIFY(!ui.State().Modified());
    }

    void ACardRowWithoutACardOpensTheChoiceOnce() {
        UiStation ui;
        int shown = 0;
        struct Counter : QObject {
            int& count;
            explicit Counter(int& into) : count(into) {}
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::Show;
                return false;
            }
        } counter(shown);
        ui.Main().CardChoiceWindow()->installEventFilter(&counter);
        ClickRow(ui.Find<QListWidget>(QStringLiteral("TSZDoboz")), 7);
        QVERIFY(ui.Main().CardChoiceWindow()->isVisible());
        ClickRow(ui.Find<QListWidget>(QStringLiteral("CardChoiceList")), 2);
        QApplication::processEvents();
        QCOMPARE(shown, 1);
        QVERIFY(!ui.Main().CardChoiceWindow()->isVisible());
        QCOMPARE(ui.State().CurrentProtocol().answer(8).card, 2);
        // From the card list the current card is preselected.
        ClickRow(ui.Find<QListWidget>(QStringLiteral("TSZDoboz")), 7);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("CardChoiceList"))->currentRow(), 2);
        ui.Main().CardChoiceWindow()->reject();
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
            ui.Main().Quit();
            QVERIFY(!ui.Main().isVisible());
            QVERIFY(ui.services.questions.isEmpty());
        }
        UiStation ui;
        AnswerOnCard(ui, 1, 1);
        ui.services.answers.enqueue(true);
        ui.services.files.enqueue(QString()); // cancelled: the program stays
        ui.Main().Quit();
        QVERIFY(ui.Main().isVisible());
        QCOMPARE(ui.services.questions, QStringList{QStringLiteral("El akarja menteni a változásokat?")});
        QVERIFY(fs::exists(ui.root / "aktualis" / "mentetlen.qvl") || ui.State().RecoveryWriteDue());
        ui.services.answers.enqueue(false);
        ui.Main().Quit();
        QVERIFY(!ui.Main().isVisible());
        QVERIFY2(!fs::exists(ui.root / "aktualis" / "mentetlen.qvl"), "a clean end removes the copy");
    }

    void ANewProtocolOffersToSaveTheScoredOneAndACancelKeepsIt() {
        UiStation ui;
        AnswerOnCard(ui, 1, 1); // scoring marks the start-up protocol as started
        ui.services.answers.enqueue(true);
        ui.services.files.enqueue(QString());
        ui.Main().NewProtocol();
        QCOMPARE(ui.services.questions,
                 QStringList{QStringLiteral("El akarja menteni az aktuális vizsgálatot?")});
        QCOMPARE(ui.State().CurrentProtocol().answer(1).card, 1); // the cancelled save keeps the protocol
        ui.services.answers.enqueue(false);
        ui.Main().NewProtocol();
        QCOMPARE(ui.State().CurrentProtocol().answer(1).card, 0);
        QCOMPARE(ui.State().CurrentProtocol().personal.date, std::string("2026.12.10."));
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

    void TheToolbarTogglesFollowTheirWindows() {
        UiStation ui;
        const std::pair<QString, QWidget*> toggles[] = {
            {QStringLiteral("JelolGomb"), static_cast<QWidget*>(ui.Main().ScoringHelpWindow())},
            {QStringLiteral("ErtelmGomb"), static_cast<QWidget*>(ui.Main().InterpretationHelpWindow())},
            {QStringLiteral("FeleletGomb"), static_cast<QWidget*>(ui.Main().AnswerTextWindow())},
        };
        for (const auto& [name, window] : toggles) {
            auto* action = ui.Main().findChild<QAction*>(name);
            auto* item = ui.Main().findChild<QAction*>(name + QStringLiteral("Item"));
            action->trigger();
            QVERIFY2(window->isVisible(), qPrintable(name));
            QVERIFY(action->isChecked());
            QVERIFY(item->isChecked());
            window->close();
            QVERIFY2(!action->isChecked(), qPrintable(name + QStringLiteral(" comes up with its window")));
            QVERIFY(!item->isChecked());
            item->trigger();
            QVERIFY(window->isVisible());
            QVERIFY(action->isChecked());
            window->hide();
        }
    }

    void TheSoundChecksFollowTheLanguage() {
        UiStation ui;
        auto* magyar = ui.Main().findChild<QAction*>(QStringLiteral("SoundMagyarItem"));
        auto* english = ui.Main().findChild<QAction*>(QStringLiteral("SoundEnglishItem"));
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
        Trigger(ui, QStringLiteral("DocGomb"));
        QCOMPARE(ui.services.messages.size(), 1); // no code yet
        QVERIFY(ui.services.opened.isEmpty());
        ui.Station().personal.SetField(PersonalField::Code, "../ko/2026");
        Trigger(ui, QStringLiteral("DocGomb"));
        QCOMPARE(ui.services.opened.size(), 1);
        fs::path document = ui.services.opened[0].toStdString();
        QCOMPARE(document.parent_path(), ui.root / "doc");
        QVERIFY(fs::exists(document));
        QVERIFY2(!fs::exists(ui.root / "sablon.doc"), "the examiner's own template is not made by doc");
        Trigger(ui, QStringLiteral("OwnWordTemplateItem"));
        QCOMPARE(ui.services.opened.last(), QString::fromStdString((ui.root / "sablon.doc").string()));
        QVERIFY(fs::exists(ui.root / "sablon.doc"));
    }

    void TheKeyboardReachesTheMenusAndThePages() {
        UiStation ui;
        QTest::keyClick(&ui.Main(), Qt::Key_3, Qt::AltModifier);
        QCOMPARE(ui.Main().Picker()->currentIndex(), 2);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("SignColumn3"))->palette().color(QPalette::Base),
                 QColor(255, 255, 225));
        for (const char* name :
             {"UjRoGomb", "NyitGomb", "MentGomb", "DocGomb", "JelolGomb", "ErtelmGomb", "FeleletGomb"}) {
            QVERIFY2(!ui.Main().findChild<QAction*>(QString::fromLatin1(name))->shortcut().isEmpty(), name);
        }
        // Every item of the menus is an action of a menu the keyboard can open.
        for (auto* action : ui.Main().findChildren<QAction*>()) {
            if (action->objectName().endsWith(QStringLiteral("Item"))) {
                QVERIFY2(!action->associatedObjects().isEmpty(), qPrintable(action->objectName()));
            }
        }
    }
};

QUELVARIN_UI_TEST(MainWindowTest);

} // namespace quelvarin::ui::test

#include "MainWindowTest.moc"
