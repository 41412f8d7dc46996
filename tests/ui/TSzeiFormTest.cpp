// The SZEI coding window, as the SZEI column of the answer panel opens it: the row's code sets
// its tab, an uncoded row opens it modally, a double click or Enter beside the main window.
#include "ui/indices/TSzeiForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/help/THelpForm.h"
#include "workstation/MainWindowLayout.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

namespace {

// The tab the strip shows chosen, or -1.
int ChosenTab(UiStation& ui) {
    for (int tab = 0; tab < 5; ++tab) {
        if (ui.Find<QAbstractButton>(QStringLiteral("SzeiTab%1").arg(tab))->isChecked()) {
            return tab;
        }
    }
    return -1;
}

// Answer `answer` on card 2, coded `code`, through the desks.
void Coded(UiStation& ui, int answer, const char* code) {
    ui.Station().scoring.SelectAnswer(answer);
    QVERIFY(ui.Station().scoring.ChooseCard(2));
    QVERIFY(ui.Station().indices.SetSzeiCode(code));
}

} // namespace

class TSzeiFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ARowClickSetsTheTabAndOpensModallyOnlyAnUncodedRow() {
        struct Case {
            const char* code;
            int tab; // -1: none
        };
        constexpr int kBefore = 2;
        const Case cases[] = {{"A", 0}, {"E", 1}, {"D", 2}, {"C", 3}, {"B", 4}, {"0", -1}, {"?", kBefore}};
        UiStation ui;
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        auto* rows = ui.Find<QListWidget>(QStringLiteral("SzeiDoboz"));
        int answer = 1;
        for (const auto& c : cases) {
            Coded(ui, answer, c.code);
            ++answer;
        }
        QCOMPARE(
            Rows(rows).mid(0, 7),
            (QStringList{QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("D"), QStringLiteral("C"),
                         QStringLiteral("B"), QStringLiteral("0"), QStringLiteral("?")}));
        answer = 1;
        for (const auto& c : cases) {
            const QString code = QString::fromLatin1(c.code);
            // Shown read only from the evaluation window before, on another tab.
            ui.Station().indices.ShowSzeiCategory(kBefore);
            szei->close();
            ui.Station().scoring.SelectAnswer(20, CardChoice::HeldBack);

            ClickRow(rows, answer - 1);
            bool uncoded = code == QStringLiteral("?");
            QCOMPARE(ui.State().CurrentAnswer(), answer);
            QCOMPARE(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz"))->currentRow(), answer - 1);
            QCOMPARE(ChosenTab(ui), c.tab);
            QVERIFY2(szei->isVisible() == uncoded, qPrintable(code));
            if (uncoded) {
                QCOMPARE(szei->windowModality(), Qt::WindowModal);
            }
            // Coding mode: its buttons shown, its tabs enabled.
            QVERIFY(!szei->findChild<QPushButton*>(QStringLiteral("SzeiJeloldGomb"))->isHidden());
            QVERIFY(!szei->findChild<QPushButton*>(QStringLiteral("SzeiSugoGomb"))->isHidden());
            QVERIFY(ui.Find<QWidget>(QStringLiteral("SzeiTabs"))->isEnabled());
            QCOMPARE(ui.Find<QPushButton>(QStringLiteral("SzeiJeloldGomb"))->isEnabled(), c.tab >= 0);
            auto description = ui.Find<QPlainTextEdit>(QStringLiteral("SzeiLeiras"))->toPlainText();
            QCOMPARE(description.isEmpty(), c.tab < 0);
            ++answer;
        }
        QCOMPARE(szei->pos(),
                 ui.Main().pos() + QPoint(main_window::kSzeiCodingLeft, main_window::kSzeiCodingTop));
        szei->close();
    }

