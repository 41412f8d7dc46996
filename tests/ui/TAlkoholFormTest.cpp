// The alcoholism syndrome: the signs ticked against the number the protocol's length requires.
#include "ui/indices/TAlkoholForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/widgets/CheckList.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace quelvarin::ui::test {

namespace {

// Answers 1..count on card 1, through the desks.
void GiveAnswers(UiStation& ui, int count) {
    for (int answer = 1; answer <= count; ++answer) {
        ui.Station().scoring.SelectAnswer(answer);
        QVERIFY(ui.Station().scoring.ChooseCard(1));
    }
}

TAlkoholForm* Open(UiStation& ui) {
    ui.Trigger(QStringLiteral("AlcoholismItem"));
    auto* form = ui.Get<TAlkoholForm>("AlkoholForm");
    if (!form->isVisible()) {
        qWarning("the alcoholism window did not open");
    }
    return form;
}

QString Shown(TAlkoholForm* form, const char* label) {
    return form->findChild<QLabel*>(QString::fromLatin1(label))->text();
}

} // namespace

class TAlkoholFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ThresholdsByTheLengthOfTheProtocol() {
        struct Case {
            int answers;
            int ticks;
            bool shortProtocolTick;
            const char* required;
            const char* verdict;
            bool highlighted;
        };
        const Case cases[] = {
            {10, 1, true, "1", "Alkoholizmus feltételezhető.", true},
            {11, 1, false, "2", "Alkoholizmus nem feltételezhető.", false},
            {11, 2, false, "2", "Alkoholizmus feltételezhető.", true},
            {31, 3, false, "4", "Alkoholizmus nem feltételezhető.", false},
            {31, 4, false, "4", "Alkoholizmus feltételezhető.", true},
        };
        for (const auto& c : cases) {
            UiStation ui;
            GiveAnswers(ui, c.answers);
            auto* form = Open(ui);
            QVERIFY(form->windowTitle().startsWith(QStringLiteral("Az alkoholizmus szindrómája")));
            auto* items = form->findChild<CheckList*>(QStringLiteral("AlcoholismItems"));
            for (int row = 0; row < c.ticks; ++row) {
                ClickRow(items, row);
            }
            QCOMPARE(Shown(form, "AnswerCount"), QString::number(c.answers));
            QCOMPARE(Shown(form, "RequiredCount"), QString::fromLatin1(c.required));
            QCOMPARE(Shown(form, "TickedCount"), QString::number(c.ticks));
            QCOMPARE(form->findChild<QCheckBox*>(QStringLiteral("ShortProtocolTick"))->isEnabled(),
                     c.shortProtocolTick);
            auto* verdict = form->findChild<QLabel*>(QStringLiteral("Verdict"));
            QCOMPARE(verdict->text(), QString::fromUtf8(c.verdict));
            auto colours = verdict->palette();
            QCOMPARE(colours.color(QPalette::WindowText),
                     c.highlighted ? QColor(Qt::yellow) : QColor(Qt::black));
            QCOMPARE(colours.color(QPalette::Window),
                     c.highlighted ? QColor(Qt::red) : form->palette().color(QPalette::Window));
            form->accept();
        }
    }

    // Opened again after the protocol grew, the verdict agrees with the new required number
    // before any tick changes; the ticks are the ones left at the last opening.
    void ReopenedTheVerdictFollowsTheProtocol() {
        UiStation ui;
        GiveAnswers(ui, 10);
        auto* form = Open(ui);
        ClickRow(form->findChild<CheckList*>(QStringLiteral("AlcoholismItems")), 5);
        QCOMPARE(form->findChild<QPlainTextEdit*>(QStringLiteral("ExplanationBox"))
                     ->toPlainText()
                     .section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Uretrális jegyek:"));
        QCOMPARE(Shown(form, "Verdict"), QStringLiteral("Alkoholizmus feltételezhető."));
        form->accept();

        ui.Station().scoring.SelectAnswer(11);
        QVERIFY(ui.Station().scoring.ChooseCard(4));
        Open(ui);
        QVERIFY(form->findChild<CheckList*>(QStringLiteral("AlcoholismItems"))->Ticked(5));
        QCOMPARE(Shown(form, "RequiredCount"), QStringLiteral("2"));
        QCOMPARE(Shown(form, "Verdict"), QStringLiteral("Alkoholizmus nem feltételezhető."));
        QVERIFY(!form->findChild<QCheckBox*>(QStringLiteral("ShortProtocolTick"))->isEnabled());
        form->accept();
    }
};

QUELVARIN_UI_TEST(TAlkoholFormTest);

} // namespace quelvarin::ui::test

#include "TAlkoholFormTest.moc"
