#include "support/ProtocolBuilder.h"
#include "support/SessionTestAccess.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

std::vector<std::string> Column(Workstation& station, SignColumn column) {
    return station.session.Columns().Entries(column);
}

TEST(SignEntryPaths, NothingIsScoredWithoutASelectedAnswer) {
    TestStation ws;
    auto before = ws->session.CurrentProtocol();
    auto result = ws->scoring.ClickSignBox(400);
    EXPECT_EQ(result.outcome, EntryOutcome::Refused);
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{"   Hányadik feleletet jelöljük? Kérem válasszon!   "}));
    EXPECT_EQ(ws->session.CurrentProtocol().counts, before.counts);
    EXPECT_EQ(ws->session.CurrentProtocol().answers, before.answers);
}

// Each path: the code it stores, the column that lists it, and what it recomputes.
TEST(SignEntryPaths, EachPathStoresCountsListsAndRefreshes) {
    struct Case {
        const char* path;
        std::function<EntryResult(Workstation&)> enter;
        SignCode code;
        SignColumn column;
        const char* listed;
        RefreshSteps refresh;
    };
    const Case cases[] = {
        {"location box", [](Workstation& w) { return w.scoring.ClickSignBox(404); }, 404,
         SignColumn::Locations, "G komb.", refresh::kLocationEntered},
        {"determinant box", [](Workstation& w) { return w.scoring.ClickSignBox(314); }, 314,
         SignColumn::Determinants, "B sec +/-", refresh::kDeterminantEntered},
        {"movement quality box", [](Workstation& w) { return w.scoring.ClickSignBox(343); }, 343,
         SignColumn::SpecialReactions, "asszoc.B", refresh::kDeterminantEntered},
        {"content box", [](Workstation& w) { return w.scoring.ClickSignBox(371); }, 371, SignColumn::Contents,
         "Md", refresh::kContentEntered},
        {"contents list", [](Workstation& w) { return w.scoring.ChooseContentsRow("Álarc II"); }, 375,
         SignColumn::Contents, "Álarc II", refresh::kContentEntered},
        {"special-reaction list",
         [](Workstation& w) { return w.scoring.ChooseSpecialReactionRow("Versagen"); }, 260,
         SignColumn::SpecialReactions, "Versagen", refresh::kVersagenEntered},
        {"another special reaction",
         [](Workstation& w) { return w.scoring.ChooseSpecialReactionRow("Orális"); }, 213,
         SignColumn::SpecialReactions, "Orális", refresh::kSpecialReactionEntered},
        {"vulgar list", [](Workstation& w) { return w.scoring.ChooseVulgarRow("V-2"); }, 294,
         SignColumn::Frequencies, "V-2", refresh::kVulgarEntered},
        {"originality list", [](Workstation& w) { return w.scoring.ChooseOriginalityRow("O+/-"); }, 298,
         SignColumn::Frequencies, "O+/-", refresh::kOriginalityEntered},
        {"right button on an O box", [](Workstation& w) { return w.scoring.RightClickOriginalityBox(299); },
         299, SignColumn::Frequencies, "O-", refresh::kOriginalityEntered},
        {"location-tables popup",
         [](Workstation& w) { return w.scoring.ChooseLocationTableItem("&DG ko&nf."); }, 407,
         SignColumn::Locations, "DG konf.", refresh::kLocationEntered},
    };
    for (const auto& c : cases) {
        TestStation ws;
        ws.AnswerOnCard(4, 3);
        ws->scoring.ClickSignBox(401); // something already in slot 1
        auto result = c.enter(*ws);
        EXPECT_EQ(result.outcome, EntryOutcome::Entered) << c.path;
        EXPECT_EQ(result.code, c.code) << c.path;
        const auto& protocol = ws->session.CurrentProtocol();
        EXPECT_EQ(protocol.answer(4).slots[1], c.code) << c.path;
        EXPECT_EQ(protocol.counts[c.code], 1) << c.path;
        EXPECT_EQ(Column(*ws, c.column).back(), c.listed) << c.path;
        EXPECT_EQ(ws->session.LastRefresh(), c.refresh) << c.path;
        EXPECT_TRUE(ws.notifier.Messages().empty()) << c.path;
    }
}

