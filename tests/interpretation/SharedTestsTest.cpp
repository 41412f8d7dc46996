#include "interpretation/Context.h"
#include "interpretation/NormTable.h"
#include "interpretation/TextOut.h"
#include "platform/Cp1250.h"
#include "support/AnswersBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin::interpretation {
namespace {

using test::Repeated;
using test::WithAnswers;

TEST(Presence, ByCardAndCount) {
    auto protocol = WithAnswers({{3, {410}}, {3, {410, 400}}, {5, {410}}, {2, {1492}}});
    Context c(protocol);
    EXPECT_TRUE(c.Presence(410, 3, 2)) << "two Dzw on card III";
    EXPECT_FALSE(c.Presence(410, 5, 2)) << "only one on card V, whatever the total";
    EXPECT_TRUE(c.Presence(410, 5, 1));
    EXPECT_TRUE(c.Presence(410, 0, 3)) << "card 0: the count alone";
    EXPECT_FALSE(c.Presence(410, 0, 4));
    EXPECT_FALSE(c.Presence(400, 9, 1));
    EXPECT_TRUE(c.Presence(1492)) << "a sub-variant is looked for in the slots";
    EXPECT_FALSE(c.Presence(1491));

    auto stale = protocol;
    stale.counts.Set(410, 1); // the counter says one: no card test can find two
    EXPECT_FALSE(Context(stale).Presence(410, 3, 2));
}

TEST(CountSuffix, CountsOverTheAnswersWithACard) {
    auto protocol = WithAnswers(Repeated(2, 109) + Repeated(19, 401) + Repeated(2, 260));
    EXPECT_EQ(Context(protocol).CountSuffix(109), " (2/23)") << "23 answers, not the 21 effective ones";
}

TEST(Together, OneAndTheSameAnswer) {
    auto protocol = WithAnswers({{1, {400, 301}}, {1, {402}}, {2, {402, 348, 337}}});
    Context c(protocol);
    EXPECT_TRUE(c.Together(400, 301));
    EXPECT_FALSE(c.Together(400, 402));
    EXPECT_TRUE(c.Together3(402, 348, 337));
    EXPECT_FALSE(c.Together3(400, 301, 402));
    EXPECT_TRUE(c.AnswerCarriesBoth(3, 348, 337));
    EXPECT_FALSE(c.AnswerCarriesBoth(2, 348, 337));
    EXPECT_FALSE(c.AnswerCarriesBoth(91, 348, 337));
    EXPECT_TRUE(c.CountBetween(402, 2, 3));
    EXPECT_FALSE(c.CountBetween(402, 3, 4));
}

TEST(Share, OfTheEffectiveAnswersWithInclusiveBounds) {
    auto protocol = WithAnswers(Repeated(7, 346) + Repeated(13, 401));
    Context c(protocol);
    EXPECT_DOUBLE_EQ(c.Share(346), 35.0);
    EXPECT_TRUE(c.ShareInRange(346, 35, 40));
    EXPECT_FALSE(c.ShareInRange(346, 35.5, 40));
    auto refusals = WithAnswers(Repeated(2, 260));
    EXPECT_EQ(Context(refusals).Share(260), 0);
    EXPECT_FALSE(Context(refusals).ShareInRange(260, 0, 100)) << "no effective answers: never in range";
}

TEST(NormTest, UpperLimitOfTheSizeBand) {
    struct Case {
        SignCode code;
        int count;
        int answers;
        bool expected;
    };
    const Case cases[] = {
        {400, 11, 20, true},                        // 55 % > 51
        {400, 10, 20, false},                       // 50 %
        {400, 7, 7, false},                         // below eight answers
        {400, 85, 85, false},                       // above 84
        {323, 2, 15, true},                         // band 1: at most 1
        {323, 2, 16, false},                        // band 2: at most 2
        {323, 3, 84, true},                         // band 5
        {403, 1, 35, true},                         // Do: none usual up to 35 answers
        {403, 1, 36, false},  {122, 1, 8, true},    // any Bizonytalanság
        {345, 7, 20, true},                         // M: 35 % above 27 %
        {345, 5, 20, false},  {386, 2, 15, true},   // Szex: a second one in a short protocol
        {386, 2, 30, false},  {350, 19, 20, false}, // Táj has no row: never above
    };
    for (const auto& c : cases) {
        auto protocol = WithAnswers(Repeated(c.count, c.code) + Repeated(c.answers - c.count, 401));
        EXPECT_EQ(Context(protocol).NormTest(c.code), c.expected)
            << c.code << " " << c.count << "/" << c.answers;
    }
    EXPECT_EQ(norms::BandOf(8), 0);
    EXPECT_EQ(norms::BandOf(84), 4);
    EXPECT_FALSE(norms::BandOf(7));
}

TEST(SuccessionLines, ShowTheOrderOfTwoSigns) {
    auto protocol = WithAnswers({{1, {400, 301}}, {2, {323}}, {3, {301}}});
    Context c(protocol);
    TextOut out;
    WriteSuccessionLines(c, out, 301, 323);
    EXPECT_EQ(out.Result(), (Lines{"F +,   ,F +,", "   ,F -,   ,"}));

    TextOut none;
    WriteSuccessionLines(Context(WithAnswers({{1, {400}}})), none, 301, 323);
    EXPECT_EQ(none.Result(), (Lines{"", ""})) << "both lines, also when empty";
}

TEST(RuleLine, TheBytesDFAndDC) {
    EXPECT_EQ(EncodeCp1250(RuleLine(RuleKind::Upper, 3)), "\xDF\xDF\xDF");
    EXPECT_EQ(EncodeCp1250(RuleLine(RuleKind::Lower, 2)), "\xDC\xDC");
    EXPECT_EQ(RuleLine(RuleKind::Upper, 0), "");
}

TEST(Percent51, OneDecimalInFive) {
    EXPECT_EQ(Percent51(75), " 75.0");
    EXPECT_EQ(Percent51(8.5), "  8.5");
    EXPECT_EQ(Percent51(100), "100.0");
}

} // namespace
} // namespace quelvarin::interpretation
