// "Realitás-index (Neiger)": the rows and the school level give the index and its rating;
// "kiindulási állapot" returns the rows the window found when it was opened.
#include "ui/indices/TNeigerForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/help/THelpForm.h"
#include "ui/widgets/CheckList.h"

#include <QLabel>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace {

// The window opened from the menu.
TNeigerForm* Open(UiStation& ui) {
    ui.Trigger(QStringLiteral("NeigerItem"));
    auto* form = ui.Get<TNeigerForm>("NeigerForm");
    if (!form->isVisible()) {
        qWarning("the Neiger window did not open");
    }
    return form;
}

CheckList* RowsOf(TNeigerForm* form) {
    return form->findChild<CheckList*>(QStringLiteral("NeigerRows"));
}

QPushButton* InitialState(TNeigerForm* form) {
    return form->findChild<QPushButton*>(QStringLiteral("InitialStateButton"));
}

IndicesDesk::NeigerTicks Ticked(std::initializer_list<std::size_t> rows) {
    IndicesDesk::NeigerTicks ticks{};
    for (auto row : rows) {
        ticks[row] = true;
    }
    return ticks;
}

} // namespace

class TNeigerFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheLabelsFollowTheRowsAndTheSchoolLevel() {
        struct Case {
            int level;
            int rows;
            const char* score;
            const char* rating;
        };
        const Case cases[] = {
            {0, 0, " 2.5", "Patológiás érték"},
            {0, 1, " 3.5", "Valószínűleg patológiás érték"},
            {6, 7, " 7.5", "Valószínű normális érték"},
            {6, 8, " 8.5", "Normális érték"},
            {7, 3, " 3.0", "Valószínűleg patológiás érték"},
            {0, 16, "18.5", "Normális érték"},
        };
        UiStation ui;
        auto* form = Open(ui);
        auto* levels = form->findChild<QListWidget*>(QStringLiteral("SchoolLevels"));
        auto* score = form->findChild<QLabel*>(QStringLiteral("NeigerScore"));
        auto* rating = form->findChild<QLabel*>(QStringLiteral("NeigerRating"));
        // The protocol of the start names no level.
        QCOMPARE(levels->currentRow(), -1);
        QCOMPARE(score->text(), QStringLiteral(" 0.0"));
        QCOMPARE(rating->text(), QStringLiteral("Patológiás érték"));
        for (const auto& c : cases) {
            ui.Station().files.NewProtocol();
            ClickRow(levels, c.level);
            QCOMPARE(QString::fromStdString(ui.State().CurrentProtocol().personal.education),
                     levels->item(c.level)->text());
            for (int row = 0; row < c.rows; ++row) {
                ClickRow(RowsOf(form), row);
            }
            QCOMPARE(score->text(), QString::fromUtf8(c.score));
            QCOMPARE(rating->text(), QString::fromUtf8(c.rating));
        }
        // The personal data's level shows in the window's list.
        ui.Station().indices.SetSchoolLevel(3);
        QCOMPARE(levels->currentRow(), 3);
    }

    void AClickReleasesTheInitialStateAndAPressRestoresIt() {
        UiStation ui;
        ui.Station().indices.SetNeigerTick(0, true);
        auto* form = Open(ui);
        auto* rows = RowsOf(form);
        QVERIFY(rows->Ticked(0));
        QVERIFY(InitialState(form)->isChecked());
        ClickRow(rows, 3);
        QVERIFY(!InitialState(form)->isChecked());
        rows->setCurrentRow(5);
        QTest::keyClick(rows, Qt::Key_Space);
        QCOMPARE(ui.State().CurrentProtocol().neigerVulgars, Ticked({0, 3, 5}));

        QTest::mouseClick(InitialState(form), Qt::LeftButton);
        QCOMPARE(ui.State().CurrentProtocol().neigerVulgars, Ticked({0}));
        QVERIFY(!rows->Ticked(3) && !rows->Ticked(5) && rows->Ticked(0));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("NeigerScore"))->text(), QStringLiteral(" 1.0"));
        QVERIFY(InitialState(form)->isChecked());
        QTest::mouseClick(InitialState(form), Qt::LeftButton);
        QVERIFY2(InitialState(form)->isChecked(), "pressed again it stays pressed");
    }

    void ClosingKeepsTheTicks() {
        UiStation ui;
        auto* form = Open(ui);
        ClickRow(RowsOf(form), 4);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(ui.State().CurrentProtocol().neigerVulgars, Ticked({4}));

        Open(ui);
        QVERIFY(RowsOf(form)->Ticked(4));
        QTest::mouseClick(InitialState(form), Qt::LeftButton);
        QVERIFY2(ui.State().CurrentProtocol().neigerVulgars == Ticked({4}),
                 "the rows found at the opening are the initial state");
    }

    // A protocol made new or opened under the open window: its own rows show, and they are what
    // "kiindulási állapot" returns to.
    void AReplacedProtocolIsItsOwnInitialState() {
        UiStation ui;
        auto file = ui.dir / "neiger.qvl";
        quelvarin::test::WriteBytes(file, SerializeProtocol(quelvarin::test::ScoredProtocol().protocol, {}));
        auto* form = Open(ui);
        ClickRow(RowsOf(form), 2);
        QVERIFY(ui.Station().files.LoadProtocol(file));
        QVERIFY(RowsOf(form)->Ticked(0) && RowsOf(form)->Ticked(15) && !RowsOf(form)->Ticked(2));
        QVERIFY(InitialState(form)->isChecked());
        ClickRow(RowsOf(form), 7);
        QTest::mouseClick(InitialState(form), Qt::LeftButton);
        QCOMPARE(ui.State().CurrentProtocol().neigerVulgars, Ticked({0, 15}));

        ui.Station().files.NewProtocol();
        QVERIFY(!RowsOf(form)->Ticked(0));
        QTest::mouseClick(InitialState(form), Qt::LeftButton);
        QCOMPARE(ui.State().CurrentProtocol().neigerVulgars, Ticked({}));
        QVERIFY(!ui.State().Modified());
    }

    void HelpShowsItsTopic() {
        UiStation ui;
        auto* form = Open(ui);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("HelpButton")), Qt::LeftButton);
        auto* help = ui.Get<THelpForm>("HelpForm");
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: Realitás-index (Neiger)"));
    }
};

QUELVARIN_UI_TEST(TNeigerFormTest);

} // namespace quelvarin::ui::test

#include "TNeigerFormTest.moc"