// A path offers only its own kind of sign; anything else scores nothing and says nothing.
TEST(SignEntryPaths, NamesAPathDoesNotOfferAreIgnored) {
    const std::function<EntryResult(Workstation&)> entries[] = {
        [](Workstation& w) { return w.scoring.ClickSignBox(0); },
        [](Workstation& w) { return w.scoring.ClickSignBox(260); }, // a special reaction has no box
        [](Workstation& w) { return w.scoring.ClickSignBox(397); },
        [](Workstation& w) { return w.scoring.ClickSignBox(1491); },
        [](Workstation& w) { return w.scoring.ChooseContentsRow("G"); },
        [](Workstation& w) { return w.scoring.ChooseContentsRow("Nincs ilyen"); },
        [](Workstation& w) {
            return w.scoring.ChooseSpecialReactionRow("Elfojtás");
        }, // a category, not a reaction
        [](Workstation& w) { return w.scoring.ChooseSpecialReactionRow("FH +"); },
        [](Workstation& w) { return w.scoring.ChooseVulgarRow("V-4"); },
        [](Workstation& w) { return w.scoring.ChooseOriginalityRow("V-1"); },
        [](Workstation& w) { return w.scoring.RightClickOriginalityBox(296); },
        [](Workstation& w) { return w.scoring.ChooseLocationTableItem("&Denevér"); },
    };
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        TestStation ws;
        ws.AnswerOnCard(1, 1);
        auto before = ws->session.CurrentProtocol();
        EXPECT_EQ(entries[i](*ws).outcome, EntryOutcome::Ignored) << i;
        EXPECT_EQ(ws->session.CurrentProtocol().answers, before.answers) << i;
        EXPECT_EQ(ws->session.CurrentProtocol().counts, before.counts) << i;
        EXPECT_TRUE(ws.notifier.Messages().empty()) << i;
    }
}

TEST(SignEntryPaths, ARefusedOrIgnoredEntryRecomputesNothing) {
    TestStation ws;
    ws.AnswerOnCard(1, 2);
    ws->scoring.ClickSignBox(400);
    ASSERT_EQ(ws->session.LastRefresh(), refresh::kLocationEntered);
    ws->scoring.ChooseSpecialReactionRow("Hd-kompenzálás");
    EXPECT_TRUE(ws->session.LastRefresh().Empty());
    ws->scoring.ClickSignBox(400);
    ws->scoring.ChooseContentsRow("nincs ilyen");
    EXPECT_TRUE(ws->session.LastRefresh().Empty());
}

TEST(SignEntryPaths, TheThirtyFirstSignIsRefused) {
    TestStation ws;
    ws.AnswerOnCard(2, 5);
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(ws->scoring.ClickSignBox(345).outcome, EntryOutcome::Entered);
    }
    auto result = ws->scoring.ClickSignBox(346);
    EXPECT_EQ(result.outcome, EntryOutcome::Refused);
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{"Egy feleletre legfeljebb 30 jel adható!!!"}));
    EXPECT_EQ(ws->session.CurrentProtocol().counts[346], 0);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[345], 30);
    EXPECT_EQ(Column(*ws, SignColumn::Contents).size(), 30u);
}

TEST(SignEntryPaths, ACounterAt255RefusesTheEntryInsteadOfWrapping) {
    TestStation ws;
    SessionTestAccess::ProtocolOf(ws->session).counts.Set(400, 255);
    ws.AnswerOnCard(1, 1);
    auto before = ws->session.CurrentProtocol();
    EXPECT_EQ(ws->scoring.ClickSignBox(400).outcome, EntryOutcome::Refused);
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Ebből a jelből legfeljebb 255 adható!!!"}));
    EXPECT_EQ(ws->session.CurrentProtocol().counts[400], 255);
    EXPECT_EQ(ws->session.CurrentProtocol().answers, before.answers);
    EXPECT_TRUE(Column(*ws, SignColumn::Locations).empty());
}

