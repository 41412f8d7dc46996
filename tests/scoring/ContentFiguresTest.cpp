#include "scoring/ContentFigures.h"

#include "scoring/AnswerCounts.h"
#include "scoring/PsychogramText.h"
#include "support/CountsBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::WithCounts;
constexpr SignCode M = 345, T = 346, Anat = 347, Obj = 348, Ruha = 349, Taj = 350, Felho = 351, Tuz = 352,
                   Terkep = 353, MParen = 358, Td = 359, Md = 371, Jarmu = 374, Amorf = 396, Versagen = 260;

TEST(ContentFigures, AnEmptyProtocol) {
    EXPECT_EQ(ComputeContentFigures(Protocol{}), ContentFigures{});
}

TEST(ContentFigures, RangeCountTakesTheHumanAndAnimalGroupsOnce) {
    struct Case {
        std::initializer_list<std::pair<SignCode, int>> counts;
        int expected;
    };
    const Case cases[] = {
        {{{M, 2}, {Md, 3}, {Td, 1}, {Anat, 1}}, 3},
        {{{M, 1}, {MParen, 1}, {Md, 1}}, 1},
        {{{MParen, 4}}, 1},
        {{{T, 1}, {Td, 5}}, 1},
        {{{Td, 1}}, 1},
        {{{Anat, 1}, {Amorf, 1}, {Jarmu, 2}}, 3},
        {{}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContentRangeCount(WithCounts(10, c.counts)), c.expected);
    }
}

TEST(ContentFigures, FrequentContentsFromATenthOfTheAnswersAtMostFive) {
    auto protocol = WithCounts(10, {{M, 9},
                                    {T, 9},
                                    {Obj, 9},
                                    {Jarmu, 9},
                                    {Md, 9},
                                    {MParen, 9},
                                    {Td, 9},
                                    {Anat, 1},
                                    {Ruha, 2},
                                    {Taj, 10},
                                    {Felho, 1},
                                    {Tuz, 1},
                                    {Terkep, 1}});
    auto lines = FrequentContents(protocol);
    EXPECT_EQ(lines, (std::array<std::string, 5>{"  Anat.% : 10", "  Ruha% : 20", "  Táj% : 100",
                                                 "  Felhő% : 10", "  Tűz% : 10"}))
        << "the sixth, Térkép, is not listed";

    auto below = WithCounts(11, {{Anat, 1}});
    EXPECT_EQ(FrequentContents(below)[0], "") << "1 of 11 is below a tenth";
    EXPECT_EQ(FrequentContents(WithCounts(0, {{Anat, 5}}))[0], "");
    EXPECT_EQ(FrequentContents(WithCounts(8, {{Anat, 1}}))[0], "  Anat.% : 12") << "12.5 to the even 12";
    EXPECT_EQ(FrequentContents(WithCounts(8, {{Anat, 3}}))[0], "  Anat.% : 38") << "37.5 to the even 38";
}

TEST(ContentFigures, PercentagesAndSpreadAsShown) {
    auto protocol = WithCounts(8, {{M, 1}, {T, 1}, {Td, 2}, {Obj, 0}, {Anat, 9}});
    auto figures = ComputeContentFigures(protocol);
    EXPECT_EQ(figures.sum, 13);
    EXPECT_EQ(psychogram_text::Percent(figures.humanPercent), "12.50");
    EXPECT_EQ(psychogram_text::Percent(figures.animalPercent), "37.50");
    EXPECT_EQ(psychogram_text::Percent(figures.objectPercent), " 0.00");
    EXPECT_EQ(psychogram_text::Spread(figures.spread), "1.6");

    EXPECT_EQ(psychogram_text::Spread(ComputeContentFigures(WithCounts(10, {{Anat, 12}})).spread), "1.2");
    EXPECT_EQ(psychogram_text::Percent(ComputeContentFigures(WithCounts(20, {{Obj, 1}})).objectPercent),
              " 5.00");
}

TEST(ContentFigures, TheBaseIsTheEffectiveAnswers) {
    // 10 answers of which 2 are refusals: 8 effective.
    auto protocol = WithCounts(10, {{Versagen, 2}, {M, 1}});
    EXPECT_EQ(EffectiveAnswerCount(protocol), 8);
    EXPECT_DOUBLE_EQ(HumanPercent(protocol), 12.5);
    // More refusals than answers leave no effective answer, and every percentage is 0.
    auto refusals = WithCounts(2, {{Versagen, 3}, {M, 1}});
    EXPECT_EQ(EffectiveAnswerCount(refusals), 0);
    EXPECT_EQ(HumanPercent(refusals), 0);
    EXPECT_EQ(ComputeContentFigures(refusals).spread, 0);
}

TEST(ColourIndex, TheSheetsIndexTakesTheEffectiveAnswers) {
    auto protocol = WithCounts(10, {{Versagen, 2}}, 3);
    EXPECT_EQ(ColourIndex(protocol), 38);                     // 3 of 8: 37.5 to the even 38
    EXPECT_EQ(ComputeAnswerCounts(protocol).colourIndex, 30); // the box: 3 of 10
    EXPECT_EQ(ColourIndex(Protocol{}), 0);
}

} // namespace
} // namespace quelvarin
