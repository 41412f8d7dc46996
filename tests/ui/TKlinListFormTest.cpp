// The clinical-questions picker: several of the clinic's questions at once, each added once.
#include "ui/personal/TKlinListForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "ui/personal/TListaForm.h"
#include "ui/personal/TSzemAdForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace quelvarin::ui::test {

class TKlinListFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void QuestionsArePickedOnceAndDeleted() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        auto* picker = ui.Get<TKlinListForm>("KlinListForm");
        auto pick = [&](std::initializer_list<int> rows) {
            QTest::mouseClick(Child<QPushButton>(window, "HozzaadGomb"), Qt::LeftButton);
            QVERIFY(picker->isVisible());
            auto* list = Child<QListWidget>(picker, "KerdesLista");
            QVERIFY(list->count() >= 5);
            for (int row : rows) {
                ClickRow(list, row);
            }
            QTest::mouseClick(Child<QPushButton>(picker, "RendbenGomb"), Qt::LeftButton);
            QVERIFY(!picker->isVisible());
        };
        pick({0, 2});
        auto* list = Child<QListWidget>(picker, "KerdesLista");
        auto first = list->item(0)->text();
        auto third = list->item(2)->text();
        auto* questions = Child<QListWidget>(window, "KlinikaiKerdesek");
        QCOMPARE(Rows(questions), (QStringList{first, third}));
        pick({2, 3});
        QCOMPARE(ui.services.messages,
                 QStringList{QStringLiteral("Ezt az elemet már hozzáadta a listához: ") + third});
        QCOMPARE(questions->count(), 3);

        questions->item(0)->setSelected(true);
        questions->item(2)->setSelected(true);
        QTest::mouseClick(Child<QPushButton>(window, "TorolGomb"), Qt::LeftButton);
        QCOMPARE(Rows(questions), QStringList{third});
        QCOMPARE(QString::fromStdString(ui.Station().session.CurrentProtocol().personal.clinicalQuestions),
                 third + QStringLiteral("*"));
        window->accept();
    }
};

QUELVARIN_UI_TEST(TKlinListFormTest);

} // namespace quelvarin::ui::test

#include "TKlinListFormTest.moc"
