#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

TEST(Removal, ClearsTheSlotLowersTheCounterAndRefreshesEverything) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->ClickSignBox(400);
    ws->ClickSignBox(301);
    ws->ClickSignBox(345);
    ASSERT_EQ(ws->RemoveColumnEntry(SignColumn::Determinants, 0), EntryOutcome::Entered);
    const auto& answer = ws->CurrentProtocol().answer(1);
    EXPECT_EQ(answer.slots[0], 400);
    EXPECT_EQ(answer.slots[1], 0);
    EXPECT_EQ(answer.slots[2], 345);
    EXPECT_EQ(ws->CurrentProtocol().counts[301], 0);
    EXPECT_TRUE(ws->Columns().Entries(SignColumn::Determinants).empty());
    EXPECT_EQ(ws->LastRefresh(), refresh::kSignRemoved);

    ws->ClickSignBox(347);
    EXPECT_EQ(ws->CurrentProtocol().answer(1).slots[1], 347);
}

TEST(Removal, ASignInTheLastSlot) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    for (int i = 0; i < 29; ++i) {
        ws->ClickSignBox(400);
    }
    ws->ClickSignBox(346);
    ASSERT_EQ(ws->CurrentProtocol().answer(1).slots[29], 346);
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::Contents, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->CurrentProtocol().answer(1).slots[29], 0);
}

TEST(Removal, ASubVariantIsRemovedThroughItsParentsEntry) {
    TestStation ws;
    ws.AnswerOnCard(3, 4);
    ws->ChooseSpecialReactionRow("FH");
    ws->ChooseSubVariant(1);
    ws.AnswerOnCard(4, 4);
    ws->SelectAnswer(3);
    ASSERT_EQ(ws->Columns().Entries(SignColumn::SpecialReactions), (std::vector<std::string>{"FH"}));
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::SpecialReactions, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->CurrentProtocol().answer(3).slots[0], 0);
    EXPECT_EQ(ws->CurrentProtocol().counts[149], 0);
}

TEST(Removal, EitherOPlusEntryLowersTheCounterByOne) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->ChooseOriginalityRow("O+");
    ws->RightClickOriginalityBox(297);
    ws->RemoveColumnEntry(SignColumn::Frequencies, 1);
    EXPECT_EQ(ws->CurrentProtocol().counts[297], 1);
    ws->RemoveColumnEntry(SignColumn::Frequencies, 0);
    EXPECT_EQ(ws->CurrentProtocol().counts[297], 0);
    EXPECT_EQ(ws->CurrentProtocol().answer(1).slots[0], 0);
    EXPECT_EQ(ws->CurrentProtocol().answer(1).slots[1], 0);
}

// The Nincs mit kivenni case: the column shows a sign the answer no longer holds.
TEST(Removal, NothingToRemoveLeavesTheCounterAlone) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->ClickSignBox(400);
    ws->EditableProtocol().answer(1).slots[0] = 0; // changed behind the column's back
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::Locations, 0), EntryOutcome::Refused);
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Nincs mit kivenni!!!"}));
    EXPECT_EQ(ws->CurrentProtocol().counts[400], 1);
    EXPECT_TRUE(ws->Columns().Entries(SignColumn::Locations).empty());
}

TEST(Removal, ACounterAlreadyAtZeroStaysAtZero) {
    TestStation ws;
    auto& answer = ws->EditableProtocol().answer(1);
    answer.card = 1;
    answer.slots[0] = 345; // a loaded protocol may hold signs its counters do not show
    ws->SelectAnswer(1);
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::Contents, 0), EntryOutcome::Entered);
    EXPECT_EQ(ws->CurrentProtocol().counts[345], 0);
    EXPECT_EQ(ws->CurrentProtocol().answer(1).slots[0], 0);
}

TEST(Removal, BadColumnOrIndexDoesNothing) {
    TestStation ws;
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::Locations, 0), EntryOutcome::Ignored);
    ws.AnswerOnCard(1, 1);
    ws->ClickSignBox(400);
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::Locations, 1), EntryOutcome::Ignored);
    EXPECT_EQ(ws->RemoveColumnEntry(SignColumn::None, 0), EntryOutcome::Ignored);
    EXPECT_EQ(ws->CurrentProtocol().counts[400], 1);
    EXPECT_TRUE(ws.notifier.Messages().empty());
}

} // namespace
} // namespace quelvarin
