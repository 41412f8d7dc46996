// The answer text window: it follows the selection, and what is typed is the protocol's
// unsaved change, stored by the scoring desk before anything else happens to the protocol.
#include "ui/answers/TValaszForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "ui/answers/TTSZValForm.h"
#include "workstation/Messages.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

namespace {

QPlainTextEdit* TextOf(UiStation& ui) {
    return ui.Get("ValaszForm")->findChild<QPlainTextEdit*>(QStringLiteral("AnswerText"));
}

} // namespace

class TValaszFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheAnswerTextFollowsTheSelection() {
        UiStation ui;
        auto* window = ui.Get<TValaszForm>("ValaszForm");
        ui.Trigger(QStringLiteral("FeleletGomb"));
        auto* text = TextOf(ui);
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz"));
        QVERIFY2(text->isReadOnly(), "no answer, no file");
        ui.Station().scoring.SelectAnswer(3, CardChoice::HeldBack);
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz: 3. felelet"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("AnswerTextPath"))->text(),
                 PathText(ui.root / "aktualis" / "3.txt"));
        QVERIFY(!text->isReadOnly());
        Type(text, QStringLiteral("Két medve"));
        QVERIFY2(ui.State().Modified(), "typing is a change of the protocol");
        // The next answer is selected: the typed text is in its file first.
        ClickRow(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz")), 3);
        ui.Get<TTSZValForm>("TSZValForm")->reject();
        QCOMPARE(quelvarin::test::ReadBytes(ui.root / "aktualis" / "3.txt"), std::string("K\xE9t medve\r\n"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Válasz: 4. felelet"));
        QVERIFY(text->toPlainText().isEmpty());
        QVERIFY(!fs::exists(ui.root / "aktualis" / ".txt"));
        // The window hidden: the text typed is in its file.
        Type(text, QStringLiteral("Egy lepke"));
        window->hide();
        QCOMPARE(quelvarin::test::ReadBytes(ui.root / "aktualis" / "4.txt"), std::string("Egy lepke\r\n"));
    }

    // Ctrl+O pressed while typing: the typed text is part of the unsaved changes, so open offers
    // to save them, and the opened protocol never gets the text. Both with the focus still in the
    // text and after it left.
    void OpeningAProtocolOffersToSaveTheTypedTextAndNeverPassesItOn() {
        for (bool focusLeftFirst : {false, true}) {
            UiStation ui;
            auto other = ui.dir / "masik.qvl";
            auto parsed = quelvarin::test::ScoredProtocol();
            parsed.texts[2] = {"a másik vizsgálat szövege"};
            quelvarin::test::WriteBytes(other, SerializeProtocol(parsed.protocol, parsed.texts));
            ui.Station().scoring.SelectAnswer(3, CardChoice::HeldBack);
            ui.Trigger(QStringLiteral("FeleletGomb"));
            auto* text = TextOf(ui);
            Type(text, QStringLiteral("Két medve"));
            if (focusLeftFirst) {
                ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"))->setFocus();
            }
            ui.services.answers.enqueue(false); // not saved
            ui.services.files.enqueue(PathText(other));
            QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(ui.services.questions, QStringList{QString::fromUtf8(messages::kAskSaveCurrent)});
            QCOMPARE(ui.State().CurrentProtocol().personal.name, std::string("Kovács Ödön"));
            QCOMPARE(ui.State().AnswerTextOf(3), (AnswerText{"a másik vizsgálat szövege"}));
            // The opened protocol's first answer is selected, and shown.
            QCOMPARE(text->toPlainText(), QStringLiteral("Egy denevér, kiterjesztett szárnyakkal."));
            // The window losing the focus afterwards stores nothing into the opened protocol.
            ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"))->setFocus();
            ui.Get("ValaszForm")->hide();
            QCOMPARE(ui.State().AnswerTextOf(3), (AnswerText{"a másik vizsgálat szövege"}));
            QVERIFY(!ui.State().Modified());
        }
    }
};

QUELVARIN_UI_TEST(TValaszFormTest);

} // namespace quelvarin::ui::test

#include "TValaszFormTest.moc"
