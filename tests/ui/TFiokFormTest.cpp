// "Fiókok": every counter of the protocol.
#include "ui/inspection/TFiokForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QListView>

namespace quelvarin::ui::test {

class TFiokFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void EveryCounterAndTheCodeOfARow() {
        UiStation ui;
        ui.Station().scoring.SelectAnswer(2);
        ui.Station().scoring.ChooseCard(9);
        ui.Station().scoring.ClickSignBox(400);
        ui.Trigger(QStringLiteral("CountersItem"));
        auto* counters = ui.Get<TFiokForm>("FiokForm");
        QVERIFY(counters->isVisible());
        QCOMPARE(counters->windowTitle(), QStringLiteral("Fiókok"));
        auto* rows = counters->findChild<QListView*>(QStringLiteral("CounterRows"));
        QCOMPARE(rows->model()->rowCount(), 408);
        QCOMPARE(Rows(rows)[310], QStringLiteral("G=1;"));
        ClickRow(rows, 310);
        QCOMPARE(counters->windowTitle(), QStringLiteral("400"));
        counters->reject();
        // Opened again after more scoring: the counters as they are now, the caption reset.
        ui.Station().scoring.ClickSignBox(400);
        ui.Trigger(QStringLiteral("CountersItem"));
        QCOMPARE(Rows(rows)[310], QStringLiteral("G=2;"));
        QCOMPARE(counters->windowTitle(), QStringLiteral("Fiókok"));
        counters->reject();
    }
};

QUELVARIN_UI_TEST(TFiokFormTest);

} // namespace quelvarin::ui::test

#include "TFiokFormTest.moc"
