#include "model/VulgarCatalogue.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(VulgarCatalogue, CardFourOffersExactlyItsFourEntries) {
    auto entries = VulgarEntriesOfCard(4);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].location, "G, M, (M)");
    EXPECT_EQ(entries[0].content, "Szörny, majom");
    EXPECT_EQ(entries[0].vulgarClass, "V-1");
    EXPECT_EQ(entries[3].location, "4, D");
    EXPECT_EQ(entries[3].content, "Csizma");
    EXPECT_EQ(entries[3].vulgarClass, "V-3");
}

TEST(VulgarCatalogue, EntriesPerCard) {
    const std::size_t expected[] = {9, 8, 8, 4, 4, 4, 7, 5, 3, 8};
    std::size_t total = 0;
    for (int card = 1; card <= 10; ++card) {
        auto entries = VulgarEntriesOfCard(card);
        EXPECT_EQ(entries.size(), expected[card - 1]) << card;
        for (const auto& entry : entries) {
            EXPECT_NE(VulgarClassCode(entry.vulgarClass), 0) << entry.content;
            EXPECT_FALSE(entry.location.empty());
            EXPECT_FALSE(entry.content.empty());
        }
        total += entries.size();
    }
    EXPECT_EQ(total, VulgarCatalogueEntries().size());
    EXPECT_TRUE(VulgarEntriesOfCard(0).empty());
    EXPECT_TRUE(VulgarEntriesOfCard(11).empty());
}

TEST(VulgarCatalogue, SplitsAtTheFirstEqualsAndHash) {
    auto entries = VulgarEntriesOfCard(6);
    EXPECT_EQ(entries[2].location, "G, vagy 3, D");
    EXPECT_EQ(entries[2].content, "Kereszt, totem, szobor, stb.");
    auto first = VulgarEntriesOfCard(1)[0];
    EXPECT_EQ(first.content, "Denevér(szerű)");
}

TEST(VulgarCatalogue, ClassesAndHeading) {
    EXPECT_EQ(VulgarClassCode("V-1"), 293);
    EXPECT_EQ(VulgarClassCode("V-2"), 294);
    EXPECT_EQ(VulgarClassCode("V-3"), 295);
    EXPECT_EQ(VulgarClassCode("V-4"), 0);
    EXPECT_EQ(VulgarClassCode("v-1"), 0);
    EXPECT_EQ(VulgarHeading(3), "Vulgáris válaszok: 3 tábla");
}

} // namespace
} // namespace quelvarin
