// "KRV személyi adatok": the two persons of the joint examination named by their texts.
#include "ui/joint/TKRVSzemForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quelvarin::ui::test {

class TKRVSzemFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TheFirstLinesNameThePersons() {
        UiStation ui;
        ui.Trigger(QStringLiteral("JointExaminationItem"));
        auto* joint = ui.Get<QDialog>("KRVForm");
        auto* data = ui.Get<TKRVSzemForm>("KRVSzemForm");
        QTest::mouseClick(Child<QPushButton>(joint, "Person1Data"), Qt::LeftButton);
        QVERIFY(data->isVisible());
        auto* first = Child<QPushButton>(data, "Person1Toggle");
        auto* second = Child<QPushButton>(data, "Person2Toggle");
        QVERIFY(first->isChecked());
        QCOMPARE(first->text(), QStringLiteral("Baloldalt ülő személy")); // no blank button before a name
        auto* text = Child<QPlainTextEdit>(data, "PersonalText");
        Type(text, QStringLiteral("Kiss Anna\nszül. 1972, tanár"));
        QCOMPARE(data->windowTitle(), QStringLiteral("Kiss Anna személyi adatai"));
        QCOMPARE(first->text(), QStringLiteral("Kiss Anna"));

        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(text->toPlainText(), QString());
        Type(text, QStringLiteral("Nagy Béla"));
        QCOMPARE(second->text(), QStringLiteral("Nagy Béla"));
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(text->toPlainText(), QStringLiteral("Kiss Anna\nszül. 1972, tanár"));
        QCOMPARE(Child<QLineEdit>(joint, "Person1Name")->text(), QString()); // named when the window closes

        QTest::mouseClick(Child<QPushButton>(data, "OkButton"), Qt::LeftButton);
        QVERIFY(!data->isVisible());
        QCOMPARE(Child<QLineEdit>(joint, "Person1Name")->text(), QStringLiteral("Kiss Anna"));
        QCOMPARE(Child<QLineEdit>(joint, "Person2Name")->text(), QStringLiteral("Nagy Béla"));

        // The small button of person 2 opens the window on person 2.
        QTest::mouseClick(Child<QPushButton>(joint, "Person2Data"), Qt::LeftButton);
        QVERIFY(second->isChecked());
        QCOMPARE(text->toPlainText(), QStringLiteral("Nagy Béla"));
        QCOMPARE(data->windowTitle(), QStringLiteral("Nagy Béla személyi adatai"));
        data->reject();
        joint->reject();
    }
};

QUELVARIN_UI_TEST(TKRVSzemFormTest);

} // namespace quelvarin::ui::test

#include "TKRVSzemFormTest.moc"
