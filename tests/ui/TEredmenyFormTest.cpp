// The mechanical glossary: built each time it is shown, titled with the examination code; its
// button writes the HTML help pages again.
#include "ui/reports/TEredmenyForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

class TEredmenyFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheGlossaryOfTheProtocolAsItIsNow() {
        UiStation ui;
        QVERIFY(ui.Station().files.LoadProtocol(ui.root / "archivum" / "minta.qvl"));
        auto* glossary = ui.Get<TEredmenyForm>("EredmenyForm");
        auto* text = glossary->findChild<QPlainTextEdit*>(QStringLiteral("SzoszedetSzoveg"));
        ui.Trigger(QStringLiteral("GlossaryItem"));
        QVERIFY(glossary->isVisible());
        QVERIFY(glossary->isModal());
        auto code = QString::fromStdString(ui.State().CurrentProtocol().personal.code);
        QCOMPARE(glossary->windowTitle(), QStringLiteral("Mechanikus szószedet: ") + code);
        QCOMPARE(glossary->frameGeometry().center(), glossary->screen()->availableGeometry().center());
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        auto shown = text->toPlainText();
        auto lines = shown.split(QLatin1Char('\n'));
        QVERIFY(lines.first().startsWith(QStringLiteral("FT: ")));
        QVERIFY(lines.contains(QStringLiteral("Feleletszám: %1")
                                   .arg(static_cast<int>(ui.State().CurrentProtocol().counts[397]))));
        QCOMPARE(lines.last(), QStringLiteral("----------------------------"));
        text->appendPlainText(QStringLiteral("saját sor"));
        glossary->reject();

        // Shown again: the same text, once, without the edit.
        ui.Trigger(QStringLiteral("GlossaryItem"));
        QCOMPARE(text->toPlainText(), shown);
        glossary->reject();
        // After more scoring: the glossary of the protocol as it is now.
        ui.Station().scoring.SelectAnswer(60);
        QVERIFY(ui.Station().scoring.ChooseCard(4));
        ui.Trigger(QStringLiteral("GlossaryItem"));
        QVERIFY(text->toPlainText() != shown);
        glossary->reject();
    }

    void TheButtonWritesTheHelpPagesAgain() {
        UiStation ui;
        auto* glossary = ui.Get<TEredmenyForm>("EredmenyForm");
        ui.Trigger(QStringLiteral("GlossaryItem"));
        auto* button = glossary->findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(!button->text().isEmpty());
        QVERIFY(!button->toolTip().isEmpty());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("A HTML rendszer frissítése befejeződött.")});
        QVERIFY(fs::exists(ui.root / "html" / "ertelmez" / "90.html"));
        QVERIFY(fs::exists(ui.root / "html" / "jelol" / "496.html"));
        glossary->reject();
    }
};

QUELVARIN_UI_TEST(TEredmenyFormTest);

} // namespace quelvarin::ui::test

#include "TEredmenyFormTest.moc"
