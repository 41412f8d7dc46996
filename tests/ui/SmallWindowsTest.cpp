// The small windows of the examiner's desk: the help windows, the answer text, the topic help,
// the inspection windows, the text-file editor and the program information.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/LineFile.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/answers/TValaszForm.h"
#include "ui/help/TAboutForm.h"
#include "ui/help/THelpForm.h"
#include "ui/help/TTextEdForm.h"
#include "ui/inspection/TFeleletForm.h"
#include "ui/inspection/TFiokForm.h"
#include "ui/main/SignBox.h"
#include "ui/main/SignPicker.h"
#include "ui/signhelp/SignHelpForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

namespace {

// The mouse comes over a control (offscreen there is no pointer to move).
void Enter(QWidget* widget) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

SignBox* Box(UiStation& ui, SignCode code) {
    return ui.Find<SignBox>(QStringLiteral("SignBox%1").arg(code));
}

// Typing, accents included (the key events of the test library are ASCII only).
void Type(QPlainTextEdit* editor, const QString& text) {
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    editor->insertPlainText(text);
}

} // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The mouse over a box loads both help windows; "&mentés" stores the edited text, which is
    // read back when the sign comes again.
    void AHelpTextIsStoredAndReadBack() {
        UiStation ui;
        auto* scoring = ui.Main().ScoringHelpWindow();
        ui.Main().findChild<QAction*>(QStringLiteral("JelolGomb"))->trigger();
        Enter(Box(ui, 400));
        QCOMPARE(Box(ui, 400)->toolTip(), QStringLiteral(" összesen 0 "));
        auto* text = scoring->TextArea();
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("G - egész válasz")));
        QVERIFY(!scoring->StoreAction()->isEnabled());
        text->setPlainText(QStringLiteral("Egész válasz.\nAz egész foltra."));
        QVERIFY(scoring->StoreAction()->isEnabled());
        scoring->StoreAction()->trigger();
        QVERIFY(!scoring->StoreAction()->isEnabled());
        auto lines = ReadLineFile(ui.root / "jelol.dbf");
        QVERIFY(lines);
        QCOMPARE(QString::fromStdString((*lines)[400]), QStringLiteral("Egész válasz.*Az egész foltra.*"));
        Enter(Box(ui, 401));
        QVERIFY(!text->toPlainText().startsWith(QStringLiteral("Egész")));
        Enter(Box(ui, 400));
        QCOMPARE(text->toPlainText(), QStringLiteral("Egész válasz.\nAz egész foltra."));
        QVERIFY(ui.services.questions.isEmpty());
    }

    // An edit not stored is offered for storing before the pointer loads another sign.
    void AnUnstoredEditIsNotLostOnTheWayToAnotherSign() {
        UiStation ui;
        Enter(Box(ui, 404));
        auto* text = ui.Main().InterpretationHelpWindow()->TextArea();
        Type(text, QStringLiteral(" Kiegészítés."));
        ui.services.answers.enqueue(true);
        Enter(Box(ui, 405));
        QCOMPARE(ui.services.questions.size(), 1);
        QVERIFY(ui.services.questions[0].contains(QStringLiteral("„G komb.”")));
        auto stored = ui.Station().help.HelpTextsOf(404).interpretation;
        QVERIFY(!stored.empty());
        QVERIFY(QString::fromStdString(stored.back()).endsWith(QStringLiteral("Kiegészítés.")));
    }

    void HoveringAFigureLightsItsBoxesAndAnEmptyPartClearsTheHelp() {
        UiStation ui;
        auto* caption =
            ui.Find<QLabel>(QStringLiteral("Figure%1Caption").arg(static_cast<int>(Figure::ZwSum)));
        Enter(caption);
        for (int code : {410, 411, 405, 409, 412}) {
            QCOMPARE(Box(ui, static_cast<SignCode>(code))->CurrentShade(), SignBox::Shade::Source);
        }
        QCOMPARE(Box(ui, 400)->CurrentShade(), SignBox::Shade::Plain);
        Leave(caption);
        QCOMPARE(Box(ui, 410)->CurrentShade(), SignBox::Shade::Plain);

        Enter(Box(ui, 400));
        QCOMPARE(ui.State().LastHelpCode(), SignCode{400});
        auto* page = ui.Main().Picker()->Page(picker::Page::Locations);
        QTest::mouseMove(page, QPoint(380, 500));
        QCOMPARE(ui.State().LastHelpCode(), Session::kNoHelpCode);
        QVERIFY(ui.Main().ScoringHelpWindow()->TextArea()->toPlainText().isEmpty());
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
        QVERIFY(ui.Main().ScoringHelpWindow()->isVisible());
        QVERIFY(ui.Main().InterpretationHelpWindow()->isVisible());
        QVERIFY(!ui.Find<QListWidget>(QStringLiteral("ContentsAlphabetical"))->isEnabled());
        QTest::mouseClick(Box(ui, 401), Qt::LeftButton);
        QCOMPARE(Box(ui, 401)->CurrentShade(), SignBox::Shade::Chosen);
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

    void TheAnswerTextFollowsTheSelection() {
        UiStation ui;
        auto* window = ui.Main().AnswerTextWindow();
        ui.Main().findChild<QAction*>(QStringLiteral("FeleletGomb"))->trigger();
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("AnswerText"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz"));
        QVERIFY2(text->isReadOnly(), "no answer, no file");
        auto& scoring = ui.Station().scoring;
        scoring.SelectAnswer(3, CardChoice::HeldBack);
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz: 3. felelet"));
        QVERIFY(!text->isReadOnly());
        Type(text, QStringLiteral("Két medve"));
        // The main window writes the text before the next answer is selected.
        ClickRow(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz")), 3);
        ui.Main().CardChoiceWindow()->reject();
        QCOMPARE(quelvarin::test::ReadBytes(ui.root / "aktualis" / "3.txt"), std::string("K\xE9t medve\r\n"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz: 4. felelet"));
        QVERIFY(text->toPlainText().isEmpty());
        QVERIFY(!fs::exists(ui.root / "aktualis" / ".txt"));
    }

    // A page's "súgó": the topic help with the notes file, created when it is first saved.
    void ATopicHelpFileIsCreatedOnItsFirstSave() {
        UiStation ui;
        auto* help = ui.Main().TopicHelpWindow();
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("TopicHelpButton0")), Qt::LeftButton);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: felfogásmód"));
        auto* notes = help->findChild<QPlainTextEdit*>(QStringLiteral("NotesBox"));
        auto* shipped = help->findChild<QPlainTextEdit*>(QStringLiteral("HelpBox"));
        auto* save = help->findChild<QAction*>(QStringLiteral("SaveTopicAction"));
        QVERIFY(notes->toPlainText().isEmpty());
        QVERIFY(!shipped->toPlainText().isEmpty());
        QVERIFY(!save->isEnabled());
        auto notesFile = ui.root / "jegyzet" / "ft.hlp";
        QVERIFY(!fs::exists(notesFile));
        Type(notes, QStringLiteral("Saját megjegyzés"));
        QVERIFY(save->isEnabled());
        save->trigger();
        QCOMPARE(quelvarin::test::ReadBytes(notesFile), std::string("Saj\xE1t megjegyz\xE9s\r\n"));
        QVERIFY(!save->isEnabled());
        // Another topic: the edited notes of this one are saved first.
        Type(notes, QStringLiteral(" és még"));
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("TopicHelpButton3")), Qt::LeftButton);
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: vulgáris válaszok"));
        QCOMPARE(quelvarin::test::ReadBytes(notesFile),
                 std::string("Saj\xE1t megjegyz\xE9s \xE9s m\xE9g\r\n"));
        QVERIFY(notes->toPlainText().isEmpty());
    }

    void TheInspectionWindows() {
        UiStation ui;
        ui.Station().scoring.SelectAnswer(2);
        ui.Station().scoring.ChooseCard(9);
        ui.Station().scoring.ClickSignBox(400);
        ui.Main().findChild<QAction*>(QStringLiteral("CountersItem"))->trigger();
        auto* counters = ui.Main().CounterWindow();
        QVERIFY(counters->isVisible());
        QCOMPARE(counters->windowTitle(), QStringLiteral("Fiókok"));
        auto* rows = counters->findChild<QListWidget*>(QStringLiteral("CounterRows"));
        QCOMPARE(rows->count(), 408);
        QCOMPARE(rows->item(310)->text(), QStringLiteral("G=1;"));
        ClickRow(rows, 310);
        QCOMPARE(counters->windowTitle(), QStringLiteral("400"));
        counters->reject();

        ui.Main().findChild<QAction*>(QStringLiteral("RawAnswersItem"))->trigger();
        auto* raw = ui.Main().RawAnswerWindow();
        auto* number = raw->findChild<QSpinBox*>(QStringLiteral("AnswerNumber"));
        QCOMPARE(number->minimum(), 1);
        QCOMPARE(number->maximum(), 90);
        number->setValue(2);
        auto* slots = raw->findChild<QListWidget*>(QStringLiteral("SlotRows"));
        QCOMPARE(slots->count(), 31);
        ClickRow(slots, 0);
        QCOMPARE(raw->windowTitle(), QStringLiteral("Táblaszám: 9"));
        ClickRow(slots, 1);
        QCOMPARE(raw->windowTitle(), QStringLiteral("G"));
        QCOMPARE(raw->findChild<QLabel*>(QStringLiteral("SlotLabel"))->text(), QStringLiteral("1. elem"));
        number->setValue(95);
        QCOMPARE(number->value(), 90);
    }

    void TheTextFileEditorWorksOnTheSelectedLine() {
        UiStation ui;
        auto file = ui.dir / "lista.txt";
        quelvarin::test::WriteBytes(file, "els\xF5\r\nm\xE1sodik\r\nharmadik\r\n");
        ui.Main().findChild<QAction*>(QStringLiteral("TextFileItem"))->trigger();
        auto* editor = ui.Main().TextFileWindow();
        auto* save = editor->findChild<QAction*>(QStringLiteral("SaveTextFileAction"));
        QVERIFY2(!save->isEnabled(), "no file yet");
        ui.services.files.enqueue(QString::fromStdString(file.string()));
        editor->findChild<QAction*>(QStringLiteral("OpenTextFileAction"))->trigger();
        auto* lines = editor->findChild<QListWidget*>(QStringLiteral("TextLines"));
        QCOMPARE(Rows(lines), (QStringList{QStringLiteral("első"), QStringLiteral("második"),
                                           QStringLiteral("harmadik")}));
        QVERIFY(save->isEnabled());

        lines->setCurrentRow(-1);
        ui.services.menuChoices.enqueue(0);
        QContextMenuEvent noLine(QContextMenuEvent::Mouse, QPoint(5, 5), lines->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(lines, &noLine);
        QCOMPARE(ui.services.menuEnabled.last(), (QList<bool>{false, false, false}));
        QCOMPARE(lines->count(), 3); // nothing is inserted without a line

        auto menuOn = [&](int row, int item) {
            lines->setCurrentRow(row);
            ui.services.menuChoices.enqueue(item);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), lines->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(lines, &event);
        };
        menuOn(1, 2); // delete
        QCOMPARE(Rows(lines), (QStringList{QStringLiteral("első"), QStringLiteral("harmadik")}));
        menuOn(1, 0); // insert
        QCOMPARE(lines->item(1)->text(), QStringLiteral("új sor"));
        ui.services.texts.enqueue(QStringLiteral("negyedik"));
        menuOn(0, 1); // edit: the dialog offers the line itself
        QCOMPARE(ui.services.textTitles.last(), QStringLiteral("Sor módosítása"));
        QCOMPARE(ui.services.textInitials.last(), QStringLiteral("első"));
        QCOMPARE(lines->item(0)->text(), QStringLiteral("negyedik"));
        QCOMPARE(editor->findChild<QLabel*>(QStringLiteral("LineIndex"))->text(), QStringLiteral("0"));
        save->trigger();
        QCOMPARE(quelvarin::test::ReadBytes(file), std::string("negyedik\r\n\xFAj sor\r\nharmadik\r\n"));
        editor->reject();
    }

    void TheProgramInformation() {
        UiStation ui;
        ui.Main().findChild<QAction*>(QStringLiteral("ProgramInfoItem"))->trigger();
        auto* about = ui.Main().AboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("programinfó"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Quelvarin for Win32"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(),
                 QStringLiteral("verziószám: ") + QStringLiteral(QUELVARIN_VERSION));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("ProgramPicture"))->pixmap().isNull());
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        QVERIFY(!about->isVisible());
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
        auto* box = QAccessible::queryAccessibleInterface(Box(ui, 404));
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

QUELVARIN_UI_TEST(SmallWindowsTest);

} // namespace quelvarin::ui::test

#include "SmallWindowsTest.moc"
