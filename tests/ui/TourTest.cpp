// The UI tour: every window of the workstation opened over the sample protocol and saved as a
// PNG under build/ui-screens/, to be looked at. Nothing compares pixels.
#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "ui/answers/TTSZValForm.h"
#include "ui/answers/TValaszForm.h"
#include "ui/help/TAboutForm.h"
#include "ui/help/THelpForm.h"
#include "ui/help/TTextEdForm.h"
#include "ui/inspection/TFeleletForm.h"
#include "ui/inspection/TFiokForm.h"
#include "ui/main/SignPicker.h"
#include "ui/signhelp/SignHelpForm.h"

#include <QDir>
#include <QScreen>

namespace quelvarin::ui::test {

class TourTest : public QObject {
    Q_OBJECT

    void Save(QWidget* window, const QString& name) {
        window->show();
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
        auto sample = ui.root / "archivum" / "minta.qvl";
        QVERIFY(ui.Station().files.LoadProtocol(sample));
        ui.Station().scoring.SelectAnswer(3);
        for (int page = 0; page < picker::kPageCount; ++page) {
            main.Picker()->setCurrentIndex(page);
            Save(&main, QStringLiteral("TMainForm-%1").arg(page + 1));
        }
        ui.Station().help.PointAtSign(405);
        Save(main.ScoringHelpWindow(), QStringLiteral("TJelSugForm"));
        Save(main.InterpretationHelpWindow(), QStringLiteral("TErtSugForm"));
        Save(main.AnswerTextWindow(), QStringLiteral("TValaszForm"));
        main.CardChoiceWindow()->Offer(3, main.pos() + QPoint(40, 70));
        Save(main.CardChoiceWindow(), QStringLiteral("TTSZValForm"));
        main.CardChoiceWindow()->reject();
        main.CounterWindow()->Open();
        Save(main.CounterWindow(), QStringLiteral("TFiokForm"));
        main.CounterWindow()->reject();
        main.RawAnswerWindow()->Refresh();
        Save(main.RawAnswerWindow(), QStringLiteral("TFeleletForm"));
        main.TopicHelpWindow()->ShowTopic(QStringLiteral("ft.hlp"));
        Save(main.TopicHelpWindow(), QStringLiteral("THelpForm"));
        main.TextFileWindow()->OpenFile(QString::fromStdString((ui.root / "help" / "gyak.hlp").string()));
        Save(main.TextFileWindow(), QStringLiteral("TTextEdForm"));
        main.TextFileWindow()->reject();
        Save(main.AboutWindow(), QStringLiteral("TAboutForm"));
    }
};

QUELVARIN_UI_TEST(TourTest);

} // namespace quelvarin::ui::test

#include "TourTest.moc"
