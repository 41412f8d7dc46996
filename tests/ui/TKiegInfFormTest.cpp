// "Kiegészítő információk": the eighteen flags of the protocol as ticks, the help of an item
// under the pointer, and an item chosen for editing its help.
#include "ui/indices/TKiegInfForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/app/QtText.h"
#include "ui/signhelp/SignHelpForm.h"
#include "ui/widgets/CheckList.h"

#include <QMouseEvent>
#include <QPlainTextEdit>

namespace quelvarin::ui::test {

namespace {

TKiegInfForm* Open(UiStation& ui) {
    ui.Trigger(QStringLiteral("SupplementaryItem"));
    auto* form = ui.Get<TKiegInfForm>("KiegInfForm");
    if (!form->isVisible()) {
        qWarning("the supplementary-information window did not open");
    }
    return form;
}

CheckList* ItemsOf(TKiegInfForm* form) {
    return form->findChild<CheckList*>(QStringLiteral("SupplementaryItems"));
}

// The pointer moved over a row (offscreen there is no pointer to move).
void Hover(QAbstractItemView* view, int row) {
    auto at = view->visualRect(view->model()->index(row, 0)).center();
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
}

int Flag(UiStation& ui, int item) {
    return ui.State().CurrentProtocol().counts[static_cast<SignCode>(480 + item)];
}

} // namespace

class TKiegInfFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A protocol opened or made new under the open window shows its own flags, and the next
    // tick writes them, not the previous subject's.
    void TheTicksFollowALoadedAndANewProtocol() {
        UiStation ui;
        auto file = ui.dir / "kieginf.qvl";
        quelvarin::test::WriteBytes(file, SerializeProtocol(quelvarin::test::ScoredProtocol().protocol, {}));
        auto* form = Open(ui);
        auto* items = ItemsOf(form);
        QCOMPARE(items->count(), 18);
        ClickRow(items, 3);
        ClickRow(items, 7);
        QCOMPARE(Flag(ui, 7), 1);

        QVERIFY(ui.Station().files.LoadProtocol(file)); // item 2 is ticked in the file
        QVERIFY(items->Ticked(2));
        QVERIFY(!items->Ticked(7));
        ClickRow(items, 10);
        QCOMPARE(Flag(ui, 10), 1);
        QCOMPARE(Flag(ui, 2), 1);
        QCOMPARE(Flag(ui, 7), 0);

        ui.Station().files.NewProtocol();
        for (int item = 0; item < 18; ++item) {
            QVERIFY(!items->Ticked(item));
        }
        QTest::keyClick(items, Qt::Key_Space); // the current item, 10
        QCOMPARE(Flag(ui, 10), 1);
        QCOMPARE(Flag(ui, 2), 0);
    }

    void ThePointerLoadsAnItemsHelp() {
        UiStation ui;
        auto* form = Open(ui);
        auto* items = ItemsOf(form);
        Hover(items, 16);
        QCOMPARE(items->currentRow(), 16);
        QCOMPARE(ui.State().LastHelpCode(), SignCode{496});
        QCOMPARE(ui.Get<TJelSugForm>("JelSugForm")->TextArea()->toPlainText(),
                 TextOf(ui.Station().help.HelpTextsOf(496).scoring));
        QCOMPARE(Flag(ui, 16), 0);

        ui.Station().help.SetHelpEditMode(true);
        Hover(items, 4);
        QCOMPARE(ui.State().LastHelpCode(), SignCode{496}); // nothing loaded while the help is edited
    }

    // While the help texts are edited a click chooses an item's help and shows both help
    // windows; it ticks nothing.
    void AClickInHelpEditModeChoosesTheHelp() {
        UiStation ui;
        auto* form = Open(ui);
        ui.Trigger(QStringLiteral("HelpEditModeItem"));
        QVERIFY(ui.State().HelpEditMode());
        ClickRow(ItemsOf(form), 2);
        QCOMPARE(ui.State().LastHelpCode(), SignCode{482});
        const auto texts = ui.Station().help.HelpTextsOf(482);
        for (auto [name, lines] :
             {std::pair{"JelSugForm", texts.scoring}, {"ErtSugForm", texts.interpretation}}) {
            auto* window = ui.Get<SignHelpForm>(name);
            QVERIFY(window->isVisible());
            QCOMPARE(window->TextArea()->toPlainText(), TextOf(lines));
        }
        QVERIFY(!ItemsOf(form)->Ticked(2));
        QCOMPARE(Flag(ui, 2), 0);

        ui.Trigger(QStringLiteral("HelpEditModeItem"));
        ClickRow(ItemsOf(form), 2);
        QCOMPARE(Flag(ui, 2), 1);
    }
};

QUELVARIN_UI_TEST(TKiegInfFormTest);

} // namespace quelvarin::ui::test

#include "TKiegInfFormTest.moc"
