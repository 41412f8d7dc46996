#include "workstation/LocationTablesDesk.h"

#include "model/VulgarCatalogue.h"
#include "support/EventRecorder.h"
#include "support/JpegFixture.h"
#include "support/ProtocolBuilder.h"
#include "workstation/LocationTablesTexts.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
namespace texts = window_texts;
using test::EncodeJpeg;
using test::RampPicture;

// The locations of card VII in the test root: outlined pictures that are good, missing,
// damaged, cut short and of a declared size far beyond the limits.
constexpr const char* kCard7List = "fej=1 'D' 'Dd';a fej, a k\xE9t kiny\xFAl\xE1s\r\n"
                                   "&also&resz=2 'G';\r\n"
                                   "3 sz\xF6veg jelek n\xE9lk\xFCl;\r\n"
                                   "tart=4 'M';\r\n"
                                   "hianyzik=5 'D';\r\n"
                                   "serult=6 'D';\r\n"
                                   "csonka=7 'D';\r\n"
                                   "oriasi=8 'D';\r\n"
                                   "../../kilep=9 'G';\r\n";
enum Row : std::size_t { kHead, kLower, kNoSigns, kContent, kMissing, kDamaged, kCut, kHuge, kOutside };

class Tables {
public:
    Tables() {
        for (int card : {1, 2, 5, 7, 8}) {
            test::WriteBytes(ws.root / "lok" / (std::to_string(card) + ".lok"),
                             card == 7 ? kCard7List : "1=1 'G';\r\n");
            // Each card's picture is as wide as 10 + its number, so that a test sees which it is.
            WritePicture(ws.root / "tablak" / (std::to_string(card) + ".jpg"), 10 + card);
        }
        // Cut in its first segment.
        test::WriteBytes(ws.root / "tablak" / "8.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
        WritePicture(ws.root / "lok" / "7" / "fej.jpg", 30);
        WritePicture(ws.root / "lok" / "7" / "alsoresz.jpg", 31);
        auto good = EncodeJpeg(RampPicture(32, 24));
        auto damaged = good;
        damaged[damaged.find("\xFF\xC0") + 1] = '\xCF';
        test::WriteBytes(ws.root / "lok" / "7" / "serult.jpg", damaged);
        test::WriteBytes(ws.root / "lok" / "7" / "csonka.jpg", good.substr(0, good.size() / 2));
        test::WriteBytes(ws.root / "lok" / "7" / "oriasi.jpg", test::WithDeclaredSize(good, 65000, 65000));
        desk().SetBitmapReader([this](const fs::path& path) -> PictureOrError {
            bitmapsRead.push_back(path);
            return RampPicture(40, 2);
        });
    }

    LocationTablesDesk& desk() { return ws->locations; }
    const Session& state() { return ws->session; }
    static void WritePicture(const fs::path& path, int width) {
        test::WriteBytes(path, EncodeJpeg(RampPicture(width, 12)));
    }
    std::string Path(const fs::path& relative) { return (ws.root / relative).string(); }

    test::TestStation ws;
    std::vector<fs::path> bitmapsRead;
};

// Choosing "VII. tábla" while answer 3 (card II) is selected makes card VII the current card,
// for the main window as well (its vulgar lists, time boxes and "lok" glyph follow CurrentCard),
// and shows the card VII locations and sentence. The answer keeps its card.
TEST(LocationTables, TheCardMenuMakesTheChosenCardCurrent) {
    Tables t;
    t.ws.AnswerOnCard(3, 2);
    t.desk().SetShown(true);
    ASSERT_EQ(t.desk().View().card, 2);
    test::EventRecorder events(t.ws->session);

    EXPECT_TRUE(t.desk().ChooseCard(7));
    EXPECT_EQ(t.state().CurrentCard(), 7);
    EXPECT_EQ(t.state().CurrentAnswer(), 3);
    EXPECT_EQ(t.state().CurrentProtocol().answer(3).card, 2);
    EXPECT_EQ(events.Take(), std::vector<std::string>{"selection: answer 3 card 7"});
    EXPECT_EQ(t.ws->scoring.CurrentVulgarHeading(), VulgarHeading(7));
    EXPECT_EQ(t.ws->scoring.CardGlyph(), t.state().Paths().CardGlyphFile(7));

    const auto& view = t.desk().View();
    EXPECT_EQ(view.card, 7);
    EXPECT_EQ(view.title, " VII. tábla");
    EXPECT_EQ(view.caption, "7. tábla lokalizációi");
    EXPECT_EQ(view.sentence, ". . . agresszív mozgósítás esetében.");
    EXPECT_EQ(view.labels, (std::vector<std::string>{"1 'D' 'Dd'", "2 'G'", "3 szöveg jelek nélkül", "4 'M'",
                                                     "5 'D'", "6 'D'", "7 'D'", "8 'D'", "9 'G'"}));
    EXPECT_FALSE(view.chosen);
    EXPECT_EQ(view.picture, t.ws.root / "tablak" / "7.jpg");
    EXPECT_EQ(t.desk().ShownPicture().width, 17);
    EXPECT_TRUE(t.ws.notifier.Messages().empty());
    EXPECT_FALSE(t.desk().ChooseCard(0));
    EXPECT_FALSE(t.desk().ChooseCard(11));
    EXPECT_EQ(t.state().CurrentCard(), 7);

    // The answer is still scored on its own card: "Hd-kompenzálás" stays refused on card II
    // although the grey card VII is shown.
    t.ws->scoring.ChooseSpecialReactionRow("Hd-kompenzálás");
    EXPECT_EQ(t.ws.notifier.Messages(),
              std::vector<std::string>{std::string(messages::kHdKompenzalasOnColourCard)});
    EXPECT_EQ(t.state().CurrentProtocol().counts[codes::kHdKompenzalas], 0);
}

TEST(LocationTables, TitleCaptionSentenceAndMenuOfEachCard) {
    struct Case {
        int card;
        const char* title;
        const char* caption;
        const char* item;
        const char* itemName;
        const char* sentence;
    };
    const Case cases[] = {
        {1, " I. tábla", "1. tábla lokalizációi", "I. tábla", "Itbla1", ". . . új helyzetben."},
        {4, " IV. tábla", "4. tábla lokalizációi", "IV. tábla", "IVtbla1",
         ". . . az autoritástól való szorongás helyzetében."},
        {9, " IX. tábla", "9. tábla lokalizációi", "IX. tábla", "IXtbla1",
         ". . . képességeket és erőfeszítést igénylő helyzetben."},
        {10, " X. tábla", "10. tábla lokalizációi", "X. tábla", "Xtbla1",
         ". . . az élettér kiaknázása során."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts::CardTitle(c.card), c.title);
        EXPECT_EQ(texts::LocationsCaption(c.card), c.caption);
        EXPECT_EQ(texts::CardMenuItem(c.card), c.item);
        EXPECT_EQ(texts::CardMenuItemName(c.card), c.itemName);
        EXPECT_EQ(texts::kSituationSentences[static_cast<std::size_t>(c.card - 1)], c.sentence);
    }
}

// A click on a location: its sign names make the context menu, in their order, and its outlined
// picture from the loaded card's folder is shown.
TEST(LocationTables, ChoosingALocationShowsItsPictureAndOffersItsSigns) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    ASSERT_TRUE(t.desk().ChooseLocation(kLower));
    EXPECT_EQ(t.desk().View().chosen, kLower);
    EXPECT_EQ(t.desk().View().signNames, std::vector<std::string>{"G"});
    EXPECT_EQ(t.desk().View().picture, t.ws.root / "lok" / "7" / "alsoresz.jpg") << "the \"&\"s are dropped";
    EXPECT_EQ(t.desk().ShownPicture().width, 31);
    ASSERT_TRUE(t.desk().ChooseLocation(kHead));
    EXPECT_EQ(t.desk().View().signNames, (std::vector<std::string>{"D", "Dd"}));
    EXPECT_EQ(t.desk().HoverCaption(kHead), "1 'D' 'Dd'");
    EXPECT_FALSE(t.desk().ChooseLocation(9));
    EXPECT_EQ(t.desk().View().chosen, kHead);
    EXPECT_TRUE(t.ws.notifier.Messages().empty());
}

