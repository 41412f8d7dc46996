#include "reports/SheetScales.h"

#include "support/AnswersBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin::reports {
namespace {

using test::Answers;
using test::Repeated;
using test::ScoredAnswer;
using test::WithAnswers;

TEST(SheetScales, AnEmptyProtocol) {
    Protocol protocol;
    ResetToNewProtocol(protocol, "2026.12.10."); // education "középiskola IV.", position 6
    for (const auto& row : ComputeConstellations(protocol)) {
        EXPECT_EQ(row.basic, 0);
        EXPECT_EQ(row.supplementary, 0);
        EXPECT_EQ(row.verdict, "nem prefer");
    }
    auto scales = ComputeSheetScales(protocol);
    EXPECT_DOUBLE_EQ(scales.regressionIndex, 5); // 0 - 50 + 55
    EXPECT_EQ(scales.regressionVerdict, "Regresszió");
    EXPECT_EQ(scales.sociability, 0);
    EXPECT_EQ(scales.sociabilityVerdict, "Valósz. rossz szociab.");
    EXPECT_EQ(scales.organic, 4);
    EXPECT_EQ(scales.organicStrong, 0);
    EXPECT_EQ(scales.organicVerdict, "Org. káros. nem valószínű");
    EXPECT_EQ(scales.sociopathy, 0);
    EXPECT_EQ(scales.neurosis, 6);
    EXPECT_EQ(scales.sociopathyNeurosisVerdict, "neurotikus személyiségfejlődés valószínű");
    EXPECT_EQ(scales.epileptoidHysteroid, 3);
    EXPECT_EQ(scales.epileptoidHysteroidVerdict, "Hiszteroid-konverziós tünetképződés");
    EXPECT_EQ(scales.schizophreniaPlus, 7);
    EXPECT_EQ(scales.schizophreniaSecond, 7);
    EXPECT_EQ(scales.suicideBasic, 0);
    EXPECT_EQ(scales.suicideSupplementary, 1);
    EXPECT_EQ(scales.suicidePredictionVerdict, "Szuicid kisérlet nem valószínű");
    EXPECT_EQ(scales.alcoholism, 0);
    EXPECT_EQ(scales.alcoholismVerdict, "nem értelmezhető");
}

TEST(SheetScales, VerdictBands) {
    struct Case {
        double score;
        const char* regression;
    };
    const Case regression[] = {{89, "Regresszió"},           {89.5, "nem értelmezhető"},
                               {90, "Valószínű regresszió"}, {129, "Valószínű regresszió"},
                               {130, "Valószínű normális"},  {185, "Valószínű normális"},
                               {185.5, "nem értelmezhető"},  {186, "Normális"},
                               {-40, "Regresszió"}};
    for (const auto& c : regression) {
        EXPECT_EQ(RegressionVerdict(c.score), c.regression) << c.score;
    }
    EXPECT_EQ(SociabilityVerdict(-4), "Alacsony fokú szociab.");
    EXPECT_EQ(SociabilityVerdict(-3), "Valósz. rossz szociab.");
    EXPECT_EQ(SociabilityVerdict(2), "Valósz. rossz szociab.");
    EXPECT_EQ(SociabilityVerdict(3), "Valószínűleg jó szociab.");
    EXPECT_EQ(SociabilityVerdict(8), "Valószínűleg jó szociab.");
    EXPECT_EQ(SociabilityVerdict(9), "Magas fokú szociab.");
    EXPECT_EQ(EpileptoidHysteroidVerdict(4), "Hiszteroid-konverziós tünetképződés");
    EXPECT_EQ(EpileptoidHysteroidVerdict(5), "Epileptoid-konverziós tünetképződés");
    EXPECT_EQ(SuicidePredictionVerdict(4), "Ha volt szuicid kisérlet, akkor megismétlő")
        << "cut to 42 characters";
}

TEST(SheetScales, SociopathyNeurosisClasses) {
    struct Case {
        int p, n;
        const char* verdict;
    };
    const Case cases[] = {
        {0, 4, "az indikáció nem egyértelmű"},
        {0, 5, "neurotikus személyiségfejlődés valószínű"},
        {5, 0, "antiszociális személyiségfejlődés valószín"}, // cut to 42 characters
        {5, 9, "az indikáció nem egyértelmű"},
        {8, 11, "neurotikus személyiségfejlődés valószínű"},
        {9, 11, "neurotikus hátterű pszichopatizálódási fol"},
        {13, 10, "antiszociális személyiségfejlődés valószín"},
        {40, 11, "neurotikus hátterű pszichopatizálódási fol"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SociopathyNeurosisVerdict(c.p, c.n), c.verdict) << c.p << " : " << c.n;
    }
}

TEST(SheetScales, PerseverationOnThreeCardsIsAStrongOrganicItem) {
    auto base = Repeated(20, 301) + Repeated(4, 302);
    auto twoCards = ComputeSheetScales(WithAnswers(base + Answers({{1, {215}}, {2, {215}}, {2, {215}}})));
    auto threeCards = ComputeSheetScales(WithAnswers(base + Answers({{1, {215}}, {2, {215}}, {5, {215}}})));
    EXPECT_EQ(twoCards.organicStrong, 0);
    EXPECT_EQ(threeCards.organicStrong, 1);
    EXPECT_EQ(threeCards.organic, twoCards.organic + 1);
}

TEST(SheetScales, HelplessnessPairsCountForTheOrganicScale) {
    auto base = Repeated(20, 301) + Repeated(4, 302);
    auto without = ComputeSheetScales(WithAnswers(base + Answers({{1, {245}}})));
    auto with = ComputeSheetScales(WithAnswers(base + Answers({{1, {245, 109, 223}}})));
    EXPECT_EQ(with.organic, without.organic + 2);
    EXPECT_EQ(with.organicStrong, without.organicStrong + 2);
}

TEST(SheetScales, SuicideBasicSignsFromColourWithShading) {
    auto two = WithAnswers(Answers({{1, {307, 309}}, {2, {329, 331}}}) + Repeated(10, 301));
    EXPECT_EQ(ComputeSheetScales(two).suicideBasic, 2);
    auto three =
        WithAnswers(Answers({{1, {307, 309}}, {2, {329, 331}}, {3, {181}}, {4, {181}}}) + Repeated(10, 301));
    EXPECT_EQ(ComputeSheetScales(three).suicideBasic, 3);
}

TEST(Constellations, RepressionAndUndoing) {
    // Elfojtás: Értékelés, Undor-reakció, Kifejezési amnézia: three basic signs with both of the two.
    auto repression = ComputeConstellations(WithAnswers(Answers({{1, {138, 258, 191}}})));
    EXPECT_EQ(repression[0].basic, 3);
    EXPECT_EQ(repression[0].verdict, "preferált");
    // Meg nem történtté tevés: Annullálás and Kettős B; two Visszatérés pairs in one answer.
    auto undoing =
        ComputeConstellations(WithAnswers(Answers({{1, {109}}, {2, {195, 261, 131, 132}}, {3, {231}}})));
    EXPECT_EQ(undoing[4].basic, 2);
    EXPECT_EQ(undoing[4].supplementary, 3);
    EXPECT_EQ(undoing[4].verdict, "preferált");
}

} // namespace
} // namespace quelvarin::reports
