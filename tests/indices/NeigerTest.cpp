#include "indices/neiger.h"

#include "platform/Utf8.h"
#include "support/CountsBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

Protocol WithTicks(const char* education, int ticked) {
    Protocol protocol;
    protocol.personal.education = education;
    for (int row = 0; row < ticked; ++row) {
        protocol.neigerVulgars[static_cast<std::size_t>(row)] = true;
    }
    return protocol;
}

TEST(Neiger, ScoreAndRatingAtTheEdges) {
    struct Case {
        const char* education;
        int ticked;
        const char* score;
        const char* rating;
    };
    const Case cases[] = {
        {"", 0, " 0.0", "Patológiás érték"},
        {"általános iskola 6-ig", 0, " 2.5", "Patológiás érték"},
        {"általános iskola 6-ig", 1, " 3.5", "Valószínűleg patológiás érték"},
        {"középiskola I.", 1, " 2.5", "Patológiás érték"},
        {"általános iskola 7-ig", 1, " 3.0", "Valószínűleg patológiás érték"},
        {"középiskola IV.", 7, " 7.5", "Valószínű normális érték"},
        {"középiskola IV.", 8, " 8.5", "Normális érték"},
        {"középiskola II.", 4, " 5.0", "Valószínű normális érték"},
        {"főiskola I-től", 8, " 8.0", "Normális érték"},
        {"általános iskola 6-ig", 16, "18.5", "Normális érték"},
        {"egyetem", 2, " 2.0", "Patológiás érték"}, // not a level of the list: no correction
    };
    for (const auto& c : cases) {
        auto protocol = WithTicks(c.education, c.ticked);
        std::string score, rating;
        ASSERT_TRUE(neiger::RealityIndex(protocol, "szam", score));
        ASSERT_TRUE(neiger::RealityIndex(protocol, "szoveg", rating));
        EXPECT_EQ(score, c.score) << c.education << " " << c.ticked;
        EXPECT_EQ(rating, c.rating) << c.education << " " << c.ticked;
    }
}

TEST(Neiger, AnUnknownSelectorLeavesTheResultAlone) {
    std::string result = "korábbi";
    EXPECT_FALSE(neiger::RealityIndex(Protocol{}, "szám", result));
    EXPECT_EQ(result, "korábbi");
}

TEST(Neiger, TheCheckListHasSixteenRowsOfEqualWidth) {
    ASSERT_EQ(neiger::VulgarRows().size(), 16u);
    const auto width = CharCount(neiger::VulgarRows()[0].line);
    int primary = 0;
    for (const auto& row : neiger::VulgarRows()) {
        EXPECT_EQ(CharCount(row.line), width) << row.line; // characters: the rows hold accented letters
        EXPECT_EQ(row.line.substr(row.line.size() - 2), row.vulgarClass);
        primary += row.vulgarClass == "V1";
    }
    EXPECT_EQ(primary, 11);
}

TEST(FrequencyPercents, OfTheEffectiveAnswersHalvesToEven) {
    using test::WithCounts;
    EXPECT_EQ(neiger::VulgarPercent(WithCounts(8, {{293, 1}, {294, 1}, {295, 1}})), 38); // 37.5
    EXPECT_EQ(neiger::VulgarPercent(WithCounts(8, {{294, 1}})), 12);                     // 12.5
    EXPECT_EQ(neiger::OriginalityPercent(WithCounts(10, {{297, 1}, {298, 1}, {299, 2}, {260, 2}})), 50);
    EXPECT_EQ(neiger::VulgarPercent(WithCounts(0, {{293, 3}})), 0);
    EXPECT_EQ(neiger::OriginalityPercent(WithCounts(3, {{297, 1}, {260, 3}})), 0)
        << "every answer a Versagen";

    auto protocol = WithCounts(2, {{293, 200}, {294, 100}});
    neiger::StoreVulgarPercent(protocol);
    EXPECT_EQ(protocol.counts[296], 255) << "15000 % does not wrap in the counter";
    neiger::StoreOriginalityPercent(protocol);
    EXPECT_EQ(protocol.counts[300], 0);
}

} // namespace
} // namespace quelvarin
