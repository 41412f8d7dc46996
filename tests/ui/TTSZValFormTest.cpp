// The card choice: opened by the session's offer beside the answer list, with the card it names
// preselected, and closed by a choice or by Esc.
#include "ui/answers/TTSZValForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "workstation/MainWindowLayout.h"

#include <QListWidget>

namespace quelvarin::ui::test {

class TTSZValFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ACardRowOpensTheChoiceOnceWithTheCardToPreselect() {
        UiStation ui;
        auto* choice = ui.Get<TTSZValForm>("TSZValForm");
        auto* items = ui.Find<QListWidget>(QStringLiteral("CardChoiceList"));
        auto* cards = ui.Find<QListWidget>(QStringLiteral("TSZDoboz"));
        int shown = 0;
        struct Counter : QObject {
            int& count;
            explicit Counter(int& into) : count(into) {}
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::Show;
                return false;
            }
        } counter(shown);
        choice->installEventFilter(&counter);

        ClickRow(cards, 7);
        QVERIFY(choice->isVisible());
        QCOMPARE(shown, 1);
        QCOMPARE(choice->pos(),
                 ui.Main().mapToGlobal(QPoint(main_window::kAnswerPanelLeft + main_window::kAnswerListWidth,
                                              main_window::kCardChoiceTop)));
        QCOMPARE(items->currentRow(), 1); // CurrentCard is 1 at start
        ClickRow(items, 2);
        QVERIFY(!choice->isVisible());
        QCOMPARE(ui.State().CurrentProtocol().answer(8).card, 2);
        QCOMPARE(cards->item(7)->text(), QStringLiteral("2"));

        // An answer without a card, from the card list: the card of the answer before.
        ClickRow(cards, 8);
        QCOMPARE(shown, 2);
        QCOMPARE(items->currentRow(), 2);
        QTest::keyClick(items, Qt::Key_Escape);
        QVERIFY(!choice->isVisible());
        QVERIFY2(!ui.State().CardChoiceWanted(), "Esc takes the offer back");
        QCOMPARE(ui.State().CurrentProtocol().answer(9).card, 0);
        // An answer with a card: that card.
        ClickRow(cards, 7);
        QCOMPARE(items->currentRow(), 2);
        QTest::keyClick(items, Qt::Key_Down);
        QTest::keyClick(items, Qt::Key_Return);
        QCOMPARE(ui.State().CurrentProtocol().answer(8).card, 3);
        QCOMPARE(shown, 3);
    }
};

QUELVARIN_UI_TEST(TTSZValFormTest);

} // namespace quelvarin::ui::test

#include "TTSZValFormTest.moc"
