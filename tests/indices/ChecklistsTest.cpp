#include "indices/Alkohol.h"
#include "indices/KiegInf.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(Alkohol, RequiredSignsByTheLengthOfTheProtocol) {
    const std::pair<int, int> cases[] = {{0, 1},  {10, 1}, {11, 2}, {20, 2},
                                         {21, 3}, {30, 3}, {31, 4}, {90, 4}};
    for (auto [answers, required] : cases) {
        EXPECT_EQ(alkohol::RequiredSigns(answers), required) << answers;
    }
}

TEST(Alkohol, TheVerdictFollowsTheTicksAndTheLengthOfTheProtocol) {
    alkohol::Checklist list;
    list.Open(10);
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kNotAssumed) << "nothing ticked";
    EXPECT_TRUE(list.ShortProtocolTickEnabled());
    list.SetTick(4, true);
    EXPECT_EQ(list.CurrentVerdict().text, "Alkoholizmus feltételezhető.");
    EXPECT_TRUE(list.CurrentVerdict().highlighted);

    list.Open(11); // a longer protocol: the one sign no longer suffices, at once
    EXPECT_EQ(list.Required(), 2);
    EXPECT_EQ(list.CurrentVerdict().text, "Alkoholizmus nem feltételezhető.");
    EXPECT_FALSE(list.CurrentVerdict().highlighted);
    EXPECT_FALSE(list.ShortProtocolTickEnabled());
    list.SetTick(13, true);
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kAssumed);
    list.Open(10); // and a shorter one again
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kAssumed);

    list.Open(31);
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kNotAssumed) << "31 answers need 4 signs";
    list.SetTick(1, true);
    list.SetTick(2, true);
    EXPECT_EQ(list.TickedCount(), 4);
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kAssumed);
    list.SetTick(2, false);
    EXPECT_EQ(list.CurrentVerdict().text, alkohol::kNotAssumed);
    list.SetTick(14, true); // no such item
    EXPECT_EQ(list.TickedCount(), 3);
    EXPECT_TRUE(list.Ticked(1));
    EXPECT_TRUE(list.Ticked(13));
    for (int item : {0, 14, -1}) {
        EXPECT_FALSE(list.Ticked(item)) << item << " is no item and reads nothing outside the list";
    }
}

TEST(Alkohol, EachItemShowsTheBlockOfItsFamily) {
    const std::pair<int, const char*> cases[] = {
        {1, "Orális jegyek:"},   {4, "Orális jegyek:"},      {6, "Uretrális jegyek:"}, {7, "Analitás:"},
        {9, "Szexuális zavar:"}, {12, "Cirkuláris jegyek:"}, {13, "Parkinzonizmus:"},
    };
    for (auto [item, heading] : cases) {
        EXPECT_EQ(alkohol::BlockOfItem(item).lines.front(), heading) << item;
    }
    EXPECT_EQ(alkohol::Items()[12], "13. Merevség.");
    EXPECT_EQ(alkohol::ShortProtocolNote().front(), "Az 1-10 válaszos jkv-ben egy jegy mellé a VI. ");
}

TEST(KiegInf, FlagsReadAsTicksAndWrittenBackAsOneOrZero) {
    Protocol protocol;
    protocol.counts.Set(481, 2);
    protocol.counts.Set(497, 1);
    auto ticks = kieginf::TicksFromFlags(protocol);
    EXPECT_TRUE(ticks[1]) << "a flag of 2 is ticked when the window opens";
    EXPECT_TRUE(ticks[17]);
    EXPECT_FALSE(ticks[0]);
    EXPECT_FALSE(kieginf::TicksAfterLoad(protocol)[1]) << "a load ticks only a flag of exactly 1";

    ticks[5] = true;
    kieginf::WriteFlags(protocol, ticks);
    EXPECT_EQ(protocol.counts[481], 1);
    EXPECT_EQ(protocol.counts[485], 1);
    EXPECT_EQ(protocol.counts[497], 1);
    EXPECT_EQ(protocol.counts[480], 0);
}

} // namespace
} // namespace quelvarin
