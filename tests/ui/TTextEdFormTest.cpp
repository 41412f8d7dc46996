// The text-file editor, on the line it works on: the line menu, the edit dialog, the save, and
// an unsaved edit offered for saving when the window closes.
#include "ui/help/TTextEdForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "workstation/TextFileTexts.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>

namespace quelvarin::ui::test {

namespace {

// The line menu of the list, with a line chosen (or none for -1), answered by an item.
void LineMenu(UiStation& ui, QListView* lines, int row, int item) {
    lines->setCurrentIndex(lines->model()->index(row, 0));
    ui.services.menuChoices.enqueue(item);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), lines->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(lines, &event);
}

} // namespace

class TTextEdFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheEditorWorksOnTheChosenLine() {
        UiStation ui;
        auto file = ui.dir / "lista.txt";
        quelvarin::test::WriteBytes(file, "els\xF5\r\nm\xE1sodik\r\nharmadik\r\n");
        ui.Trigger(QStringLiteral("TextFileItem"));
        auto* editor = ui.Get<TTextEdForm>("TextEdForm");
        QVERIFY(editor->isVisible());
        auto* save = editor->findChild<QAction*>(QStringLiteral("SaveTextFileAction"));
        QVERIFY2(!save->isEnabled(), "no file yet");
        ui.services.files.enqueue(PathText(file));
        editor->findChild<QAction*>(QStringLiteral("OpenTextFileAction"))->trigger();
        auto* lines = editor->findChild<QListView*>(QStringLiteral("TextLines"));
        QCOMPARE(Rows(lines), (QStringList{QStringLiteral("első"), QStringLiteral("második"),
                                           QStringLiteral("harmadik")}));
        QVERIFY(save->isEnabled());
        QCOMPARE(editor->windowTitle(), PathText(file));

        LineMenu(ui, lines, -1, 1); // "edit" without a line
        QCOMPARE(ui.services.menuEnabled.last(), (QList<bool>{true, false, false}));
        QVERIFY(ui.services.textTitles.isEmpty());
        LineMenu(ui, lines, 1, 2); // delete
        QCOMPARE(Rows(lines), (QStringList{QStringLiteral("első"), QStringLiteral("harmadik")}));
        LineMenu(ui, lines, 1, 0); // insert before the line
        QCOMPARE(Rows(lines)[1], QStringLiteral("új sor"));
        ui.services.texts.enqueue(QStringLiteral("negyedik"));
        LineMenu(ui, lines, 0, 1); // edit: the dialog offers the line itself
        QCOMPARE(ui.services.textTitles.last(), QStringLiteral("Sor módosítása"));
        QCOMPARE(ui.services.textInitials.last(), QStringLiteral("első"));
        QCOMPARE(Rows(lines)[0], QStringLiteral("negyedik"));
        QCOMPARE(editor->findChild<QLabel*>(QStringLiteral("LineIndex"))->text(), QStringLiteral("0"));
        save->trigger();
        QCOMPARE(quelvarin::test::ReadBytes(file), std::string("negyedik\r\n\xFAj sor\r\nharmadik\r\n"));
        editor->reject();
        QVERIFY(ui.services.questions.isEmpty());
    }

    // An empty file gets its first line without a line chosen; closing the window with the edit
    // unsaved offers to save it.
    void AnEmptyFileGetsItsFirstLineAndClosingOffersTheEdit() {
        UiStation ui;
        auto file = ui.dir / "ures.txt";
        quelvarin::test::WriteBytes(file, "");
        ui.Trigger(QStringLiteral("TextFileItem"));
        auto* editor = ui.Get<TTextEdForm>("TextEdForm");
        ui.services.files.enqueue(PathText(file));
        editor->findChild<QAction*>(QStringLiteral("OpenTextFileAction"))->trigger();
        auto* lines = editor->findChild<QListView*>(QStringLiteral("TextLines"));
        LineMenu(ui, lines, -1, 0);
        QCOMPARE(ui.services.menuEnabled.last(), (QList<bool>{true, false, false}));
        QCOMPARE(Rows(lines), QStringList{QStringLiteral("új sor")});
        QCOMPARE(lines->currentIndex().row(), 0);
        ui.services.answers.enqueue(true);
        editor->reject();
        QCOMPARE(ui.services.questions,
                 QStringList{QString::fromStdString(window_texts::AskSaveTextFile(file.string()))});
        QCOMPARE(quelvarin::test::ReadBytes(file), std::string("\xFAj sor\r\n"));
        // Opened again: empty, no file.
        ui.Trigger(QStringLiteral("TextFileItem"));
        QCOMPARE(lines->model()->rowCount(), 0);
        QVERIFY(!editor->findChild<QAction*>(QStringLiteral("SaveTextFileAction"))->isEnabled());
        editor->reject();
    }
};

QUELVARIN_UI_TEST(TTextEdFormTest);

} // namespace quelvarin::ui::test

#include "TTextEdFormTest.moc"
