// "programinfó".
#include "ui/help/TAboutForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QLabel>
#include <QPushButton>

namespace quelvarin::ui::test {

class TAboutFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheProgramInformation() {
        UiStation ui;
        ui.Trigger(QStringLiteral("ProgramInfoItem"));
        auto* about = ui.Get<TAboutForm>("AboutForm");
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("programinfó"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                 QStringLiteral("Quelvarin for Win32"));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(),
                 QStringLiteral("verziószám: ") + QStringLiteral(QUELVARIN_VERSION));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("ProgramPicture"))->pixmap().isNull());
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }
};

QUELVARIN_UI_TEST(TAboutFormTest);

} // namespace quelvarin::ui::test

#include "TAboutFormTest.moc"