TEST(SignEntryPaths, HdKompenzalasOnlyOnGreyCards) {
    for (int card = 0; card <= 10; ++card) {
        TestStation ws;
        ws.AnswerOnCard(1, card);
        bool colour = card == 2 || card == 8 || card == 9 || card == 10;
        auto result = ws->scoring.ChooseSpecialReactionRow("Hd-kompenzálás");
        EXPECT_EQ(result.outcome, colour ? EntryOutcome::Refused : EntryOutcome::Entered) << card;
        EXPECT_EQ(ws->session.CurrentProtocol().counts[167], colour ? 0 : 1) << card;
        if (colour) {
            EXPECT_EQ(ws.notifier.Messages(),
                      (std::vector<std::string>{"Hd-kompenzálás (Hd-tagadás) csak szürke táblán adható!!!"}));
        }
    }
}

TEST(SignEntryPaths, OriginalityFromTheListAndFromTheBoxBothListOPlus) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseOriginalityRow("O+");
    ws->scoring.RightClickOriginalityBox(297);
    EXPECT_EQ(Column(*ws, SignColumn::Frequencies), (std::vector<std::string>{"O+", "O+"}));
    EXPECT_EQ(ws->session.CurrentProtocol().counts[297], 2);
}

TEST(SignEntryPaths, TheLeftButtonOnAnOBoxOnlyRecomputesOPercent) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    auto before = ws->session.CurrentProtocol();
    EXPECT_EQ(ws->scoring.ClickSignBox(297).outcome, EntryOutcome::Ignored);
    EXPECT_EQ(ws->session.LastRefresh(), refresh::kOriginalityEntered);
    EXPECT_EQ(ws->session.CurrentProtocol().counts, before.counts);
}

TEST(SignEntryPaths, SubVariantReplacesTheJustStoredSign) {
    TestStation ws;
    ws.AnswerOnCard(6, 1);
    auto fh = ws->scoring.ChooseSpecialReactionRow("FH");
    EXPECT_EQ(fh.menu, SubVariantMenu::FH);
    EXPECT_TRUE(ws->scoring.ChooseSubVariant(1));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(6).slots[0], 1492);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[149], 1) << "the parent keeps the count";
    EXPECT_FALSE(ws->scoring.ChooseSubVariant(0)) << "only the just-stored sign has a menu";

    auto dzw = ws->scoring.ClickSignBox(410);
    EXPECT_EQ(dzw.menu, SubVariantMenu::Dzw);
    EXPECT_TRUE(ws->scoring.ChooseSubVariant(2));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(6).slots[1], 4103);

    ws->scoring.SelectAnswer(6);
    EXPECT_EQ(Column(*ws, SignColumn::SpecialReactions), (std::vector<std::string>{"FH"}));
    EXPECT_EQ(Column(*ws, SignColumn::Locations), (std::vector<std::string>{"Dzw"}));
}

TEST(SignEntryPaths, ADismissedMenuKeepsTheParentCode) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(410);
    ws->scoring.ClickSignBox(400); // the menu went away without a choice
    EXPECT_FALSE(ws->scoring.ChooseSubVariant(0));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[0], 410);
    EXPECT_EQ(ws->scoring.ClickSignBox(400).menu, SubVariantMenu::None);
}

TEST(SignEntryPaths, LocationSoundOnlyWithALanguageAndAFile) {
    TestStation ws;
    test::WriteBytes(ws.root / "hangok" / "angol" / "400.wav", "RIFF");
    test::WriteBytes(ws.root / "hangok" / "angol" / "301.wav", "RIFF");
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    EXPECT_TRUE(ws.sound.played.empty()) << "no language set";

    ws->scoring.SetSoundLanguage(SoundLanguage::Angol);
    ws->scoring.ClickSignBox(400);
    ws->scoring.ClickSignBox(401);            // no file for it
    ws->scoring.ClickSignBox(301);            // not a location
    ws->scoring.ChooseLocationTableItem("G"); // not a box
    ASSERT_EQ(ws.sound.played.size(), 1u);
    EXPECT_EQ(ws.sound.played[0], ws.root / "hangok" / "angol" / "400.wav");
}

