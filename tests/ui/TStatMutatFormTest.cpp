// The viewer of a finished statistics file: its text as written, unwrapped, under the caller's
// caption; a file that cannot be read is told and nothing is shown.
#include "ui/statistics/TStatMutatForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/Cp1250.h"
#include "ui/app/QtText.h"

#include <QPlainTextEdit>

namespace quelvarin::ui::test {

class TStatMutatFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheFileUnderTheCallersCaption() {
        UiStation ui;
        auto file = ui.dir / "stat1.dat";
        const QString text = QStringLiteral("Kod\tNem\r\nkód\t2\r\n");
        quelvarin::test::WriteBytes(file, EncodeCp1250(FromQt(text)));
        auto* viewer = ui.Get<TStatMutatForm>("StatMutatForm");
        QVERIFY(viewer->ShowFile(QStringLiteral("stat1.dat"), file));
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isModal());
        QVERIFY(viewer->isMaximized());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("stat1.dat"));
        auto* area = Child<QPlainTextEdit>(viewer, "StatisticsText");
        QCOMPARE(area->toPlainText(), QStringLiteral("Kod\tNem\nkód\t2\n"));
        QVERIFY(area->isReadOnly());
        QCOMPARE(area->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        viewer->reject();

        QVERIFY(!viewer->ShowFile(QStringLiteral("nincs"), ui.dir / "nincs.dat"));
        QVERIFY(!viewer->isVisible());
        QCOMPARE(ui.services.messages.size(), 1);
        QVERIFY(ui.services.messages[0].contains(QStringLiteral("nincs.dat")));
        QCOMPARE(ui.services.messageKinds[0], MessageKind::Warning);
    }
};

QUELVARIN_UI_TEST(TStatMutatFormTest);

} // namespace quelvarin::ui::test

#include "TStatMutatFormTest.moc"
