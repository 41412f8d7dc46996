// The two help windows of the signs, "súgó a jelöléshez" and "súgó az értelmezéshez".
#include "ui/signhelp/SignHelpForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/LineFile.h"

#include <QPlainTextEdit>

namespace quelvarin::ui::test {

namespace {} // namespace

class SignHelpFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The mouse over a box loads both help windows; "&mentés" stores the edited text, which is
    // read back when the sign comes again.
    void AHelpTextIsStoredAndReadBack() {
        UiStation ui;
        auto* scoring = ui.Get<TJelSugForm>("JelSugForm");
        ui.Trigger(QStringLiteral("JelolGomb"));
        Enter(ui.Box(400));
        QCOMPARE(ui.Box(400)->toolTip(), QStringLiteral(" összesen 0 "));
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
        Enter(ui.Box(401));
        QVERIFY(!text->toPlainText().startsWith(QStringLiteral("Egész")));
        Enter(ui.Box(400));
        QCOMPARE(text->toPlainText(), QStringLiteral("Egész válasz.\nAz egész foltra."));
        QVERIFY(ui.services.questions.isEmpty());
    }

    // An edit not stored is offered for storing before the pointer loads another sign.
    void AnUnstoredEditIsNotLostOnTheWayToAnotherSign() {
        UiStation ui;
        Enter(ui.Box(404));
        auto* text = ui.Get<TErtSugForm>("ErtSugForm")->TextArea();
        Type(text, QStringLiteral(" Kiegészítés."));
        ui.services.answers.enqueue(true);
        Enter(ui.Box(405));
        QCOMPARE(ui.services.questions.size(), 1);
        QVERIFY(ui.services.questions[0].contains(QStringLiteral("„G komb.”")));
        auto stored = ui.Station().help.HelpTextsOf(404).interpretation;
        QVERIFY(!stored.empty());
        QVERIFY(QString::fromStdString(stored.back()).endsWith(QStringLiteral("Kiegészítés.")));
    }
};

QUELVARIN_UI_TEST(SignHelpFormTest);

} // namespace quelvarin::ui::test

#include "SignHelpFormTest.moc"
