// "grafikus ÉLMÉNYTÍPUS": the protocol's ÉT on the chart with its type's text, the type under
// the pointer in learning mode, the blinking markers.
#include "ui/graph/TETgrafForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "support/CountsBuilder.h"
#include "ui/app/QtText.h"
#include "ui/graph/ChartMarker.h"
#include "ui/help/THelpForm.h"
#include "ui/main/SignPicker.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace quelvarin::ui::test {

namespace {

const QColor kYellow(255, 255, 0);

// A protocol whose ÉT is movement : colour (B+ and FbF whole, B sec and FFb+ half), opened.
bool OpenExperienceType(UiStation& ui, double movement, double colour) {
    auto halves = [](double side) { return static_cast<int>(side * 2) % 2; };
    auto protocol = quelvarin::test::WithCounts(1, {{302, static_cast<int>(movement)},
                                                    {303, halves(movement)},
                                                    {334, static_cast<int>(colour)},
                                                    {307, halves(colour)}});
    auto file = ui.dir / "et.qvl";
    quelvarin::test::WriteBytes(file, SerializeProtocol(protocol, {}));
    return ui.Station().files.LoadProtocol(file);
}

// The type texts of the test, one line naming the type (ASCII, the same in Windows-1250).
void WriteTypeTexts(UiStation& ui) {
    std::filesystem::create_directories(ui.root / "et");
    for (const auto& entry : et_chart::Types()) {
        quelvarin::test::WriteBytes(ui.root / "et" / std::string(entry.file),
                                    "text of " + std::string(entry.file));
    }
}

QString TypeTextOf(et_chart::Type type) {
    return QStringLiteral("text of ") + ToQt(et_chart::Entry(type).file);
}

TETgrafForm* Open(UiStation& ui) {
    ui.Trigger(QStringLiteral("ExperienceTypeGraphItem"));
    auto* form = ui.Get<TETgrafForm>("ETgrafForm");
    if (!form->isVisible()) {
        qWarning("the experience-type graph did not open");
    }
    return form;
}

QLabel* TypeLabel(TETgrafForm* form, et_chart::Type type) {
    return form->findChild<QLabel*>(QStringLiteral("TypeLabel%1").arg(et_chart::IndexOf(type)));
}

std::vector<et_chart::Type> Highlighted(TETgrafForm* form) {
    std::vector<et_chart::Type> types;
    for (const auto& entry : et_chart::Types()) {
        if (TypeLabel(form, entry.type)->palette().color(QPalette::Window) == kYellow) {
            types.push_back(entry.type);
        }
    }
    return types;
}

ChartMarker* Marker(TETgrafForm* form, const char* name) {
    return Child<ChartMarker>(form, name);
}

// Where a marker is shown; nothing while it is hidden.
std::optional<QPoint> Shown(ChartMarker* marker) {
    return marker->isVisible() ? std::optional(marker->pos()) : std::nullopt;
}

QString Text(TETgrafForm* form) {
    return Child<QPlainTextEdit>(form, "TypeText")->toPlainText();
}

// The pointer moved to a point of the window over the chart.
void PointAt(TETgrafForm* form, QPoint at) {
    auto* chart = Child<QWidget>(form, "Chart");
    auto local = at - chart->pos();
    QMouseEvent move(QEvent::MouseMove, local, chart->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
}

} // namespace

class TETgrafFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheProtocolsTypeInExaminationMode() {
        UiStation ui;
        WriteTypeTexts(ui);
        QVERIFY(OpenExperienceType(ui, 3, 3));
        auto* form = Open(ui);
        QCOMPARE(form->windowTitle(), QStringLiteral("grafikus ÉLMÉNYTÍPUS"));
        QVERIFY(Child<QToolButton>(form, "ExaminationButton")->isChecked());
        QVERIFY(!Child<QToolButton>(form, "LearningButton")->isChecked());
        QCOMPARE(Child<QLabel>(form, "CurrentExperienceType")->text(), QStringLiteral(" 3.0- 3.0"));
        QCOMPARE(Highlighted(form), (std::vector{et_chart::Type::Ambiekvalis, et_chart::Type::Dilatalt}));
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::Dilatalt));
        QCOMPARE(Shown(Marker(form, "ProtocolMarker")), std::optional(QPoint(128, 131)));
        QVERIFY(!Shown(Marker(form, "LearningMarker")));
        QVERIFY(!Shown(Marker(form, "ListMarker")));

        // A sign entered while the window is open: 1 : 0 is "Koartatív".
        QVERIFY(OpenExperienceType(ui, 0, 0));
        QCOMPARE(Highlighted(form), std::vector{et_chart::Type::Koartalt});
        ui.Station().scoring.SelectAnswer(1);
        ui.Station().scoring.ChooseCard(1);
        ui.Station().scoring.ClickSignBox(302);
        QCOMPARE(Child<QLabel>(form, "CurrentExperienceType")->text(), QStringLiteral(" 1.0- 0.0"));
        QCOMPARE(Highlighted(form), std::vector{et_chart::Type::Koartativ});
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::Koartativ));
        QCOMPARE(Shown(Marker(form, "ProtocolMarker")), std::optional(QPoint(38, 71)));

        // Beyond the chart: no marker, no highlight, the text stays.
        QVERIFY(OpenExperienceType(ui, 12, 2));
        QCOMPARE(Child<QLabel>(form, "CurrentExperienceType")->text(), QStringLiteral("12.0- 2.0"));
        QVERIFY(Highlighted(form).empty());
        QVERIFY(!Shown(Marker(form, "ProtocolMarker")));
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::Koartativ));
    }

    void LearningModeReadsTheTypeUnderThePointer() {
        UiStation ui;
        WriteTypeTexts(ui);
        QVERIFY(OpenExperienceType(ui, 1, 6));
        auto* form = Open(ui);
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::DilatExtravertalt));
        // In examination mode the pointer reads nothing.
        PointAt(form, {75, 75});
        Enter(TypeLabel(form, et_chart::Type::Introvertalt));
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::DilatExtravertalt));
        QVERIFY(!Shown(Marker(form, "LearningMarker")));

        QTest::mouseClick(Child<QToolButton>(form, "LearningButton"), Qt::LeftButton);
        QVERIFY(!Child<QToolButton>(form, "ExaminationButton")->isChecked());
        QVERIFY(!Shown(Marker(form, "ProtocolMarker")));
        PointAt(form, {75, 75});
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::Koartativ));
        QCOMPARE(Shown(Marker(form, "LearningMarker")), std::optional(QPoint(70, 70)));
        auto* row = TypeLabel(form, et_chart::Type::Koartativ);
        auto list = Shown(Marker(form, "ListMarker"));
        QVERIFY(list);
        QVERIFY(list->x() + et_chart::kMarkerSize <= row->x());
        QCOMPARE(list->y() + et_chart::kMarkerSize / 2, row->geometry().center().y());

        Enter(TypeLabel(form, et_chart::Type::Introvertalt));
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::Introvertalt));
        QCOMPARE(Shown(Marker(form, "LearningMarker")), std::optional(QPoint(70, 140)));
        // The highlight stays with the protocol's type.
        QCOMPARE(Highlighted(form), std::vector{et_chart::Type::DilatExtravertalt});

        QTest::mouseClick(Child<QToolButton>(form, "ExaminationButton"), Qt::LeftButton);
        QCOMPARE(Text(form), TypeTextOf(et_chart::Type::DilatExtravertalt));
        QCOMPARE(Shown(Marker(form, "ProtocolMarker")), std::optional(QPoint(218, 71)));
        QVERIFY(!Shown(Marker(form, "LearningMarker")));
        QVERIFY(!Shown(Marker(form, "ListMarker")));
    }

    void TheMarkersBlinkTogetherWhileTheWindowIsShown() {
        UiStation ui;
        auto* form = Open(ui);
        auto* timer = form->findChild<QTimer*>(QStringLiteral("BlinkTimer"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        auto* marker = Marker(form, "ProtocolMarker");
        QVERIFY(!marker->Round());
        QTRY_VERIFY_WITH_TIMEOUT(marker->Round(), 1000);
        for (auto* name : {"LearningMarker", "ListMarker"}) {
            QVERIFY(Marker(form, name)->Round());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!marker->Round(), 1000);
        QTest::mouseClick(Child<QPushButton>(form, "CloseButton"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QVERIFY(!timer->isActive());
    }

    // At the top left the first time; after that where the examiner put it. The button beside
    // the "ÉT:" box opens it as the menu item does.
    void AtTheTopLeftOnlyTheFirstTime() {
        UiStation ui;
        auto* form = Open(ui);
        QCOMPARE(form->pos(), QPoint(1, 1));
        form->move(200, 150);
        form->close();
        ui.Main().Picker()->setCurrentIndex(static_cast<int>(picker::Page::Determinants));
        QTest::mouseClick(ui.Find<QPushButton>(QStringLiteral("ExperienceTypeGraphButton")), Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(form->pos(), QPoint(200, 150));
    }

    void HelpOpensTheTopic() {
        UiStation ui;
        auto* form = Open(ui);
        QTest::mouseClick(Child<QPushButton>(form, "HelpButton"), Qt::LeftButton);
        auto* help = ui.Get<THelpForm>("HelpForm");
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("súgó: Az élménytípus"));
    }
};

QUELVARIN_UI_TEST(TETgrafFormTest);

} // namespace quelvarin::ui::test

#include "TETgrafFormTest.moc"
