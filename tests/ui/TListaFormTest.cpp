// The list editor of the personal data: one of the clinic's list files, written on "rendben",
// left as it was on "mégse".
#include "ui/personal/TListaForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "ui/personal/TKlinListForm.h"
#include "ui/personal/TSzemAdForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace quelvarin::ui::test {

class TListaFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ADoubleClickEditsTheListAndCancelLeavesTheFile() {
        UiStation ui;
        ui.Trigger(QStringLiteral("PersonalDataItem"));
        auto* window = ui.Get<TSzemAdForm>("SzemAdForm");
        auto* editor = ui.Get<TListaForm>("ListaForm");
        auto* examiner = Child<QComboBox>(window, "VvDoboz");
        auto file = ui.root / "vv.lst";
        auto before = ReadFileBytes(file);
        QVERIFY(before);

        QTest::mouseDClick(examiner->lineEdit(), Qt::LeftButton);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("A vizsgálatvezetők listájának módosítása:"));
        QCOMPARE(Child<QLabel>(editor, "ListaUtvonal")->text(), PathText(file));
        auto* text = Child<QPlainTextEdit>(editor, "ListaSzoveg");
        Type(text, QStringLiteral("\nDr. Próba Péter"));
        QTest::mouseClick(Child<QPushButton>(editor, "MegseGomb"), Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(ReadFileBytes(file), before);

        QTest::mouseClick(Child<QPushButton>(window, "ListaGomb"), Qt::LeftButton);
        QCOMPARE(editor->windowTitle(), QStringLiteral("A klinikai kérdések listájának módosítása:"));
        text->setPlainText(QStringLiteral("Első kérdés\nMásodik kérdés"));
        QTest::mouseClick(Child<QPushButton>(editor, "RendbenGomb"), Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(ReadFileBytes(ui.root / "klinker.lst"), EncodeCp1250("Első kérdés\r\nMásodik kérdés\r\n"));
        QTest::mouseClick(Child<QPushButton>(window, "HozzaadGomb"), Qt::LeftButton);
        auto* picker = ui.Get<TKlinListForm>("KlinListForm");
        QCOMPARE(Rows(Child<QListWidget>(picker, "KerdesLista")),
                 (QStringList{QStringLiteral("Első kérdés"), QStringLiteral("Második kérdés")}));
        picker->reject();
        window->accept();
    }
};

QUELVARIN_UI_TEST(TListaFormTest);

} // namespace quelvarin::ui::test

#include "TListaFormTest.moc"
