// The transference evaluation: six categories' bars, 4 pixels a percent, each current share
// written after its bar, in a window as wide as its longest bar needs.
#include "ui/indices/TAttetelErtForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QLabel>
#include <QPushButton>

namespace quelvarin::ui::test {

class TAttetelErtFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheBarsAndTheWidthFollowTheShares() {
        struct Case {
            std::vector<const char*> codes;
            QList<int> percents; // Semleges, Pozitív, Szorongás, Agresszió, Testiség, Függőség
            int width;
        };
        const Case cases[] = {
            {{}, {0, 0, 0, 0, 0, 0}, 350},
            {{"Semleges válaszok.", "Semleges válaszok.", "Agresszió.", "-"}, {50, 0, 0, 25, 0, 0}, 350},
            {{"Semleges válaszok.", "Semleges válaszok.", "Semleges válaszok."}, {100, 0, 0, 0, 0, 0}, 550},
        };
        const QStringList labels = {QStringLiteral("Semleges:"),  QStringLiteral("Pozitív érzelmek:"),
                                    QStringLiteral("Szorongás:"), QStringLiteral("Agresszió:"),
                                    QStringLiteral("Testiség:"),  QStringLiteral("Függőség:")};
        for (const auto& c : cases) {
            UiStation ui;
            int answer = 1;
            for (const char* code : c.codes) {
                ui.Station().scoring.SelectAnswer(answer++);
                QVERIFY(ui.Station().scoring.ChooseCard(3));
                QVERIFY(ui.Station().indices.SetTransference(code));
            }
            auto* evaluation = ui.Get<TAttetelErtForm>("AttetelErtForm");
            QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("AttetelErtekelesGomb")), Qt::LeftButton);
            QVERIFY(evaluation->isVisible());
            QVERIFY(evaluation->isModal());
            QCOMPARE(evaluation->windowTitle(), QStringLiteral("Rorschach: ÁTTÉTEL-skála (De Vos, 1952)"));
            QCOMPARE(evaluation->width(), c.width);
            for (int i = 0; i < 6; ++i) {
                auto* label = evaluation->findChild<QLabel*>(QStringLiteral("AttetelKategoria%1").arg(i));
                auto* value = evaluation->findChild<QLabel*>(QStringLiteral("AttetelErtek%1").arg(i));
                QCOMPARE(label->text(), labels[i]);
                QCOMPARE(value->text(), QStringLiteral("%1%").arg(c.percents[i]));
                // The value follows its bar: 106 pixels and 4 a percent.
                QCOMPARE(value->x(), 106 + 4 * c.percents[i]);
                QVERIFY(value->x() + value->width() <= evaluation->width());
                QCOMPARE(value->accessibleDescription(), labels[i]);
            }
            QTest::mouseClick(evaluation->findChild<QPushButton*>(QStringLiteral("AttetelRendbenGomb")),
                              Qt::LeftButton);
            QVERIFY(!evaluation->isVisible());
        }
    }
};

QUELVARIN_UI_TEST(TAttetelErtFormTest);

} // namespace quelvarin::ui::test

#include "TAttetelErtFormTest.moc"
