// The topic help: shown by a window's "súgó", the notes saved without asking.
#include "ui/help/THelpForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QFocusEvent>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

class THelpFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A page's "súgó": the topic help with the notes file, created when it is first saved; the
    // next topic saves the edited notes of this one first.
    void ATopicHelpFileIsCreatedOnItsFirstSave() {
        UiStation ui;
        auto* help = ui.Get<THelpForm>("HelpForm");
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("TopicHelpButton0")), Qt::LeftButton);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: felfogásmód"));
        auto* notes = help->findChild<QPlainTextEdit*>(QStringLiteral("NotesBox"));
        auto* shipped = help->findChild<QPlainTextEdit*>(QStringLiteral("HelpBox"));
        auto* save = help->findChild<QAction*>(QStringLiteral("SaveTopicAction"));
        QVERIFY(notes->toPlainText().isEmpty());
        QVERIFY(!shipped->toPlainText().isEmpty());
        QVERIFY(!save->isEnabled());
        // The help files align their columns with blanks.
        QVERIFY(QFontInfo(shipped->font()).fixedPitch());
        QVERIFY(QFontInfo(notes->font()).fixedPitch());
        auto notesFile = ui.root / "jegyzet" / "ft.hlp";
        QVERIFY(!fs::exists(notesFile));
        Type(notes, QStringLiteral("Saját megjegyzés"));
        QVERIFY(save->isEnabled());
        save->trigger();
        QCOMPARE(quelvarin::test::ReadBytes(notesFile), std::string("Saj\xE1t megjegyz\xE9s\r\n"));
        QVERIFY(!save->isEnabled());
        Type(notes, QStringLiteral(" és még"));
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("TopicHelpButton3")), Qt::LeftButton);
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: vulgáris válaszok"));
        QCOMPARE(quelvarin::test::ReadBytes(notesFile),
                 std::string("Saj\xE1t megjegyz\xE9s \xE9s m\xE9g\r\n"));
        QVERIFY(notes->toPlainText().isEmpty());
        // Typing ended: the focus left the box.
        Type(notes, QStringLiteral("Vulgáris."));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(notes, &out);
        QCOMPARE(quelvarin::test::ReadBytes(ui.root / "jegyzet" / "gyak.hlp"),
                 std::string("Vulg\xE1ris.\r\n"));
        QVERIFY(ui.services.questions.isEmpty());
    }
};

QUELVARIN_UI_TEST(THelpFormTest);

} // namespace quelvarin::ui::test

#include "THelpFormTest.moc"
