#include "platform/Rounding.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        long long expected;
    };
    const Case cases[] = {
        {12.5, 12},  {37.5, 38}, {0.5, 0},   {1.5, 2},   {2.5, 2}, {2.4999, 2},
        {2.5001, 3}, {-0.5, 0},  {-1.5, -2}, {-2.5, -2}, {7.0, 7}, {0.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
    }
}

TEST(Rounding, PercentagesOfCountsInWholeNumbers) {
    struct Case {
        long long part, whole, expected;
    };
    const Case cases[] = {
        {1, 8, 12},                                                                // 12.5
        {3, 8, 38},                                                                // 37.5
        {4, 16, 25},  {1, 3, 33}, {2, 3, 67}, {0, 5, 0}, {5, 5, 100}, {1, 200, 0}, // 0.5
        {3, 200, 2},                                                               // 1.5
        {7, 0, 0},                                                                 // no base
        {-1, 8, -12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedPercent(c.part, c.whole), c.expected) << c.part << "/" << c.whole;
    }
}

TEST(Rounding, QuotientWithANegativeDenominator) {
    EXPECT_EQ(RoundedQuotient(5, -2), -2); // -2.5
    EXPECT_EQ(RoundedQuotient(-7, 2), -4); // -3.5
}

} // namespace
} // namespace quelvarin