TEST(SignEntryPaths, HelpEditModeShowsHelpInsteadOfScoring) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->help.SetHelpEditMode(true);
    auto before = ws->session.CurrentProtocol();
    auto result = ws->scoring.ChooseSpecialReactionRow("Versagen");
    EXPECT_EQ(result.outcome, EntryOutcome::HelpShown);
    EXPECT_EQ(result.code, 260);
    EXPECT_EQ(ws->session.LastHelpCode(), 260);
    EXPECT_EQ(ws->scoring.ClickSignBox(297).outcome, EntryOutcome::HelpShown) << "an O box is a sign too";
    EXPECT_EQ(ws->session.LastHelpCode(), 297);
    EXPECT_TRUE(ws->session.LastRefresh().Empty());
    EXPECT_EQ(ws->session.CurrentProtocol().counts, before.counts);
    EXPECT_EQ(ws->session.CurrentProtocol().answers, before.answers);
}

TEST(CardChoice, SelectingAnAnswerWithoutACardAsksForOne) {
    TestStation ws;
    EXPECT_TRUE(ws->scoring.SelectAnswer(5));
    EXPECT_EQ(ws->session.CurrentCard(), 0);
    EXPECT_TRUE(ws->scoring.CurrentVulgarEntries().empty());
    ASSERT_TRUE(ws->scoring.ChooseCard(3));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(5).card, 3);
    EXPECT_EQ(ws->session.CurrentCard(), 3);
    EXPECT_FALSE(ws->scoring.CardChoiceWanted());
    EXPECT_EQ(ws->scoring.CurrentVulgarHeading(), "Vulgáris válaszok: 3 tábla");
    auto entries = ws->scoring.CurrentVulgarEntries();
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries.front().content, "2 ember");
    EXPECT_EQ(ws->session.LastRefresh(), refresh::kCardChosen);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[397], 1);
}

TEST(CardChoice, ChoosingCardZeroKeepsSignsAndCounters) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws.AnswerOnCard(2, 9);
    ws->scoring.ClickSignBox(400);
    ws->scoring.ChooseSpecialReactionRow("Versagen");
    auto slots = ws->session.CurrentProtocol().answer(2).slots;
    ASSERT_EQ(ws->session.CurrentProtocol().counts[397], 2);

    ASSERT_TRUE(ws->scoring.ChooseCard(0));
    const auto& protocol = ws->session.CurrentProtocol();
    EXPECT_EQ(protocol.answer(2).card, 0);
    EXPECT_EQ(protocol.answer(2).slots, slots);
    EXPECT_EQ(protocol.counts[400], 1);
    EXPECT_EQ(protocol.counts[260], 1);
    EXPECT_EQ(protocol.counts[397], 1);
    EXPECT_EQ(protocol.counts[399], 0);
}

TEST(CardChoice, RefusedWithoutAnAnswerOrForABadCard) {
    TestStation ws;
    EXPECT_FALSE(ws->scoring.ChooseCard(3));
    EXPECT_EQ(ws.notifier.Messages().size(), 1u);
    ws->scoring.SelectAnswer(1);
    EXPECT_FALSE(ws->scoring.ChooseCard(11));
    EXPECT_FALSE(ws->scoring.ChooseCard(-1));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).card, 0);
}

TEST(CardChoice, SuppressedWhileTheProtocolPageWalksTheAnswers) {
    TestStation ws;
    EXPECT_FALSE(ws->scoring.SelectAnswer(5, CardChoice::HeldBack));
    EXPECT_FALSE(ws->scoring.CardChoiceWanted());
    EXPECT_TRUE(ws->scoring.SelectAnswer(5));
}

} // namespace
} // namespace quelvarin
