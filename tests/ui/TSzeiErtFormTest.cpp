// The SZEI evaluation: the counts, the mean and its conclusion, computed each time the window
// opens; a category's button shows its description in the coding window, read only.
#include "ui/indices/TSzeiErtForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/indices/TSzeiForm.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace {

QStringList Values(TSzeiErtForm* evaluation) {
    QStringList values;
    for (int row = 0; row < 6; ++row) {
        values.append(evaluation->findChild<QLineEdit*>(QStringLiteral("SzeiErtek%1").arg(row))->text());
    }
    return values;
}

void Code(UiStation& ui, std::initializer_list<const char*> codes) {
    int answer = 1;
    for (const char* code : codes) {
        ui.Station().scoring.SelectAnswer(answer++);
        QVERIFY(ui.Station().scoring.ChooseCard(1));
        QVERIFY(ui.Station().indices.SetSzeiCode(code));
    }
}

} // namespace

class TSzeiErtFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheFiguresAreComputedEachTimeItOpens() {
        UiStation ui;
        auto* evaluation = ui.Get<TSzeiErtForm>("SzeiErtForm");
        auto* open = ui.Find<QPushButton>(QStringLiteral("SzeiErtekelesGomb"));
        auto* sentence = evaluation->findChild<QPlainTextEdit*>(QStringLiteral("SzeiErtelmezes"));
        const QString lead = QStringLiteral(
            "Az észlelt személyiségzavarok, antiszociális cselekvések, életvezetési válságok ");

        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(evaluation->isVisible());
        QVERIFY(evaluation->isModal());
        QCOMPARE(evaluation->windowTitle(), QStringLiteral("Rorschach: SZEI értelmezés"));
        QCOMPARE(Values(evaluation),
                 (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral(" 0.0")}));
        QCOMPARE(sentence->toPlainText(),
                 lead + QStringLiteral(
                            "a nagy valószínűséggel meglévő pszichopátiás személyiségfejlődésre utalnak."));
        QTest::mouseClick(evaluation->findChild<QPushButton*>(QStringLiteral("SzeiRendbenGomb")),
                          Qt::LeftButton);
        QVERIFY(!evaluation->isVisible());

        // Two C and a "0": the "0" lowers the mean to 2 / 3 but is counted in no box.
        Code(ui, {"C", "0", "C"});
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(Values(evaluation),
                 (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("2"), QStringLiteral("0"), QStringLiteral(" 0.7")}));
        QCOMPARE(sentence->toPlainText(),
                 lead + QStringLiteral("inkább neurotikus folyamatnak tekinthetők."));
        evaluation->reject();
    }

    // A category's button: the coding window on that tab, modally, its tabs disabled and its
    // buttons hidden; a click on a SZEI row afterwards codes again.
    void ACategoryButtonShowsItsDescriptionReadOnly() {
        UiStation ui;
        Code(ui, {"?"});
        auto* evaluation = ui.Get<TSzeiErtForm>("SzeiErtForm");
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("SzeiErtekelesGomb")), Qt::LeftButton);
        const QString headings[] = {QStringLiteral("SZEI-A: "), QStringLiteral("SZEI-E: "),
                                    QStringLiteral("SZEI-D:"), QStringLiteral("SZEI-C: "),
                                    QStringLiteral("SZEI-B:")};
        const char* buttons[] = {"A", "E", "D", "C", "B"};
        for (int tab = 0; tab < 5; ++tab) {
            QTest::mouseClick(evaluation->findChild<QPushButton*>(QStringLiteral("SzeiKategoria") +
                                                                  QLatin1String(buttons[tab])),
                              Qt::LeftButton);
            QVERIFY(szei->isVisible());
            QCOMPARE(szei->windowModality(), Qt::WindowModal);
            QVERIFY(szei->findChild<QAbstractButton*>(QStringLiteral("SzeiTab%1").arg(tab))->isChecked());
            QVERIFY(!szei->findChild<QWidget*>(QStringLiteral("SzeiTabs"))->isEnabled());
            QVERIFY(szei->findChild<QPushButton*>(QStringLiteral("SzeiJeloldGomb"))->isHidden());
            QVERIFY(szei->findChild<QPushButton*>(QStringLiteral("SzeiSugoGomb"))->isHidden());
            auto text = szei->findChild<QPlainTextEdit*>(QStringLiteral("SzeiLeiras"))->toPlainText();
            QCOMPARE(text.split(QLatin1Char('\n')).first(), headings[tab]);
            szei->close();
        }
        evaluation->reject();
        QCOMPARE(ui.State().CurrentProtocol().answer(1).szei, std::string("?"));
        ClickRow(ui.Find<QListWidget>(QStringLiteral("SzeiDoboz")), 0);
        QVERIFY(szei->isVisible());
        QVERIFY(szei->findChild<QWidget*>(QStringLiteral("SzeiTabs"))->isEnabled());
        QVERIFY(!szei->findChild<QPushButton*>(QStringLiteral("SzeiJeloldGomb"))->isHidden());
        szei->close();
    }
};

QUELVARIN_UI_TEST(TSzeiErtFormTest);

} // namespace quelvarin::ui::test

#include "TSzeiErtFormTest.moc"
