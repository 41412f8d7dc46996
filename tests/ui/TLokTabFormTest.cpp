// The location tables: the shipped card pictures and location lists shown for the selected
// answer's card, a location's outlined picture and its signs scored from its context menu, the
// "táblák" menu making a card current for the main window as well, and pictures that cannot be
// read telling their file while the picture shown stays.
#include "ui/locations/TLokTabForm.h"

#include "UiFixture.h"
#include "UiTestRegistry.h"
#include "model/LocationList.h"
#include "model/SymbolCatalogue.h"
#include "model/VulgarCatalogue.h"
#include "ui/locations/PictureView.h"
#include "workstation/LocationTablesTexts.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>

namespace quelvarin::ui::test {

namespace fs = std::filesystem;
namespace texts = window_texts;

namespace {

struct Parts {
    TLokTabForm* window;
    QListView* list;
    QLabel* title;
    QLabel* sentence;
    PictureView* picture;
};

// The right button on a row, as the desktop reports it.
void RightClick(QListView* list, int row) {
    auto at = list->visualRect(list->model()->index(row, 0)).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &menu);
}

Parts PartsOf(UiStation& ui) {
    auto* window = ui.Get<TLokTabForm>("LokTabForm");
    return {window, Child<QListView>(window, "ListBox3"), Child<QLabel>(window, "CardTitle"),
            Child<QLabel>(window, "SituationSentence"), Child<PictureView>(window, "CardPicture")};
}

void AnswerOnCard(UiStation& ui, int answer, int card) {
    ui.Station().scoring.SelectAnswer(answer, CardChoice::HeldBack);
    ui.Station().scoring.ChooseCard(card);
}

// The labels of a shipped list, as the list file has them.
QStringList ShippedLabels(UiStation& ui, int card) {
    QStringList labels;
    auto locations = ReadLocationList(ui.root / "lok" / (std::to_string(card) + ".lok"));
    if (!locations) {
        qWarning("no location list for card %d", card);
        return labels;
    }
    for (const auto& location : *locations) {
        labels.append(QString::fromStdString(location.label));
    }
    return labels;
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class TLokTabFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The "lok" toggle shows the window on the selected answer's card; while shown it follows
    // the selection, hidden it does not.
    void TheWindowFollowsTheSelectedAnswer() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 3, 2);
        AnswerOnCard(ui, 5, 8);
        ui.Station().scoring.SelectAnswer(3, CardChoice::HeldBack);
        ui.Trigger(QStringLiteral("LokGomb"));
        QVERIFY(parts.window->isVisible());
        QVERIFY(ui.Find<QAction>(QStringLiteral("LokGombItem"))->isChecked());
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("2. tábla lokalizációi"));
        QCOMPARE(parts.title->text(), QStringLiteral(" II. tábla"));
        QCOMPARE(parts.sentence->text(), QStringLiteral(". . . szexus és affektus együttes mozgósításában."));
        QCOMPARE(Rows(parts.list), ShippedLabels(ui, 2));
        QVERIFY(Rows(parts.list).size() >= 4);
        QCOMPARE(parts.picture->Image().size(), QSize(400, 560));
        QCOMPARE(parts.picture->accessibleDescription(), PathText(ui.root / "tablak" / "2.jpg"));

        ClickRow(ui.Find<QListWidget>(QStringLiteral("FeleletDoboz")), 4); // answer 5, card VIII
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("8. tábla lokalizációi"));
        QCOMPARE(Rows(parts.list), ShippedLabels(ui, 8));

        ui.Trigger(QStringLiteral("LokGomb"));
        QVERIFY(!parts.window->isVisible());
        QVERIFY(!ui.Find<QAction>(QStringLiteral("LokGombItem"))->isChecked());
        ui.Station().scoring.SelectAnswer(3, CardChoice::HeldBack);
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("8. tábla lokalizációi"));
        ui.Trigger(QStringLiteral("LokGombItem"));
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("2. tábla lokalizációi"));
        QVERIFY(ui.services.messages.isEmpty());
    }

    // "VII. tábla" while answer 3 (card II) is selected: card VII is current for the whole
    // workstation, so the main window's vulgar lists and time boxes show card VII as well.
    void TheCardMenuMakesTheCardCurrentEverywhere() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 4, 7);
        ui.Station().scoring.SetCardTime(TimeBox::CardMinutes, 3);
        AnswerOnCard(ui, 3, 2);
        ui.Trigger(QStringLiteral("LokGomb"));
        auto* cardMinutes = ui.Find<QSpinBox>(QStringLiteral("CardMinutes"));
        QCOMPARE(cardMinutes->value(), 0);

        parts.window->findChild<QAction*>(QStringLiteral("VIItbla1"))->trigger();
        QCOMPARE(ui.State().CurrentCard(), 7);
        QCOMPARE(ui.State().CurrentProtocol().answer(3).card, 2);
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("7. tábla lokalizációi"));
        QCOMPARE(parts.title->text(), QStringLiteral(" VII. tábla"));
        QCOMPARE(parts.sentence->text(), QStringLiteral(". . . agresszív mozgósítás esetében."));
        QCOMPARE(Rows(parts.list), ShippedLabels(ui, 7));
        QCOMPARE(ui.Find<QLabel>(QStringLiteral("VulgarHeading"))->text(), Text(VulgarHeading(7)));
        QCOMPARE(cardMinutes->value(), 3);
        QCOMPARE(ui.Find<QListWidget>(QStringLiteral("TSZDoboz"))->item(2)->text(), QStringLiteral("2"));
    }

    // A click shows the location outlined; its context menu (the right button, or Enter on the
    // highlighted location) offers its signs, and the one chosen is in the answer's column.
    void ALocationsMenuScoresTheCurrentAnswer() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 3, 1);
        ui.Trigger(QStringLiteral("LokGomb"));
        auto list = ReadLocationList(ui.root / "lok" / "1.lok");
        QVERIFY(list && list->size() >= 3);
        const auto& locations = *list;
        ClickRow(parts.list, 0);
        QCOMPARE(parts.picture->accessibleDescription(),
                 PathText(ui.root / "lok" / "1" / (locations[0].picture + ".jpg")));
        QCOMPARE(parts.list->currentIndex().row(), 0);

        ui.services.menuChoices.enqueue(0);
        RightClick(parts.list, 1);
        QCOMPARE(ui.services.menus.size(), 1);
        QCOMPARE(ui.services.menus.last().join(QLatin1Char('|')),
                 QString::fromStdString(QuotedSignNames(locations[1].label).front()));
        QCOMPARE(parts.list->currentIndex().row(), 1);
        auto* column = ui.Find<QListView>(QStringLiteral("SignColumn1"));
        QCOMPARE(Rows(column), QStringList{ui.services.menus.last().front()});

        // The keyboard: the highlight moved to the third location, Enter offers its signs.
        parts.list->setFocus();
        QTest::keyClick(parts.list, Qt::Key_Down);
        ui.services.menuChoices.enqueue(static_cast<int>(QuotedSignNames(locations[2].label).size()) - 1);
        QTest::keyClick(parts.list, Qt::Key_Return);
        QCOMPARE(ui.services.menus.size(), 2);
        QCOMPARE(parts.list->currentIndex().row(), 2);
        QCOMPARE(Rows(column).size(), 2);
        QCOMPARE(Rows(column).last(), ui.services.menus.last().last());
        QCOMPARE(ui.State().CurrentProtocol().answer(3).slots[1],
                 CodeOfName(ui.services.menus.last().last().toStdString()));

        // The menu key: the highlighted location's signs, dismissed.
        QTest::keyClick(parts.list, Qt::Key_Up);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, {}, parts.list->mapToGlobal(QPoint()));
        QApplication::sendEvent(parts.list, &key);
        QCOMPARE(ui.services.menus.size(), 3);
        QCOMPARE(parts.list->currentIndex().row(), 1);
        QCOMPARE(Rows(column).size(), 2);
        QVERIFY(ui.services.messages.isEmpty());
    }

    // The pointer over a location shows its label in the caption; leaving the list, the caption
    // comes back.
    void HoverShowsALocationInTheCaption() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 3, 4);
        ui.Trigger(QStringLiteral("LokGomb"));
        QVERIFY(QTest::qWaitForWindowExposed(parts.window));
        auto at = parts.list->visualRect(parts.list->model()->index(1, 0)).center();
        QMouseEvent move(QEvent::MouseMove, at, parts.list->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(parts.list->viewport(), &move);
        QCOMPARE(parts.window->windowTitle(), Rows(parts.list)[1]);
        Leave(parts.list->viewport());
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("4. tábla lokalizációi"));
    }

    // A picture that cannot be read is told with its file, and the picture shown stays.
    void ABadPictureKeepsThePictureShown() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 3, 2);
        ui.Trigger(QStringLiteral("LokGomb"));
        auto shown = parts.picture->Image();
        auto damaged = ui.root / "tablak" / "6.jpg";
        quelvarin::test::WriteBytes(damaged, quelvarin::test::ReadBytes(damaged).substr(0, 3000));
        parts.window->findChild<QAction*>(QStringLiteral("VItbla1"))->trigger();
        QCOMPARE(ui.services.messages, QStringList{Text(texts::PictureUnreadable(
                                           damaged.string(), "a JPEG kép csonka, a vége hiányzik"))});
        QCOMPARE(ui.services.messageKinds, QList<MessageKind>{MessageKind::Warning});
        QCOMPARE(parts.window->windowTitle(), QStringLiteral("6. tábla lokalizációi"));
        QVERIFY(parts.picture->Image() == shown);
    }

    // The hidden items switch the pictures to BMP files, read by Qt's reader within the limits:
    // a missing or oversized one is told, a good one shown.
    void TheBitmapItemsSwitchThePictureType() {
        UiStation ui;
        auto parts = PartsOf(ui);
        AnswerOnCard(ui, 3, 5);
        ui.Trigger(QStringLiteral("LokGomb"));
        auto* jpg = ui.Find<QAction>(QStringLiteral("ShowJpgItem"));
        auto* bmp = ui.Find<QAction>(QStringLiteral("ShowBmpItem"));
        QVERIFY(jpg->isEnabled() && jpg->isChecked() && !bmp->isChecked());
        auto shown = parts.picture->Image();

        auto file = ui.root / "tablak" / "5.bmp";
        ui.Trigger(QStringLiteral("ShowBmpItem"));
        QVERIFY(bmp->isChecked() && !jpg->isChecked());
        QCOMPARE(ui.services.messages,
                 QStringList{Text(texts::PictureUnreadable(file.string(), "nincs ilyen fájl"))});
        QVERIFY(parts.picture->Image() == shown);

        // A BMP header that declares 9000 x 100 pixels, without them.
        QByteArray huge("BM");
        const std::pair<quint32, int> fields[] = {
            {54, 4}, {0, 4},    {54, 4},                               // file size, reserved, pixels' offset
            {40, 4}, {9000, 4}, {100, 4},  {1, 2},    {24, 2},         // the info header: width, height ...
            {0, 4},  {0, 4},    {2835, 4}, {2835, 4}, {0, 4},  {0, 4}, // no compression, no palette
        };
        for (auto [value, bytes] : fields) {
            for (int i = 0; i < bytes; ++i) {
                huge.append(static_cast<char>((value >> (8 * i)) & 0xFF));
            }
        }
        quelvarin::test::WriteBytes(
            file, std::string_view(huge.constData(), static_cast<std::size_t>(huge.size())));
        ui.services.messages.clear();
        ui.Trigger(QStringLiteral("ShowJpgItem"));
        ui.Trigger(QStringLiteral("ShowBmpItem"));
        QCOMPARE(ui.services.messages.size(), 1);
        QVERIFY2(ui.services.messages[0].contains(QStringLiteral("a kép túl nagy (9000 × 100 képpont")),
                 qPrintable(ui.services.messages[0]));

        QImage small(30, 42, QImage::Format_RGB888);
        small.fill(Qt::darkBlue);
        QVERIFY(small.save(PathText(file), "BMP"));
        ui.Trigger(QStringLiteral("ShowJpgItem"));
        ui.Trigger(QStringLiteral("ShowBmpItem"));
        QCOMPARE(parts.picture->Image().size(), QSize(30, 42));
        QCOMPARE(parts.picture->Image().pixelColor(3, 3), QColor(Qt::darkBlue));
    }
};

QUELVARIN_UI_TEST(TLokTabFormTest);

} // namespace quelvarin::ui::test

#include "TLokTabFormTest.moc"
