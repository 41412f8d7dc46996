// "Közös Rorschach vizsgálat": the joint examination recorded and reported in the window.
#include "ui/joint/TKRVForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace {

// The joint window as its hidden menu item opens it.
TKRVForm* OpenJoint(UiStation& ui) {
    ui.Trigger(QStringLiteral("JointExaminationItem"));
    return ui.Get<TKRVForm>("KRVForm");
}

void Press(QWidget* window, const char* name) {
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

class TKRVFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheFirstSignThenAClearedRowFilledByThePartner() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        QVERIFY(joint->isVisible());
        QCOMPARE(joint->windowTitle(), QStringLiteral("Közös Rorschach vizsgálat"));
        auto* left = Child<QListWidget>(joint, "LeftColumn");
        auto* right = Child<QListWidget>(joint, "RightColumn");
        auto* texts = Child<QListWidget>(joint, "TextList");
        auto* editor = Child<QLineEdit>(joint, "TextEditor");
        QCOMPARE(Child<QLabel>(joint, "CardLabel")->text(), QStringLiteral("1. tábla"));
        QVERIFY(!Child<QLabel>(joint, "CardPicture")->pixmap().isNull());

        Press(joint, "Sign3");
        QCOMPARE(Rows(left),
                 (QStringList{QStringLiteral("nem használt"), QStringLiteral("Indító kérdés (>?)/1")}));
        QCOMPARE(Rows(right), (QStringList{QStringLiteral("nem használt"), QStringLiteral(" -")}));
        QCOMPARE(texts->currentRow(), 1);
        Type(editor, QStringLiteral("Mit lát?"));
        QCOMPARE(Rows(texts)[1], QStringLiteral("Mit lát?"));
        Press(joint, "Sign8");
        QCOMPARE(left->count(), 3);

        // The Delete key clears the row selected in the columns; the row and its text stay.
        ClickRow(left, 1);
        QCOMPARE(editor->text(), QStringLiteral("Mit lát?"));
        QApplication::setActiveWindow(joint); // as the examiner's click on it does
        left->setFocus();
        QTest::keyClick(left, Qt::Key_Delete);
        QCOMPARE(Rows(left)[1], QString());
        QCOMPARE(Rows(right)[1], QString());
        QCOMPARE(Rows(texts)[1], QStringLiteral("Mit lát?"));

        Press(joint, "Person2Button");
        for (int step = 0; step < 4; ++step) {
            Press(joint, "NextCard");
        }
        QCOMPARE(joint->windowTitle(), QStringLiteral("5"));
        Press(joint, "Sign24");
        QCOMPARE(left->count(), 3); // the cleared row is filled, none added
        QCOMPARE(Rows(left)[1], QStringLiteral(" -"));
        QCOMPARE(Rows(right)[1], QStringLiteral("Saját záróválasz (zvS)/5"));

        // A double click in a column clears the same way.
        DoubleClickRow(right, 2);
        QCOMPARE(Rows(left)[2], QString());
        QCOMPARE(left->count(), 3);
        joint->reject();
        // Opened again: the same record.
        OpenJoint(ui);
        QCOMPARE(left->count(), 3);
        joint->reject();
    }

    void TheEditorKeepsItsDeleteKey() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        Press(joint, "Sign2");
        auto* editor = Child<QLineEdit>(joint, "TextEditor");
        Type(editor, QStringLiteral("ab"));
        editor->setCursorPosition(0);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(editor->text(), QStringLiteral("b"));
        QCOMPARE(Rows(Child<QListWidget>(joint, "LeftColumn"))[1], QStringLiteral("Indító javaslat (>+)/1"));
        joint->reject();
    }

    void ARowOfThePartnerMakesItsPersonAndCardCurrent() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        auto* label = Child<QLabel>(joint, "CardLabel");
        Press(joint, "PreviousCard");
        QCOMPARE(label->text(), QStringLiteral("10. tábla"));
        QCOMPARE(joint->windowTitle(), QStringLiteral("10"));
        Press(joint, "NextCard");
        QCOMPARE(label->text(), QStringLiteral("1. tábla"));

        Press(joint, "Person2Button");
        for (int step = 0; step < 6; ++step) {
            Press(joint, "NextCard");
        }
        Press(joint, "Sign8");
        Press(joint, "Person1Button");
        Press(joint, "PreviousCard");
        QVERIFY(!Child<QPushButton>(joint, "Person2Button")->isChecked());
        ClickRow(Child<QListWidget>(joint, "RightColumn"), 1);
        QVERIFY(Child<QPushButton>(joint, "Person2Button")->isChecked());
        QCOMPARE(label->text(), QStringLiteral("7. tábla"));
        QCOMPARE(ui.State().CurrentCard(), 7); // the main window follows the card
        joint->reject();
    }

    void HoverShowsTheDescription() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        auto* description = Child<QPlainTextEdit>(joint, "Description");
        Enter(Child<QPushButton>(joint, "Sign8"));
        QVERIFY(description->toPlainText().startsWith(QStringLiteral("Kérdés (?): ")));
        QVERIFY(description->isReadOnly());
        Enter(Child<QPushButton>(joint, "Sign29"));
        QVERIFY(description->toPlainText().startsWith(QStringLiteral("Passzív beletörődés (pb): ")));
        QCOMPARE(Child<QPushButton>(joint, "Sign29")->text(), QStringLiteral("pb"));
        QVERIFY(!Child<QPushButton>(joint, "Sign3")->icon().isNull()); // the glyphs are in the resources
        QCOMPARE(Child<QListWidget>(joint, "LeftColumn")->count(), 1); // hovering records nothing
        joint->reject();
    }

    void HelpEditModeEditsTheDescriptionLines() {
        UiStation ui;
        ui.Station().help.SetHelpEditMode(true);
        auto* joint = OpenJoint(ui);
        auto* lines = Child<QListWidget>(joint, "DescriptionLines");
        QVERIFY(lines->isVisible());
        QCOMPARE(lines->count(), 31);
        auto* sign = Child<QPushButton>(joint, "Sign8");
        QTest::mouseClick(sign, Qt::LeftButton);
        QVERIFY(sign->isChecked());
        QCOMPARE(lines->currentRow(), 7);
        QTest::mouseClick(Child<QPushButton>(joint, "Sign9"), Qt::LeftButton);
        QVERIFY(!sign->isChecked()); // one button pressed at a time
        QTest::mouseClick(sign, Qt::LeftButton);
        auto* description = Child<QPlainTextEdit>(joint, "Description");
        description->clear();
        Type(description, QStringLiteral("Kérdés (?): átírt."));
        QCOMPARE(Rows(lines)[7], QStringLiteral("Kérdés (?): átírt."));
        QCOMPARE(Child<QListWidget>(joint, "LeftColumn")->count(), 1); // nothing recorded
        joint->reject();
        QVERIFY(!sign->isChecked());
        auto written = quelvarin::test::ReadBytes(ui.root / "krv.txt");
        QVERIFY(written.find("K\xE9rd\xE9s (?): \xE1t\xEDrt.\r\n") != std::string::npos);
    }

    void PrintWritesTheReportAndOpensIt() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        Press(joint, "Sign3");
        Press(joint, "PrintButton");
        auto page = ui.root / "html" / "__.html";
        QCOMPARE(ui.services.opened, QStringList{PathText(page)});
        auto bytes = quelvarin::test::ReadBytes(page);
        QVERIFY(bytes.find("PICTURES/SZUMMA.GIF") != std::string::npos);
        QVERIFY(ui.services.messages.isEmpty());

        ui.services.openSucceeds = false;
        Press(joint, "PrintButton");
        QCOMPARE(ui.services.messages.size(), 1);
        QVERIFY(ui.services.messages[0].contains(QStringLiteral("__.html")));
        joint->reject();
    }

    void HelpShowsTheTopic() {
        UiStation ui;
        auto* joint = OpenJoint(ui);
        Press(joint, "HelpButton");
        auto* help = ui.Get("HelpForm");
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: Közös Rorschach vizsgálat"));
        help->close();
        joint->reject();
    }
};

QUELVARIN_UI_TEST(TKRVFormTest);

} // namespace quelvarin::ui::test

#include "TKRVFormTest.moc"
