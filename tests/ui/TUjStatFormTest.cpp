// The new-file window: the button's three captions, the refusal of a file that is there, and the
// file made with its header line only.
#include "ui/statistics/TUjStatForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/Cp1250.h"
#include "statistics/StatisticsRow.h"
#include "ui/app/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

class TUjStatFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheButtonFollowsTheName() {
        UiStation ui;
        auto folder = ui.root / "stat";
        std::filesystem::create_directories(folder);
        quelvarin::test::WriteBytes(folder / "van.dat", "x\r\n");
        ui.Windows().Show("UjStatForm");
        auto* form = ui.Get<TUjStatForm>("UjStatForm");
        QVERIFY(form->isVisible());
        QVERIFY(form->isModal());
        QCOMPARE(form->windowTitle(), QStringLiteral("Új statisztikai fájl létrehozása"));
        QVERIFY(Child<QLabel>(form, "StatisticsFolder")->text().startsWith(PathText(folder)));
        QCOMPARE(Child<QLabel>(form, "NewFileSuffix")->text(), QStringLiteral(".dat"));
        auto* name = Child<QLineEdit>(form, "NewFileName");
        auto* button = Child<QPushButton>(form, "CreateButton");
        QCOMPARE(button->text(), QStringLiteral("adjon nevet a fájlnak!!!"));
        button->click();
        QVERIFY2(form->isVisible(), "no name: nothing happens");
        QVERIFY(ui.services.messages.isEmpty());

        Type(name, QStringLiteral("van"));
        QCOMPARE(button->text(), QStringLiteral("ilyen nevű fájl már van!!!"));
        button->click();
        QCOMPARE(ui.services.messages, QStringList{QStringLiteral("Mondom vaaaan!!!")});
        QVERIFY(form->isVisible());
        QCOMPARE(quelvarin::test::ReadBytes(folder / "van.dat"), std::string("x\r\n"));

        // A name that would leave the folder makes no file.
        name->selectAll();
        Type(name, QStringLiteral("../x"));
        QCOMPARE(button->text(), QStringLiteral("adjon nevet a fájlnak!!!"));
        button->click();
        QVERIFY(form->isVisible());

        name->selectAll();
        Type(name, QStringLiteral("uj"));
        QCOMPARE(button->text(), QStringLiteral("létrehoz"));
        button->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->CreatedFile(), QStringLiteral("uj.dat"));
        QCOMPARE(ToQt(DecodeCp1250(quelvarin::test::ReadBytes(folder / "uj.dat"))),
                 ToQt(statistics::StatisticsHeader()));

        // Opened again: the name emptied, the button asks for one.
        ui.Windows().Show("UjStatForm");
        QVERIFY(name->text().isEmpty());
        QCOMPARE(button->text(), QStringLiteral("adjon nevet a fájlnak!!!"));
        QVERIFY(form->CreatedFile().isEmpty());
        form->reject();
    }
};

QUELVARIN_UI_TEST(TUjStatFormTest);

} // namespace quelvarin::ui::test

#include "TUjStatFormTest.moc"
