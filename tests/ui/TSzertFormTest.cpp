// The narrative interpretation: written when the menu item is chosen and shown as written; not
// opened at all when there is nothing to interpret.
#include "ui/reports/TSzertForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

class TSzertFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void NothingToInterpretLeavesTheWindowClosed() {
        UiStation ui;
        auto* window = ui.Get<TSzertForm>("SzertForm");
        QCOMPARE(window->windowTitle(), QStringLiteral("Rorschach: szöveges értelmezés"));
        // One answer, a refusal: no effective answer.
        ui.Station().scoring.SelectAnswer(1);
        QVERIFY(ui.Station().scoring.ChooseCard(2));
        ui.Station().scoring.ChooseSpecialReactionRow("Versagen");
        ui.Trigger(QStringLiteral("InterpretationItem"));
        QVERIFY(!window->isVisible());
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("Nincs értékelhető felelet, szöveges értelmezés nem készült.")});
        QVERIFY(!fs::exists(ui.root / "aktualis" / "Szov_Ert.txt"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Rorschach: szöveges értelmezés"));
    }

    // The lines the run wrote, not a file read back: a stale file under the other spelling of
    // its name is never shown.
    void TheInterpretationAsWritten() {
        UiStation ui;
        QVERIFY(ui.Station().files.LoadProtocol(ui.root / "archivum" / "minta.qvl"));
        quelvarin::test::WriteBytes(ui.root / "aktualis" / "szov_ert.txt", "egy régi értelmezés\r\n");
        auto* window = ui.Get<TSzertForm>("SzertForm");
        ui.Trigger(QStringLiteral("InterpretationItem"));
        QVERIFY(window->isVisible());
        QVERIFY(window->isModal());
        auto code = QString::fromStdString(ui.State().CurrentProtocol().personal.code);
        QVERIFY(!code.isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Szöveges értelmezés: ") + code);
        auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("SzovegesErtelmezes"));
        auto lines = text->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Az F%-ok jelentéséhez"));
        QCOMPARE(lines.last(), QStringLiteral("Vége"));
        auto written = quelvarin::test::ReadBytes(ui.root / "aktualis" / "Szov_Ert.txt");
        QCOMPARE(static_cast<qsizetype>(std::count(written.begin(), written.end(), '\n')), lines.size());
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!text->isReadOnly());
        // Edits are never saved.
        text->appendPlainText(QStringLiteral("saját sor"));
        window->reject();
        QCOMPARE(quelvarin::test::ReadBytes(ui.root / "aktualis" / "Szov_Ert.txt"), written);
    }
};

QUELVARIN_UI_TEST(TSzertFormTest);

} // namespace quelvarin::ui::test

#include "TSzertFormTest.moc"
