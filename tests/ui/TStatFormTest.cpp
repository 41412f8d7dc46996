// The attach dialog: the two kinds of target, the duplicate rule on the list, the name field's
// rules and the question about a protocol without a code.
#include "ui/statistics/TStatForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/Cp1250.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"
#include "ui/app/QtText.h"
#include "workstation/StatisticsTexts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace quelvarin::ui::test {

namespace {

namespace fs = std::filesystem;

struct AttachDialog {
    explicit AttachDialog(UiStation& station) : ui(station) {
        fs::create_directories(Folder());
        ui.Station().personal.SetField(PersonalField::Code, "ab12");
    }
    fs::path Folder() { return ui.root / "stat"; }
    // A statistics file: the header and a row for each code.
    QString StatFile(const std::string& name, const std::vector<std::string>& codes) {
        auto text = statistics::StatisticsHeader();
        for (const auto& code : codes) {
            text += code + "\t1\r\n";
        }
        quelvarin::test::WriteBytes(Folder() / name, EncodeCp1250(text));
        return ToQt(text);
    }
    QString Row() { return ToQt(statistics::StatisticsRow(ui.State().CurrentProtocol())); }
    QString Read(const std::string& name) {
        return ToQt(DecodeCp1250(quelvarin::test::ReadBytes(Folder() / name)));
    }
    TStatForm* Open() {
        ui.Trigger(QStringLiteral("AttachCurrentItem"));
        return ui.Get<TStatForm>("StatForm");
    }
    TStatForm* form() { return ui.Get<TStatForm>("StatForm"); }
    QRadioButton* Existing() { return Child<QRadioButton>(form(), "ExistingFileChoice"); }
    QRadioButton* New() { return Child<QRadioButton>(form(), "NewFileChoice"); }
    QListWidget* Files() { return Child<QListWidget>(form(), "StatisticsFiles"); }
    QLineEdit* Name() { return Child<QLineEdit>(form(), "NewName"); }
    QWidget* NamePanel() { return Child<QWidget>(form(), "NewNamePanel"); }
    QPushButton* Attach() { return Child<QPushButton>(form(), "AttachButton"); }

    UiStation& ui;
};

} // namespace

class TStatFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void NothingIsChosenAtFirst() {
        UiStation ui;
        AttachDialog dialog(ui);
        auto* form = dialog.Open();
        QVERIFY(form->isVisible());
        QVERIFY(form->isModal());
        QCOMPARE(form->windowTitle(), QStringLiteral("Eradmények statisztikai feldolgozása"));
        QCOMPARE(dialog.Existing()->text(), QStringLiteral(". . . létező fájlhoz"));
        QCOMPARE(dialog.New()->text(), QStringLiteral(". . . vagy új fájlt létesíthet"));
        QCOMPARE(dialog.Attach()->text(), QStringLiteral("&csatol"));
        QCOMPARE(Child<QPushButton>(form, "CancelButton")->text(), QStringLiteral("&mégse"));
        QVERIFY(!dialog.Existing()->isChecked() && !dialog.New()->isChecked());
        QVERIFY(!dialog.Files()->isVisible());
        QVERIFY(!dialog.NamePanel()->isVisible());
        QVERIFY(!dialog.Attach()->isEnabled());
        dialog.New()->click();
        QVERIFY(dialog.NamePanel()->isVisible());
        QVERIFY(!dialog.Files()->isVisible());
        QCOMPARE(dialog.Name()->maxLength(), 8);
        dialog.Existing()->click();
        QVERIFY(dialog.Files()->isVisible());
        QVERIFY(!dialog.NamePanel()->isVisible());
        Child<QPushButton>(form, "CancelButton")->click();
        QVERIFY(!form->isVisible());
        // Opened again: nothing chosen again.
        dialog.Open();
        QVERIFY(!dialog.Existing()->isChecked() && !dialog.New()->isChecked());
        QVERIFY(!dialog.Files()->isVisible());
        form->reject();
    }

    void AListedFileTakesACodeOnlyOnce() {
        UiStation ui;
        AttachDialog dialog(ui);
        const auto other = dialog.StatFile("stat1.dat", {"AB12"});
        const auto same = dialog.StatFile("stat2.dat", {"ab12"});
        auto* form = dialog.Open();
        dialog.Existing()->click();
        QCOMPARE(Rows(dialog.Files()),
                 (QStringList{QStringLiteral("stat1.dat"), QStringLiteral("stat2.dat")}));
        ClickRow(dialog.Files(), 1);
        QVERIFY2(!dialog.Attach()->isEnabled(), "the code is in the file");
        ClickRow(dialog.Files(), 0);
        QVERIFY2(dialog.Attach()->isEnabled(), "\"AB12\" is another code");
        dialog.Attach()->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(dialog.Read("stat1.dat"), other + dialog.Row());
        QCOMPARE(dialog.Read("stat2.dat"), same);
        QVERIFY(ui.services.messages.isEmpty());
    }

    void TheNameFieldKeepsOnlyNameCharacters() {
        UiStation ui;
        AttachDialog dialog(ui);
        dialog.StatFile("stat1.dat", {});
        auto* form = dialog.Open();
        dialog.New()->click();
        Type(dialog.Name(), QStringLiteral("a"));
        QVERIFY(dialog.Attach()->isEnabled());
        Type(dialog.Name(), QStringLiteral(" "));
        QCOMPARE(ui.services.messages, QStringList{ToQt(statistics::kNameCharactersMessage)});
        QCOMPARE(dialog.Name()->text(), QStringLiteral("a"));
        QCOMPARE(dialog.Name()->cursorPosition(), 1);
        Type(dialog.Name(), QStringLiteral("b"));
        QCOMPARE(dialog.Name()->text(), QStringLiteral("ab"));
        QCOMPARE(ui.services.messages.size(), 1);
        // A listed file, in another case, is not a new file.
        dialog.Name()->selectAll();
        Type(dialog.Name(), QStringLiteral("STAT1"));
        QVERIFY(!dialog.Attach()->isEnabled());
        Type(dialog.Name(), QStringLiteral("x"));
        QVERIFY(dialog.Attach()->isEnabled());
        dialog.Name()->selectAll();
        dialog.Name()->del();
        QVERIFY2(!dialog.Attach()->isEnabled(), "no name");
        dialog.Attach()->click();
        QVERIFY(form->isVisible());
        Type(dialog.Name(), QStringLiteral("STAT1x"));
        dialog.Attach()->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(dialog.Read("STAT1x.dat"), ToQt(statistics::StatisticsHeader()) + dialog.Row());
        dialog.Open();
        dialog.Existing()->click();
        // The new file is listed.
        QCOMPARE(Rows(dialog.Files()),
                 (QStringList{QStringLiteral("STAT1x.dat"), QStringLiteral("stat1.dat")}));
        form->reject();
    }

    void AProtocolWithoutACodeIsAskedAbout() {
        UiStation ui;
        AttachDialog dialog(ui);
        ui.Station().personal.SetField(PersonalField::Code, "");
        const auto before = dialog.StatFile("stat1.dat", {"x"});
        auto* form = dialog.Open();
        dialog.Existing()->click();
        ClickRow(dialog.Files(), 0);
        ui.services.answers.enqueue(false);
        dialog.Attach()->click();
        QCOMPARE(ui.services.questions, QStringList{ToQt(window_texts::kAskAttachWithoutCode)});
        QVERIFY2(form->isVisible(), "stopped: the dialog stays, nothing written");
        QCOMPARE(dialog.Read("stat1.dat"), before);
        ui.services.answers.enqueue(true);
        dialog.Attach()->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(dialog.Read("stat1.dat"), before + dialog.Row());
    }

    void TheChosenFileIsCheckedAgainOnActivation() {
        UiStation ui;
        AttachDialog dialog(ui);
        dialog.StatFile("stat1.dat", {});
        auto* form = dialog.Open();
        dialog.Existing()->click();
        ClickRow(dialog.Files(), 0);
        QVERIFY(dialog.Attach()->isEnabled());
        // Another program writes the code into the file while the dialog is away.
        dialog.StatFile("stat1.dat", {"ab12"});
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form, &activate);
        QVERIFY(!dialog.Attach()->isEnabled());
        form->reject();
    }
};

QUELVARIN_UI_TEST(TStatFormTest);

} // namespace quelvarin::ui::test

#include "TStatFormTest.moc"
