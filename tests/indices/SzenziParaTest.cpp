#include "indices/SzenziPara.h"

#include "support/CountsBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::WithCounts;
namespace sp = szenzipara;

TEST(SensitivityParanoia, TheDocumentedExamples) {
    struct Case {
        Protocol protocol;
        int sum;
        long long index;
        sp::Zone zone;
    };
    const Case cases[] = {
        {WithCounts(20, {}), 0, 80, sp::Zone::Healthy},
        {WithCounts(2, {}), 0, 98, sp::Zone::Healthy},
        {WithCounts(10, {{356, 2}, {154, 1}}), 221, 311, sp::Zone::PsychoticParanoid},
        {WithCounts(30, {{128, 3}}), -138, 24, sp::Zone::Healthy},
        // Refusals shorten the protocol: 12 answers, 2 of them Versagen.
        {WithCounts(12, {{260, 2}, {402, 3}, {160, 1}}), 88, 178, sp::Zone::NonPsychoticParanoid},
    };
    for (const auto& c : cases) {
        auto result = sp::Compute(c.protocol);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->sum, c.sum);
        EXPECT_EQ(result->rounded, c.index);
        EXPECT_EQ(result->zone, c.zone);
    }
}

TEST(SensitivityParanoia, ZonesByTheRoundedIndex) {
    struct Case {
        double index;
        sp::Zone zone;
    };
    const Case cases[] = {
        {-50, sp::Zone::Healthy},
        {136, sp::Zone::Healthy},
        {136.4, sp::Zone::Healthy},
        {136.5, sp::Zone::Healthy},
        {136.6, sp::Zone::NonPsychoticParanoid},
        {137.5, sp::Zone::NonPsychoticParanoid},
        {236.4, sp::Zone::NonPsychoticParanoid},
        {236.5, sp::Zone::NonPsychoticParanoid},
        {236.6, sp::Zone::PsychoticParanoid},
        {5000, sp::Zone::PsychoticParanoid},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sp::ZoneOf(c.index), c.zone) << c.index;
    }
    EXPECT_EQ(sp::ZoneTexts(sp::Zone::NonPsychoticParanoid).indicated,
              "Indikált diagnózis: nem pszichotikus paranoid, adekv. esély: 64%.");
}

TEST(SensitivityParanoia, StoresItsTwelveFiguresIntoTheCounters) {
    auto protocol = WithCounts(10, {{356, 2}, {349, 1}, {362, 1}, {375, 1}, {388, 1}, {264, 3}});
    sp::Standing standing;
    sp::Recompute(protocol, standing);
    EXPECT_EQ(protocol.counts[416], 10);
    EXPECT_EQ(protocol.counts[417], 2); // Szem
    EXPECT_EQ(protocol.counts[422], 4); // the four hiding contents together
    EXPECT_EQ(protocol.counts[427], 3); // Veszély-projekció
    EXPECT_EQ(protocol.counts[418], 0);
    ASSERT_TRUE(standing.zone);
    EXPECT_EQ(standing.indicated, std::string(sp::ZoneTexts(*standing.zone).indicated));
}

TEST(SensitivityParanoia, WithoutEffectiveAnswersNothingOfTheLastComputationIsShown) {
    auto scored = WithCounts(10, {{356, 2}, {154, 1}});
    sp::Standing standing;
    sp::Recompute(scored, standing);
    ASSERT_EQ(standing.index, 311);
    ASSERT_TRUE(standing.figures);

    auto refused = WithCounts(3, {{260, 3}, {356, 1}}); // every answer a Versagen
    refused.counts.Set(417, 9);
    sp::Recompute(refused, standing);
    EXPECT_EQ(standing.index, 10000);
    EXPECT_FALSE(standing.zone);
    EXPECT_EQ(standing.indicated, "");
    EXPECT_EQ(standing.alternative, "");
    EXPECT_FALSE(standing.figures);
    EXPECT_EQ(refused.counts[417], 9) << "the counters change only when the index is computed";
    EXPECT_EQ(refused.counts[416], 0);
}

} // namespace
} // namespace quelvarin
