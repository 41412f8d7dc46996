#include "scoring/AnswerCounts.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

Protocol WithCards(std::initializer_list<int> cards) {
    Protocol protocol;
    int n = 1;
    for (int card : cards) {
        protocol.answer(n++).card = static_cast<std::uint8_t>(card);
    }
    return protocol;
}

TEST(AnswerCounts, CountsAndColourIndex) {
    struct Case {
        std::initializer_list<int> cards;
        int total, early, late, colourIndex;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 10}, 16, 12, 4, 25},
        {{1, 1, 1, 1, 1, 1, 1, 8}, 8, 7, 1, 12},  // 12.5 to the even 12
        {{1, 1, 1, 1, 1, 8, 9, 10}, 8, 5, 3, 38}, // 37.5 to the even 38
        {{}, 0, 0, 0, 0},
        {{0, 0, 3, 0}, 1, 1, 0, 0}, // answers without a card do not count
        {{10}, 1, 0, 1, 100},
    };
    for (const auto& c : cases) {
        auto protocol = WithCards(c.cards);
        EXPECT_EQ(CountAnswers(protocol), c.total);
        EXPECT_EQ(protocol.counts[397], c.total);
        EXPECT_EQ(protocol.counts[398], c.early);
        EXPECT_EQ(protocol.counts[399], c.late);
        EXPECT_EQ(protocol.counts[413], c.colourIndex);
    }
}

TEST(AnswerCounts, TheBoxHintTellsTheRefusals) {
    auto protocol = WithCards({1, 2});
    protocol.counts.Set(260, 2);
    EXPECT_EQ(AnswerCountHint(protocol), "A mutatók kiszámításánál a \"Versagen\"-nel jelölt kérdések\r\n"
                                         " nem számítanak bele ebbe a számba. \r\nVersagenek száma: 2");
}

TEST(AnswerCounts, AnswersPerCard) {
    auto protocol = WithCards({3, 3, 0, 10, 1});
    auto perCard = CountAnswersPerCard(protocol);
    EXPECT_EQ(perCard, (std::array<int, 10>{1, 0, 2, 0, 0, 0, 0, 0, 0, 1}));
}

} // namespace
} // namespace quelvarin
