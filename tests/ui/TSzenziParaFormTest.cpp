// "Szenzitivitás-paranoiditás index ": the table, the index and its zone, computed at each
// opening; without effective answers no figure and no zone of an earlier computation.
#include "ui/indices/TSzenziParaForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QFrame>
#include <QLabel>
#include <QTableWidget>

namespace quelvarin::ui::test {

namespace {

const QColor kLightGreen(144, 238, 144);
const QString kZones[] = {QStringLiteral("HealthyZone"), QStringLiteral("NonPsychoticZone"),
                          QStringLiteral("PsychoticZone")};

// Answers 1..count on card 1; the first ones carry the signs, one each, by their rows' names.
void GiveAnswers(UiStation& ui, int count, const std::vector<const char*>& contents,
                 const std::vector<const char*>& reactions) {
    for (int answer = 1; answer <= count; ++answer) {
        ui.Station().scoring.SelectAnswer(answer);
        QVERIFY(ui.Station().scoring.ChooseCard(1));
    }
    int answer = 1;
    for (auto name : contents) {
        ui.Station().scoring.SelectAnswer(answer++);
        QCOMPARE(ui.Station().scoring.ChooseContentsRow(name).outcome, EntryOutcome::Entered);
    }
    for (auto name : reactions) {
        ui.Station().scoring.SelectAnswer(answer++);
        QCOMPARE(ui.Station().scoring.ChooseSpecialReactionRow(name).outcome, EntryOutcome::Entered);
    }
}

TSzenziParaForm* Open(UiStation& ui) {
    ui.Trigger(QStringLiteral("SensitivityParanoiaItem"));
    auto* form = ui.Get<TSzenziParaForm>("SzenziParaForm");
    if (!form->isVisible()) {
        qWarning("the sensitivity-paranoia window did not open");
    }
    return form;
}

QString Shown(TSzenziParaForm* form, const QString& label) {
    return form->findChild<QLabel*>(label)->text();
}

// The zone panel shown light green; -1 for none.
int Highlighted(TSzenziParaForm* form) {
    int found = -1;
    for (int zone = 0; zone < 3; ++zone) {
        if (form->findChild<QFrame*>(kZones[zone])->palette().color(QPalette::Window) == kLightGreen) {
            if (found >= 0) {
                return -2; // more than one
            }
            found = zone;
        }
    }
    return found;
}

} // namespace

class TSzenziParaFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void EachZoneHighlighted() {
        struct Case {
            int answers;
            std::vector<const char*> contents;
            std::vector<const char*> reactions;
            const char* sum;
            const char* index;
            int zone;
        };
        const Case cases[] = {
            {20, {}, {}, "0", "80", 0},
            {10, {}, {"Gyanakvó reakció"}, "59", "149", 1},
            {10, {"Szem", "Szem"}, {"Gyanakvó reakció"}, "221", "311", 2},
        };
        UiStation ui;
        for (const auto& c : cases) {
            ui.Station().files.NewProtocol();
            GiveAnswers(ui, c.answers, c.contents, c.reactions);
            auto* form = Open(ui);
            QCOMPARE(form->windowTitle(), QStringLiteral("Szenzitivitás-paranoiditás index "));
            auto* table = form->findChild<QTableWidget*>(QStringLiteral("CategoryTable"));
            QCOMPARE(table->rowCount(), 12);
            QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Feleletszám"));
            QCOMPARE(table->item(0, 2)->text(), QString::number(c.answers));
            QCOMPARE(Shown(form, QStringLiteral("SumValue")), QString::fromLatin1(c.sum));
            QCOMPARE(Shown(form, QStringLiteral("IndexValue")), QString::fromLatin1(c.index));
            QCOMPARE(Highlighted(form), c.zone);
            QVERIFY(form->findChild<QLabel*>(QStringLiteral("NoAnswersNote"))->isHidden());
            form->accept();
        }
    }

    // After a computation with answers, a protocol without any: nothing of the earlier subject.
    void WithoutEffectiveAnswersNoFigureAndNoZone() {
        UiStation ui;
        GiveAnswers(ui, 10, {"Szem", "Szem"}, {"Gyanakvó reakció"});
        auto* form = Open(ui);
        QCOMPARE(Highlighted(form), 2);
        form->accept();

        ui.Station().files.NewProtocol();
        Open(ui);
        QCOMPARE(Highlighted(form), -1);
        QCOMPARE(Shown(form, QStringLiteral("IndexValue")), QString());
        QCOMPARE(Shown(form, QStringLiteral("SumValue")), QString());
        auto* note = form->findChild<QLabel*>(QStringLiteral("NoAnswersNote"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Nincs értékelhető felelet: az index nem számítható."));
        auto* table = form->findChild<QTableWidget*>(QStringLiteral("CategoryTable"));
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(table->item(row, 2)->text(), QString());
            QCOMPARE(table->item(row, 3)->text(), QString());
        }
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("81"));
        form->accept();
    }
};

QUELVARIN_UI_TEST(TSzenziParaFormTest);

} // namespace quelvarin::ui::test

#include "TSzenziParaFormTest.moc"
