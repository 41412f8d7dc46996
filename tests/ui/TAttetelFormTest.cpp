// The transference scale's coding window and the transference box of the answer panel: what is
// typed is the selected answer's code at once, "jelöld !" writes the category's heading.
#include "ui/indices/TAttetelForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "workstation/MainWindowLayout.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace {

const QString kFieldHint = QStringLiteral("Ktttintson az ÁTTÉTEL beviteléhez!");

void OnCard(UiStation& ui, int answer, int card) {
    ui.Station().scoring.SelectAnswer(answer);
    QVERIFY(ui.Station().scoring.ChooseCard(card));
}

} // namespace

class TAttetelFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TypingIsStoredForTheSelectedAnswerOnly() {
        UiStation ui;
        auto* field = ui.Find<QLineEdit>(QStringLiteral("AttetelDoboz"));
        QVERIFY2(!field->isEnabled(), "no answer selected");
        QCOMPARE(field->toolTip(), kFieldHint);
        OnCard(ui, 4, 2);
        QVERIFY(field->isEnabled());
        QCOMPARE(field->text(), QStringLiteral("-"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("Agresszio"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(ui.State().CurrentProtocol().answer(4).transference, std::string("Agresszi"));
        QVERIFY(ui.State().Modified());
        // The cursor stays where it is typed.
        field->setCursorPosition(2);
        QTest::keyClicks(field, QStringLiteral("x"));
        QCOMPARE(field->text(), QStringLiteral("Agxresszi"));
        QCOMPARE(field->cursorPosition(), 3);

        OnCard(ui, 5, 2);
        QCOMPARE(field->text(), QStringLiteral("-"));
        QCOMPARE(ui.State().CurrentProtocol().answer(4).transference, std::string("Agxresszi"));
        ui.Station().scoring.SelectAnswer(4);
        QCOMPARE(field->text(), QStringLiteral("Agxresszi"));
        ui.Station().files.NewProtocol();
        QVERIFY(!field->isEnabled());
        QVERIFY(field->text().isEmpty());
    }

    // A click on the box opens the window; a tab shows its description; "jelöld !" puts the
    // heading into the box and its hint, which stores it.
    void MarkingPutsTheHeadingIntoTheBox() {
        UiStation ui;
        OnCard(ui, 2, 7);
        auto* field = ui.Find<QLineEdit>(QStringLiteral("AttetelDoboz"));
        auto* coding = ui.Get<TAttetelForm>("AttetelForm");
        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(coding->isVisible());
        QCOMPARE(coding->windowModality(), Qt::NonModal);
        QCOMPARE(coding->windowTitle(), QStringLiteral("Áttétel-skála (De Vos)"));
        QCOMPARE(coding->pos(), ui.Main().pos() + QPoint(main_window::kTransferenceCodingLeft,
                                                         main_window::kTransferenceCodingTop));
        auto* mark = ui.Find<QPushButton>(QStringLiteral("AttetelJeloldGomb"));
        auto* description = ui.Find<QPlainTextEdit>(QStringLiteral("AttetelLeiras"));
        QVERIFY(!mark->isEnabled());
        QVERIFY(description->toPlainText().isEmpty());

        auto* neutral = ui.Find<QAbstractButton>(QStringLiteral("AttetelTab7"));
        QCOMPARE(neutral->text(), QStringLiteral("Semleges"));
        QTest::mouseClick(neutral, Qt::LeftButton);
        QVERIFY(mark->isEnabled());
        QCOMPARE(description->toPlainText(),
                 QStringLiteral(
                     "Semleges válaszok.\nAz előző kategóriák egyikébe sem sorolható be.\n"
                     "A válaszok túlnyomó része ide tartozik. Normális\nfelnőttek jegyzőkönyvében 50 %."));
        QTest::mouseClick(mark, Qt::LeftButton);
        QVERIFY(!coding->isVisible());
        QCOMPARE(field->text(), QStringLiteral("Semleges válaszok."));
        QCOMPARE(field->toolTip(), QStringLiteral("Semleges válaszok."));
        QCOMPARE(ui.State().CurrentProtocol().answer(2).transference, std::string("Semleges válaszok."));

        // The window remembers its tab; without a selected answer nothing is stored.
        ui.Station().files.NewProtocol();
        coding->show();
        QVERIFY(neutral->isChecked());
        QTest::mouseClick(mark, Qt::LeftButton);
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("   Hányadik feleletet jelöljük? Kérem válasszon!   ")});
        QVERIFY(coding->isVisible());
        QVERIFY(!ui.State().Modified());
        coding->close();
    }

    // After the protocol page, which leaves answer 90 selected, the SZEI row and the transference
    // box are those of answer 90.
    void ThePanelFollowsTheSelectionTheProtocolPageLeaves() {
        UiStation ui;
        OnCard(ui, 90, 10);
        QVERIFY(ui.Station().indices.SetTransference("Szorongás."));
        QVERIFY(ui.Station().indices.SetSzeiCode("D"));
        OnCard(ui, 3, 1);
        auto* field = ui.Find<QLineEdit>(QStringLiteral("AttetelDoboz"));
        QCOMPARE(field->text(), QStringLiteral("-"));
        ui.Trigger(QStringLiteral("ProtocolPageItem"));
        QCOMPARE(ui.State().CurrentAnswer(), 90);
        auto* szei = ui.Find<QListWidget>(QStringLiteral("SzeiDoboz"));
        QCOMPARE(szei->currentRow(), 89);
        QCOMPARE(szei->currentItem()->text(), QStringLiteral("D"));
        QCOMPARE(field->text(), QStringLiteral("Szorongás."));
    }
};

QUELVARIN_UI_TEST(TAttetelFormTest);

} // namespace quelvarin::ui::test

#include "TAttetelFormTest.moc"
