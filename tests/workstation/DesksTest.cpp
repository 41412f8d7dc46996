#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

// The four time boxes store into the CardTimes of CurrentCard; seconds of 60 and more carry.
TEST(CardTimes, BoxesStoreForTheCurrentCardWithTheCarry) {
    struct Case {
        CardTime before;
        TimeBox box;
        int value;
        CardTime after;
    };
    const Case cases[] = {
        {{1, 0, 0, 0}, TimeBox::ReactionSeconds, 75, {2, 15, 0, 0}}, // 75 s with 1 min: 2 min 15 s
        {{0, 0, 0, 0}, TimeBox::ReactionSeconds, 59, {0, 59, 0, 0}},
        {{0, 0, 3, 0}, TimeBox::CardSeconds, 120, {0, 0, 5, 0}},
        {{0, 0, 0, 0}, TimeBox::CardMinutes, 4, {0, 0, 4, 0}},
        {{7, 30, 0, 0}, TimeBox::ReactionMinutes, 0, {0, 30, 0, 0}},
    };
    for (const auto& c : cases) {
        TestStation ws;
        ws.AnswerOnCard(1, 6);
        ASSERT_TRUE(ws->scoring.SetCardTime(TimeBox::ReactionMinutes, c.before.reactionMinutes));
        ASSERT_TRUE(ws->scoring.SetCardTime(TimeBox::ReactionSeconds, c.before.reactionSeconds));
        ASSERT_TRUE(ws->scoring.SetCardTime(TimeBox::CardMinutes, c.before.cardMinutes));
        ASSERT_TRUE(ws->scoring.SetCardTime(TimeBox::CardSeconds, c.before.cardSeconds));
        EXPECT_TRUE(ws->scoring.SetCardTime(c.box, c.value));
        EXPECT_EQ(ws->session.CurrentProtocol().cardTime(6), c.after) << c.value;
        EXPECT_EQ(ws->session.CurrentProtocol().cardTime(5), CardTime{}) << "only the current card";
    }
}

TEST(CardTimes, TheStopwatchSplitsItsSecondsIntoMinutes) {
    TestStation ws;
    ws.AnswerOnCard(3, 2);
    EXPECT_TRUE(ws->scoring.WriteStopwatchTime(false, 135));
    EXPECT_TRUE(ws->scoring.WriteStopwatchTime(true, 7));
    EXPECT_EQ(ws->session.CurrentProtocol().cardTime(2), (CardTime{0, 7, 2, 15}));
}

TEST(CardTimes, NothingIsStoredWithoutACardOrForANegativeValue) {
    TestStation ws;
    ws->scoring.SelectAnswer(1); // card 0
    EXPECT_FALSE(ws->scoring.SetCardTime(TimeBox::CardSeconds, 10));
    EXPECT_FALSE(ws->scoring.WriteStopwatchTime(true, 10));
    EXPECT_FALSE(ws->session.Modified());
    ws.AnswerOnCard(1, 4);
    EXPECT_FALSE(ws->scoring.SetCardTime(TimeBox::CardSeconds, -1));
    for (int card = 1; card <= kCardCount; ++card) {
        EXPECT_EQ(ws->session.CurrentProtocol().cardTime(card), CardTime{}) << card;
    }
}

TEST(PersonalData, FieldsAreStoredOnOneLineAndMarkTheProtocolModified) {
    TestStation ws;
    ws->files.NewProtocol("kod");
    auto& personal = ws->personal;
    personal.SetField(PersonalField::Name, "Kovács\r\nÖdön");
    personal.SetField(PersonalField::Diagnosis, "F41.1");
    personal.SetField(PersonalField::Date, "2026.12.01.");
    personal.SetAge(41);
    const auto& data = ws->session.CurrentProtocol().personal;
    EXPECT_EQ(data.name, "Kovács  Ödön") << "a line break would break the file's layout";
    EXPECT_EQ(data.diagnosis, "F41.1");
    EXPECT_EQ(data.date, "2026.12.01.");
    EXPECT_EQ(data.age, 41);
    EXPECT_EQ(data.code, "kod");
    EXPECT_TRUE(ws->session.Modified());
}

TEST(AnswerTexts, StoredForAnAnswerNumberOnly) {
    TestStation ws;
    EXPECT_FALSE(ws->scoring.StoreAnswerText(0, {"senkié"})) << "no answer";
    EXPECT_FALSE(ws->scoring.StoreAnswerText(91, {"senkié"}));
    EXPECT_FALSE(std::filesystem::exists(ws.root / "aktualis" / "1.txt"));
    ws.AnswerOnCard(7, 2);
    EXPECT_TRUE(ws->scoring.StoreAnswerText(7, {"Két medve,", "", "táncolnak."}));
    EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "7.txt"), "K\xE9t medve,\r\n\r\nt\xE1ncolnak.\r\n");
    EXPECT_EQ(ws->scoring.AnswerTextOf(7), (AnswerText{"Két medve,", "", "táncolnak."}));
    EXPECT_TRUE(ws->session.Modified());
}

TEST(AnswerTexts, AnUnwritableTextIsReportedAndNothingChanges) {
    TestStation ws;
    ws.AnswerOnCard(2, 1);
    ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "mentve.qvl"));
    std::filesystem::create_directories(ws.root / "aktualis" / "2.txt"); // a folder in its place
    EXPECT_FALSE(ws->scoring.StoreAnswerText(2, {"szöveg"}));
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("2.txt"), std::string::npos);
    EXPECT_FALSE(ws->session.Modified());
}

} // namespace
} // namespace quelvarin
