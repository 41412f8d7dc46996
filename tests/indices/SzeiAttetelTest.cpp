#include "indices/Attetel.h"
#include "indices/Szei.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

Protocol CodedSzei(std::initializer_list<const char*> codes) {
    Protocol protocol;
    int n = 1;
    for (const char* code : codes) {
        protocol.answer(n++).szei = code;
    }
    return protocol;
}

TEST(Szei, MeansAndConclusions) {
    struct Case {
        Protocol protocol;
        const char* mean;
        const char* conclusion;
    };
    const char* kPsychopathic = "a nagy valószínűséggel meglévő pszichopátiás személyiségfejlődésre utalnak.";
    const Case cases[] = {
        {CodedSzei({}), " 0.0", kPsychopathic},
        {CodedSzei({"C", "A"}), " 0.5", "inkább pszichopátiás folyamatra vezethetők vissza."},
        {CodedSzei({"C"}), " 1.0", "a nagy valószínűséggel meglévő neurotikus hátteret bizonyítják."},
        {CodedSzei({"B", "B", "E", "E"}), " 0.0", kPsychopathic},
        {CodedSzei({"B", "A", "A"}), " 0.7", "inkább neurotikus folyamatnak tekinthetők."},
        {CodedSzei({"E", "D"}), "-1.5", kPsychopathic},
    };
    for (const auto& c : cases) {
        auto evaluation = szei::Evaluate(c.protocol);
        EXPECT_EQ(szei::MeanText(evaluation.mean), c.mean);
        EXPECT_EQ(evaluation.conclusion, c.conclusion);
    }
}

TEST(Szei, AnOtherCodeLowersTheMeanButIsCountedNowhere) {
    auto evaluation = szei::Evaluate(CodedSzei({"C", "0", "x"}));
    EXPECT_EQ(evaluation.counts, (std::array<int, 5>{0, 0, 0, 1, 0})); // A, E, D, C, B
    EXPECT_EQ(evaluation.base, 3);
    EXPECT_DOUBLE_EQ(evaluation.mean, 1.0 / 3);
}

TEST(Szei, TheCodingWindowsTabFollowsTheClickedRow) {
    struct Case {
        const char* code;
        std::optional<int> current;
        std::optional<int> tab;
    };
    const Case cases[] = {
        {"A", std::nullopt, 0},
        {"E", 3, 1},
        {"D", 0, 2},
        {"C", 0, 3},
        {"B", 0, 4},
        {"?", 2, 2}, // an uncoded row leaves the tab as it was
        {"?", std::nullopt, std::nullopt},
        {"0", 2, std::nullopt}, // no category: no tab
        {"x", 2, std::nullopt}, // a foreign code from a file likewise
    };
    for (const auto& c : cases) {
        EXPECT_EQ(szei::TabAfterClick(c.code, c.current), c.tab) << c.code;
    }
    EXPECT_TRUE(szei::ClickOpensModally("?"));
    EXPECT_FALSE(szei::ClickOpensModally("A"));
    EXPECT_EQ(szei::CodeOfTab(1), "E");
    EXPECT_EQ(szei::CodeOfTab(std::nullopt), "");
}

TEST(Szei, CategoriesInTabOrder) {
    const auto& categories = szei::Categories();
    ASSERT_EQ(categories.size(), 5u);
    EXPECT_EQ(categories[1].code, "E");
    EXPECT_EQ(categories[1].description.front(), "SZEI-E: ");
    EXPECT_EQ(categories[4].weight, 2);
}

Protocol Transference(int answers, std::initializer_list<const char*> codes) {
    Protocol protocol;
    for (int n = 1; n <= answers; ++n) {
        protocol.answer(n).card = 1;
    }
    int n = 1;
    for (const char* code : codes) {
        protocol.answer(n++).transference = code;
    }
    return protocol;
}

TEST(Attetel, SharesOfTheAnswers) {
    struct Case {
        Protocol protocol;
        std::array<int, 6> percents; // Semleges, Pozitív, Szorongás, Agresszió, Testiség, Függőség
        int width;
    };
    const Case cases[] = {
        {Protocol{}, {0, 0, 0, 0, 0, 0}, 350},
        {Transference(4, {"Semleges válaszok.", "Semleges válaszok.", "Agresszió.", "-"}),
         {50, 0, 0, 25, 0, 0},
         350},
        {Transference(8, {"Testiség."}), {0, 0, 0, 0, 12, 0}, 350},
        {Transference(3, {"Semleges válaszok.", "Semleges válaszok.", "Semleges válaszok."}),
         {100, 0, 0, 0, 0, 0},
         550},
        {Transference(2, {"Agresszió", "Narcisztikus válaszok."}), {0, 0, 0, 0, 0, 0}, 350},
    };
    for (const auto& c : cases) {
        auto percents = attetel::Evaluate(c.protocol);
        EXPECT_EQ(percents, c.percents);
        EXPECT_EQ(attetel::EvaluationWindowWidth(percents), c.width);
    }
}

TEST(Attetel, EveryCategoryCodeIsItsHeading) {
    const auto& categories = attetel::Categories();
    ASSERT_EQ(categories.size(), 8u);
    for (const auto& evaluated : attetel::EvaluatedCategories()) {
        auto found = std::find_if(categories.begin(), categories.end(),
                                  [&](const attetel::Category& c) { return c.Code() == evaluated.code; });
        EXPECT_NE(found, categories.end()) << evaluated.label;
    }
    EXPECT_EQ(categories.back().description[3], "felnőttek jegyzőkönyvében 50 %.");
}

} // namespace
} // namespace quelvarin