// An item of the context menu scores its sign into the current answer as the location box does,
// with the same refresh, and the answer's columns show it.
TEST(LocationTables, TheContextMenuScoresTheCurrentAnswer) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    t.desk().ChooseLocation(kHead);
    test::EventRecorder events(t.ws->session);

    auto result = t.desk().ChooseSign(1);
    EXPECT_EQ(result.outcome, EntryOutcome::Entered);
    EXPECT_EQ(result.code, 402);
    const auto& protocol = t.state().CurrentProtocol();
    EXPECT_EQ(protocol.answer(3).slots[0], 402);
    EXPECT_EQ(protocol.counts[402], 1);
    EXPECT_EQ(t.state().Columns().Entries(SignColumn::Locations), std::vector<std::string>{"Dd"});
    EXPECT_EQ(t.state().LastRefresh(), refresh::kLocationEntered);
    auto seen = events.Take();
    EXPECT_NE(std::find(seen.begin(), seen.end(), "answer 3"), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "figures: apprehension-mode answer-counts"), seen.end());
}

// What the menu offers that is no location, and a label without apostrophes, score nothing.
TEST(LocationTables, NothingButALocationIsScored) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    t.desk().ChooseLocation(kNoSigns);
    EXPECT_TRUE(t.desk().View().signNames.empty());
    EXPECT_EQ(t.desk().ChooseSign(0).outcome, EntryOutcome::Ignored);
    t.desk().ChooseLocation(kContent);
    EXPECT_EQ(t.desk().View().signNames, std::vector<std::string>{"M"});
    EXPECT_EQ(t.desk().ChooseSign(0).outcome, EntryOutcome::Ignored);
    EXPECT_EQ(t.state().CurrentProtocol().answer(3).slots[0], 0);
    EXPECT_EQ(t.state().CurrentProtocol().counts[345], 0);
}

