// The raw answer viewer: the slots of an answer as numbers, following the answers while open.
#include "ui/inspection/TFeleletForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QLabel>
#include <QListView>
#include <QSpinBox>

namespace quelvarin::ui::test {

class TFeleletFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheSlotsOfAnAnswerFollowTheScoring() {
        UiStation ui;
        auto& scoring = ui.Station().scoring;
        scoring.SelectAnswer(2);
        scoring.ChooseCard(9);
        scoring.ClickSignBox(400);
        ui.Trigger(QStringLiteral("RawAnswersItem"));
        auto* raw = ui.Get<TFeleletForm>("FeleletForm");
        QVERIFY(raw->isVisible());
        auto* number = raw->findChild<QSpinBox*>(QStringLiteral("AnswerNumber"));
        auto* slots = raw->findChild<QListView*>(QStringLiteral("SlotRows"));
        QCOMPARE(number->minimum(), 1);
        QCOMPARE(number->maximum(), 90);
        number->setValue(2);
        QCOMPARE(slots->model()->rowCount(), 31);
        ClickRow(slots, 0);
        QCOMPARE(raw->windowTitle(), QStringLiteral("Táblaszám: 9"));
        ClickRow(slots, 1);
        QCOMPARE(raw->windowTitle(), QStringLiteral("G"));
        QCOMPARE(raw->findChild<QLabel*>(QStringLiteral("SlotLabel"))->text(), QStringLiteral("1. elem"));
        // Scored while the viewer is open: the rows follow, the chosen row stays chosen.
        scoring.ClickSignBox(401);
        QCOMPARE(Rows(slots).mid(0, 3),
                 (QStringList{QStringLiteral("9"), QStringLiteral("400"), QStringLiteral("401")}));
        QCOMPARE(slots->currentIndex().row(), 1);
        ui.Station().files.NewProtocol();
        QCOMPARE(Rows(slots).mid(0, 3),
                 (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
        number->setValue(95);
        QCOMPARE(number->value(), 90);
    }
};

QUELVARIN_UI_TEST(TFeleletFormTest);

} // namespace quelvarin::ui::test

#include "TFeleletFormTest.moc"
