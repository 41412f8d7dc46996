// The widget kit's own behaviour, on plain widgets.
#include "UiTestRegistry.h"
#include "ui/widgets/RowsModel.h"
#include "ui/widgets/WindowToggle.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QTest>

namespace quelvarin::ui::test {

class WidgetKitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Rows taken anew keep the row chosen and the scroll position when rows change, come or go.
    void ARefreshKeepsTheChosenRowAndTheScroll() {
        std::vector<std::string> rows;
        for (int i = 0; i < 200; ++i) {
            rows.push_back("sor " + std::to_string(i));
        }
        QListView view;
        RowsModel model([&rows] { return rows; }, &view);
        view.setModel(&model);
        view.resize(120, 100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex(model.index(150, 0));
        view.scrollTo(model.index(150, 0));
        int scrolled = view.verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        rows[150] = "megváltozott";
        rows[10] = "ez is";
        rows.push_back("új");
        model.Refresh();
        QCOMPARE(view.currentIndex().row(), 150);
        QCOMPARE(view.currentIndex().data().toString(), QStringLiteral("megváltozott"));
        QCOMPARE(view.verticalScrollBar()->value(), scrolled);
        QCOMPARE(model.rowCount(), 201);
        QCOMPARE(model.Row(10), QStringLiteral("ez is"));

        rows.resize(160);
        model.Refresh();
        QCOMPARE(view.currentIndex().row(), 150);
        QCOMPARE(model.rowCount(), 160);
        rows.clear();
        model.Refresh();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!view.currentIndex().isValid());
    }

    void AToggleFollowsItsWindow() {
        QWidget window;
        QAction toggle;
        BindToggle(&toggle, &window);
        toggle.trigger();
        QVERIFY(window.isVisible());
        window.hide();
        QVERIFY(!toggle.isChecked());
        window.show();
        QVERIFY(toggle.isChecked());
        toggle.trigger();
        QVERIFY(!window.isVisible());
    }
};

QUELVARIN_UI_TEST(WidgetKitTest);

} // namespace quelvarin::ui::test

#include "WidgetKitTest.moc"
