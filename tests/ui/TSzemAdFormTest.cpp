// "Rorschach: személyi adatok": the subject's data, each change stored at once, after "új Ro."
// with the code selected and the sibling program's hand-over taken.
#include "ui/personal/TSzemAdForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "ui/personal/TKlinListForm.h"
#include "ui/personal/TListaForm.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;

namespace {

const PersonalData& Personal(UiStation& ui) {
    return ui.Station().session.CurrentProtocol().personal;
}

} // namespace

class TSzemAdFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void NewProtocolOpensItWithTheProposedCodeSelectedAndTheHandOverTaken() {
        UiStation ui;
        // A saved protocol leaves its name to be proposed as the next code.
        auto saved = ui.root / "archivum" / "elozo.qvl";
        ui.services.files.enqueue(PathText(saved));
        ui.Trigger(QStringLiteral("MentGomb"));
        QVERIFY(fs::exists(saved));

        ui.services.answers.enqueue(false); // no save of the protocol just saved
        ui.Trigger(QStringLiteral("UjRoGomb"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        QVERIFY(window->isVisible());
        QVERIFY(window->isModal());
        auto* code = Child<QLineEdit>(window, "KodDoboz");
        QCOMPARE(code->text(), QStringLiteral("elozo"));
        QCOMPARE(code->selectedText(), QStringLiteral("elozo"));
        QCOMPARE(window->focusWidget(), code);
        // What the examiner types replaces it, and the caption follows.
        QTest::keyClicks(code, QStringLiteral("K-18"));
        QCOMPARE(Personal(ui).code, "K-18");
        QCOMPARE(ui.Main().windowTitle(), QStringLiteral("Quelvarin: K-18"));
        window->accept();

        // The next new protocol with a hand-over: its identity, and the file is gone.
        auto handOver = InstallPaths(ui.root).HandOverFile();
        fs::create_directories(handOver.parent_path());
        QVERIFY(ReplaceFileAtomically(handOver, EncodeCp1250("kód=K-19;\r\nnév=Kovács Éva;\r\nnem=2;\r\n")));
        ui.services.answers.enqueue(false);
        ui.Trigger(QStringLiteral("NewProtocolItem"));
        QVERIFY(window->isVisible());
        QCOMPARE(code->text(), QStringLiteral("K-19"));
        QCOMPARE(Child<QLineEdit>(window, "NevDoboz")->text(), QStringLiteral("Kovács Éva"));
        QCOMPARE(Child<QComboBox>(window, "NemDoboz")->currentText(), QStringLiteral("nő"));
        QVERIFY(!fs::exists(handOver));
        window->accept();

        // Opened again from the menu: as edited, nothing selected for typing over.
        Type(Child<QLineEdit>(window, "NevDoboz"), QStringLiteral(" dr."));
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        QCOMPARE(Child<QLineEdit>(window, "NevDoboz")->text(), QStringLiteral("Kovács Éva dr."));
        QVERIFY(code->selectedText().isEmpty());
        window->accept();
    }

    void EveryFieldIsStoredAtOnce() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        Type(Child<QLineEdit>(window, "NevDoboz"), QStringLiteral("Nagy Ödön"));
        QTest::keyClicks(Child<QLineEdit>(window, "SzamDoboz"), QStringLiteral("17"));
        Child<QComboBox>(window, "NemDoboz")->setCurrentIndex(0);
        auto* age = Child<QSpinBox>(window, "KorDoboz");
        age->setValue(41);
        QCOMPARE(Personal(ui).age, 41);
        age->setValue(500);
        QCOMPARE(Personal(ui).age, 120);
        // The occupations come from the clinic's list; one chosen, another typed.
        auto* occupation = Child<QComboBox>(window, "FoglalkozasDoboz");
        QVERIFY(occupation->count() >= 5);
        occupation->setCurrentIndex(2);
        QCOMPARE(QString::fromStdString(Personal(ui).occupation), occupation->itemText(2));
        auto* ward = Child<QComboBox>(window, "OsztalyDoboz");
        ward->lineEdit()->clear();
        Type(ward->lineEdit(), QStringLiteral("Belgyógyászat"));
        QCOMPARE(Personal(ui).ward, "Belgyógyászat");
        QCOMPARE(Personal(ui).name, "Nagy Ödön");
        QCOMPARE(Personal(ui).number, "17");
        QCOMPARE(Personal(ui).sex, "férfi");
        QVERIFY(ui.Station().session.Modified());
        window->accept();
    }

    void TheEducationIsCheckedWhenTheExaminerLeavesIt() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        auto* education = Child<QComboBox>(window, "IskolaDoboz");
        QCOMPARE(education->count(), 8);
        education->setFocus();
        education->lineEdit()->clear();
        // A level typed letter by letter: no message on the way.
        for (auto letter : QStringLiteral("főiskola I-től")) {
            Type(education->lineEdit(), letter);
        }
        QVERIFY(ui.services.messages.isEmpty());
        QTest::keyClick(education->lineEdit(), Qt::Key_Return);
        QCOMPARE(Personal(ui).education, "főiskola I-től");
        QVERIFY(ui.services.messages.isEmpty());

        education->lineEdit()->clear();
        QTest::keyClicks(education->lineEdit(), QStringLiteral("egyetem"));
        QTest::keyClick(education->lineEdit(), Qt::Key_Return);
        QCOMPARE(ui.services.messages, QStringList{QStringLiteral("Csak a listáról választhat!")});
        QCOMPARE(Personal(ui).education, "");
        QCOMPARE(education->currentText(), QString());
        window->accept();
    }

    // The modal window blocks the others: its topic help is its own while it is open.
    void ItsTopicHelpCanBeUsedWhileItIsOpen() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        auto* help = ui.Windows().Window("HelpForm");
        QTest::mouseClick(Child<QPushButton>(window, "SugoGomb"), Qt::LeftButton);
        QVERIFY(help->isVisible());
        QCOMPARE(help->parentWidget(), window);
        QVERIFY(Child<QLabel>(help, "HelpPath")->text().endsWith(QStringLiteral("szemad.hlp")));
        window->accept();
        QCOMPARE(help->parentWidget(), &ui.Main());
        QVERIFY(help->isVisible());
    }

    void ADateChosenTwiceLeavesTheCodeWithOneSuffix() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        Child<QLineEdit>(window, "KodDoboz")->clear();
        QTest::keyClicks(Child<QLineEdit>(window, "KodDoboz"), QStringLiteral("kovacs_eva"));
        auto* date = Child<QDateEdit>(window, "DatumDoboz");
        date->setDate(QDate(2004, 5, 12));
        date->setDate(QDate(2004, 5, 13));
        date->setDate(QDate(2004, 5, 12));
        QCOMPARE(Personal(ui).date, "2004.05.12.");
        QCOMPARE(Personal(ui).code, "kovacs_eva_20040512");
        QCOMPARE(Child<QLineEdit>(window, "KodDoboz")->text(), QStringLiteral("kovacs_eva_20040512"));
        window->accept();
    }
};

QUELVARIN_UI_TEST(TSzemAdFormTest);

} // namespace quelvarin::ui::test

#include "TSzemAdFormTest.moc"