// A picture that cannot be read is told with its file; the picture shown before stays. The
// location is chosen all the same: its signs can be scored.
TEST(LocationTables, APictureThatCannotBeReadKeepsTheOneShown) {
    struct Case {
        Row row;
        const char* file;
        std::string reason;
    };
    const Case cases[] = {
        {kMissing, "hianyzik.jpg", "nincs ilyen fájl"},
        {kDamaged, "serult.jpg", "a JPEG kép sérült"},
        {kCut, "csonka.jpg", "a JPEG kép csonka, a vége hiányzik"},
        {kHuge, "oriasi.jpg",
         "a kép túl nagy (65000 × 65000 képpont; legfeljebb 8000 képpont egy oldala és 16 millió képpont az "
         "egész)"},
    };
    for (const auto& c : cases) {
        Tables t;
        t.ws.AnswerOnCard(3, 7);
        t.desk().SetShown(true);
        t.desk().ChooseLocation(kHead);
        auto shown = t.desk().ShownPicture();
        auto number = t.desk().PictureNumber();
        t.ws.notifier.Clear();

        EXPECT_TRUE(t.desk().ChooseLocation(c.row));
        auto path = t.Path(fs::path("lok") / "7" / c.file);
        EXPECT_EQ(t.ws.notifier.Warnings(),
                  std::vector<std::string>{texts::PictureUnreadable(path, c.reason)});
        EXPECT_EQ(t.desk().ShownPicture(), shown) << c.file;
        EXPECT_EQ(t.desk().PictureNumber(), number);
        EXPECT_EQ(t.desk().View().picture, t.ws.root / "lok" / "7" / "fej.jpg");
        EXPECT_EQ(t.desk().View().chosen, c.row);
        EXPECT_EQ(t.desk().View().signNames, std::vector<std::string>{"D"});
    }
}

// The card's own picture: the card is loaded (its list, title and sentence) and the picture of
// the card before stays, told once.
TEST(LocationTables, ACardPictureThatCannotBeReadIsToldOnce) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    auto shown = t.desk().ShownPicture();
    t.ws.notifier.Clear();
    EXPECT_TRUE(t.desk().ChooseCard(8));
    EXPECT_EQ(t.ws.notifier.Warnings(), std::vector<std::string>{texts::PictureUnreadable(
                                            t.Path("tablak/8.jpg"), "a JPEG kép csonka, a vége hiányzik")});
    EXPECT_EQ(t.desk().View().card, 8);
    EXPECT_EQ(t.desk().View().labels, std::vector<std::string>{"1 'G'"});
    EXPECT_EQ(t.desk().ShownPicture(), shown);
    EXPECT_EQ(t.desk().View().picture, t.ws.root / "tablak" / "7.jpg");
}

