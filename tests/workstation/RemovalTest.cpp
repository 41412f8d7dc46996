#include "support/ProtocolBuilder.h"
#include "support/SessionTestAccess.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

TEST(Removal, ClearsTheSlotLowersTheCounterAndRefreshesEverything) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    ws->scoring.ClickSignBox(301);
    ws->scoring.ClickSignBox(345);
    ASSERT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Determinants, 0), EntryOutcome::Entered);
    const auto& answer = ws->session.CurrentProtocol().answer(1);
    EXPECT_EQ(answer.slots[0], 400);
    EXPECT_EQ(answer.slots[1], 0);
    EXPECT_EQ(answer.slots[2], 345);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[301], 0);
    EXPECT_TRUE(ws->session.Columns().Entries(SignColumn::Determinants).empty());
    EXPECT_EQ(ws->session.LastRefresh(), refresh::kSignRemoved);

    ws->scoring.ClickSignBox(347);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[1], 347);
}

TEST(Removal, ASignInTheLastSlot) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    for (int i = 0; i < 29; ++i) {
        ws->scoring.ClickSignBox(400);
    }
    ws->scoring.ClickSignBox(346);
    ASSERT_EQ(ws->session.CurrentProtocol().answer(1).slots[29], 346);
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Contents, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[29], 0);
}

TEST(Removal, ASubVariantIsRemovedThroughItsParentsEntry) {
    TestStation ws;
    ws.AnswerOnCard(3, 4);
    ws->scoring.ChooseSpecialReactionRow("FH");
    ws->scoring.ChooseSubVariant(1);
    ws.AnswerOnCard(4, 4);
    ws->scoring.SelectAnswer(3);
    ASSERT_EQ(ws->session.Columns().Entries(SignColumn::SpecialReactions), (std::vector<std::string>{"FH"}));
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::SpecialReactions, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).slots[0], 0);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[149], 0);
}

TEST(Removal, EitherOPlusEntryLowersTheCounterByOne) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseOriginalityRow("O+");
    ws->scoring.RightClickOriginalityBox(297);
    ws->scoring.RemoveColumnEntry(SignColumn::Frequencies, 1);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[297], 1);
    ws->scoring.RemoveColumnEntry(SignColumn::Frequencies, 0);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[297], 0);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[0], 0);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[1], 0);
}

// The Nincs mit kivenni case: the column shows a sign the answer no longer holds.
TEST(Removal, NothingToRemoveLeavesTheCounterAlone) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    SessionTestAccess::ProtocolOf(ws->session).answer(1).slots[0] = 0; // changed behind the column's back
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Locations, 0), EntryOutcome::Refused);
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Nincs mit kivenni!!!"}));
    EXPECT_EQ(ws->session.CurrentProtocol().counts[400], 1);
    EXPECT_TRUE(ws->session.Columns().Entries(SignColumn::Locations).empty());
}

TEST(Removal, ACounterAlreadyAtZeroStaysAtZero) {
    TestStation ws;
    auto& answer = SessionTestAccess::ProtocolOf(ws->session).answer(1);
    answer.card = 1;
    answer.slots[0] = 345; // a loaded protocol may hold signs its counters do not show
    ws->scoring.SelectAnswer(1);
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Contents, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[345], 0);
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[0], 0);
}

TEST(Removal, BadColumnOrIndexDoesNothing) {
    TestStation ws;
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Locations, 0), EntryOutcome::Ignored);
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::Locations, 1), EntryOutcome::Ignored);
    EXPECT_EQ(ws->scoring.RemoveColumnEntry(SignColumn::None, 0), EntryOutcome::Ignored);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[400], 1);
    EXPECT_TRUE(ws.notifier.Messages().empty());
}

} // namespace
} // namespace quelvarin