    // A double click opens the window beside the main one; a tab and "jelöld !" code the answer
    // and close it.
    void ADoubleClickOpensItNotModallyAndMarkingCodesTheAnswer() {
        UiStation ui;
        Coded(ui, 3, "C");
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        auto* rows = ui.Find<QListWidget>(QStringLiteral("SzeiDoboz"));
        DoubleClickRow(rows, 2);
        QVERIFY(szei->isVisible());
        QCOMPARE(szei->windowModality(), Qt::NonModal);
        QVERIFY(szei->windowTitle().startsWith(QStringLiteral("SZEI: a szimbolikus elaboráció indexe")));
        QCOMPARE(ChosenTab(ui), 3);
        auto* description = ui.Find<QPlainTextEdit>(QStringLiteral("SzeiLeiras"));
        QVERIFY(description->isReadOnly());
        QCOMPARE(description->toPlainText().split(QLatin1Char('\n')).first(), QStringLiteral("SZEI-C: "));

        QTest::mouseClick(ui.Find<QAbstractButton>(QStringLiteral("SzeiTab4")), Qt::LeftButton);
        QCOMPARE(ChosenTab(ui), 4);
        QCOMPARE(description->toPlainText().split(QLatin1Char('\n')).first(), QStringLiteral("SZEI-B:"));
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("SzeiJeloldGomb")), Qt::LeftButton);
        QVERIFY(!szei->isVisible());
        QCOMPARE(ui.State().CurrentProtocol().answer(3).szei, std::string("B"));
        QCOMPARE(rows->item(2)->text(), QStringLiteral("B"));
        QVERIFY(ui.services.messages.isEmpty());
    }

    // Enter on a row acts as a double click, an uncoded row too.
    void EnterOnARowOpensItNotModally() {
        UiStation ui;
        Coded(ui, 2, "?");
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        auto* rows = ui.Find<QListWidget>(QStringLiteral("SzeiDoboz"));
        rows->setFocus();
        rows->setCurrentRow(1);
        QTest::keyClick(rows, Qt::Key_Return);
        QVERIFY(szei->isVisible());
        QCOMPARE(szei->windowModality(), Qt::NonModal);
        QCOMPARE(ui.State().CurrentAnswer(), 2);
        szei->close();
    }

    // An uncoded answer without a card: its card is chosen first, then the coding window opens.
    void TheCardChoiceComesBeforeTheCodingWindow() {
        UiStation ui;
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        auto* choice = ui.Get<TTSZValForm>("TSZValForm");
        ClickRow(ui.Find<QListWidget>(QStringLiteral("SzeiDoboz")), 5);
        QVERIFY(choice->isVisible());
        QVERIFY(!szei->isVisible());
        ClickRow(ui.Find<QListWidget>(QStringLiteral("CardChoiceList")), 4);
        QVERIFY(!choice->isVisible());
        QCOMPARE(ui.State().CurrentProtocol().answer(6).card, 4);
        QVERIFY(szei->isVisible());
        QCOMPARE(szei->windowModality(), Qt::WindowModal);
        szei->close();
    }

    // "súgó" of the modal window: the topic help below it, usable while the window is open and
    // left open after it.
    void TheTopicHelpOpensBelowTheModalWindow() {
        UiStation ui;
        Coded(ui, 1, "?");
        auto* szei = ui.Get<TSzeiForm>("SzeiForm");
        auto* help = ui.Get<THelpForm>("HelpForm");
        ClickRow(ui.Find<QListWidget>(QStringLiteral("SzeiDoboz")), 0);
        QCOMPARE(szei->windowModality(), Qt::WindowModal);
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("SzeiSugoGomb")), Qt::LeftButton);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: SZEI"));
        QCOMPARE(help->pos(), szei->pos() + QPoint(0, main_window::kSzeiTopicHelpTop));
        QVERIFY(!help->findChild<QPlainTextEdit*>(QStringLiteral("HelpBox"))->toPlainText().isEmpty());
        // The pointer reaches it while the coding window is modal: a click puts the cursor.
        auto* notes = help->findChild<QPlainTextEdit*>(QStringLiteral("NotesBox"));
        Type(notes, QStringLiteral("SZEI jegyzet"));
        QCOMPARE(notes->textCursor().position(), 12);
        // Through the window system, which holds back the input of a window a modal one blocks.
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          notes->viewport()->mapTo(help, QPoint(2, 4)));
        QCOMPARE(notes->textCursor().position(), 0);
        szei->close();
        QVERIFY(help->isVisible());
        QCOMPARE(help->parentWidget(), &ui.Main());
    }
};

QUELVARIN_UI_TEST(TSzeiFormTest);

} // namespace quelvarin::ui::test

#include "TSzeiFormTest.moc"