// Without its list file a card is not loaded: the window keeps what it showed.
TEST(LocationTables, AMissingListFileKeepsTheCardShown) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    t.desk().ChooseLocation(kHead);
    auto before = t.desk().View();
    t.ws.notifier.Clear();
    EXPECT_FALSE(t.desk().ChooseCard(9));
    EXPECT_EQ(t.ws.notifier.Warnings(),
              std::vector<std::string>{texts::LocationListUnreadable(t.Path("lok/9.lok"))});
    EXPECT_EQ(t.desk().View().card, 7);
    EXPECT_EQ(t.desk().View().labels, before.labels);
    EXPECT_EQ(t.desk().View().chosen, kHead);
    EXPECT_EQ(t.desk().View().picture, before.picture);
}

// Shown, the window follows the selected answer's card (an answer without a card changes
// nothing); hidden, it reads nothing and tells nothing.
TEST(LocationTables, FollowsTheSelectionWhileShown) {
    Tables t;
    t.ws.AnswerOnCard(1, 5);
    t.ws.AnswerOnCard(2, 9); // no list file for card IX
    t.ws.AnswerOnCard(3, 7);
    EXPECT_EQ(t.desk().View().card, 0) << "never shown";
    t.ws->scoring.SelectAnswer(2);
    EXPECT_TRUE(t.ws.notifier.Messages().empty());

    t.desk().SetShown(true);
    EXPECT_EQ(t.ws.notifier.Warnings().size(), 1u) << "card IX has no list";
    t.ws->scoring.SelectAnswer(1);
    EXPECT_EQ(t.desk().View().card, 5);
    t.ws->scoring.SelectAnswer(10, CardChoice::HeldBack); // no card
    EXPECT_EQ(t.desk().View().card, 5);
    t.ws->files.NewProtocol();
    EXPECT_EQ(t.desk().View().card, 1) << "a new protocol starts on card I";
    t.desk().SetShown(false);
    t.ws.AnswerOnCard(4, 7);
    EXPECT_EQ(t.desk().View().card, 1);
}

// "bmp-ket mutass!": the picture shown is read again as a BMP file, through the reader the Qt
// face gives; the main window hears of the mode.
TEST(LocationTables, TheBitmapItemSwitchesThePictureType) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    t.desk().ChooseLocation(kHead);
    test::EventRecorder events(t.ws->session);
    t.desk().SetPictureExtension(PictureExtension::Bmp);
    EXPECT_EQ(t.desk().Extension(), PictureExtension::Bmp);
    EXPECT_EQ(t.bitmapsRead, std::vector<fs::path>{t.ws.root / "lok" / "7" / "fej.bmp"});
    EXPECT_EQ(t.desk().ShownPicture().width, 40);
    EXPECT_EQ(events.Take(), std::vector<std::string>{"mode"});
    EXPECT_EQ(t.desk().CardPicturePath(2), t.ws.root / "tablak" / "2.bmp");
    t.desk().SetPictureExtension(PictureExtension::Jpg);
    EXPECT_EQ(t.desk().View().picture, t.ws.root / "lok" / "7" / "fej.jpg");
    EXPECT_TRUE(t.ws.notifier.Messages().empty());
}

// A picture name from the list never leads out of the card's folder.
TEST(LocationTables, APictureNameIsAFileNameOnly) {
    Tables t;
    t.ws.AnswerOnCard(3, 7);
    t.desk().SetShown(true);
    auto number = t.desk().PictureNumber();
    t.desk().ChooseLocation(kOutside);
    EXPECT_EQ(t.ws.notifier.Warnings(),
              std::vector<std::string>{texts::PictureUnreadable("../../kilep", "nem fájlnév")});
    EXPECT_EQ(t.desk().PictureNumber(), number);
}

} // namespace
} // namespace quelvarin
