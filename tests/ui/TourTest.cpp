// The UI tour: every window the registry lists opened over the sample protocol and saved as a
// PNG under build/ui-screens/, to be looked at. Nothing compares pixels.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/main/SignPicker.h"
#include "ui/statistics/TStatMutatForm.h"

#include <QDialog>
#include <QDir>
#include <QToolButton>

namespace quelvarin::ui::test {

class TourTest : public QObject {
    Q_OBJECT

    void Save(QWidget* window, const QString& name) {
        if (!window->isVisible()) {
            window->show();
        }
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::processEvents();
        // Under Xvfb the screens go to a folder of their own (QUELVARIN_UI_SCREENS_DIR).
        auto folder = qEnvironmentVariable("QUELVARIN_UI_SCREENS_DIR", QStringLiteral(QUELVARIN_UI_SCREENS));
        QDir().mkpath(folder);
        auto file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY2(window->grab().save(file), qPrintable(file));
    }

private Q_SLOTS:
    void EveryWindow() {
        UiStation ui;
        auto& main = ui.Main();
        auto& station = ui.Station();
        QVERIFY(station.files.LoadProtocol(ui.root / "archivum" / "minta.qvl"));
        station.scoring.SelectAnswer(3);
        for (int page = 0; page < picker::kPageCount; ++page) {
            main.Picker()->setCurrentIndex(page);
            Save(&main, QStringLiteral("TMainForm-%1").arg(page + 1));
        }
        // What each window shows on the tour, given through its desk.
        station.help.PointAtSign(405);
        station.scoring.OfferCardChoiceFor(3);
        station.topics.ShowTopic("ft.hlp");
        station.textFiles.OpenFile(ui.root / "help" / "gyak.hlp");
        station.joint.SetPersonalData(1, "Kiss Anna\nszül. 1972");
        station.joint.ClosePersonalData();
        station.joint.SignButton(3);
        station.joint.SelectPerson(2);
        station.joint.SignButton(26);
        int saved = 0;
        for (const auto& entry : ui.Windows().Entries()) {
            if (!entry.window || entry.window == &main) {
                continue;
            }
            auto name = QString::fromLatin1(entry.window->metaObject()->className())
                            .section(QStringLiteral("::"), -1);
            ui.Windows().Show(entry.name);
            if (entry.name == "StatMutatForm") {
                // The viewer is opened by its caller with a file: the sample's row in one.
                auto file = ui.root / "stat" / "minta.dat";
                std::filesystem::create_directories(file.parent_path());
                QVERIFY(station.statistics.AttachToStatistics(file));
                QVERIFY(
                    qobject_cast<TStatMutatForm*>(entry.window)->ShowFile(QStringLiteral("minta.dat"), file));
            }
            Save(entry.window, name);
            ++saved;
            if (entry.name == "ETgrafForm") {
                // The graph once more in learning mode, reading the type under the pointer.
                QTest::mouseClick(entry.window->findChild<QToolButton*>(QStringLiteral("LearningButton")),
                                  Qt::LeftButton);
                Enter(entry.window->findChild<QWidget*>(QStringLiteral("TypeLabel6")));
                Save(entry.window, name + QStringLiteral("-T"));
            }
            if (auto* dialog = qobject_cast<QDialog*>(entry.window)) {
                dialog->reject();
            } else {
                entry.window->hide();
            }
        }
        QCOMPARE(saved, 29);
    }
};

QUELVARIN_UI_TEST(TourTest);

} // namespace quelvarin::ui::test

#include "TourTest.moc"
