#include "model/SpecialReactions.h"

#include "model/SymbolCatalogue.h"

#include <gtest/gtest.h>
#include <map>

namespace quelvarin {
namespace {

std::vector<std::string> Names(const std::vector<SpecialReactionRow>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) {
        names.push_back(row.name);
    }
    return names;
}

TEST(SpecialReactions, MasterListInCodeOrder) {
    auto lines = SpecialReactionMasterList();
    ASSERT_EQ(lines.size(), 159u);
    EXPECT_EQ(lines.front(), "109=Annullálás#1;");
    EXPECT_EQ(lines[149 - 109], "149=FH#10;");
    EXPECT_EQ(lines.back(), "267=Zw-utalás#10;");
}

TEST(SpecialReactions, GroupsPartitionTheReactions) {
    std::size_t total = 0;
    for (int group = 1; group <= kSpecialReactionGroupCount; ++group) {
        auto rows = SpecialReactionsOfGroup(group);
        EXPECT_FALSE(rows.empty()) << group;
        EXPECT_FALSE(SpecialReactionGroupName(group).empty());
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_LT(rows[i - 1].code, rows[i].code) << "master-list order in group " << group;
        }
        total += rows.size();
    }
    EXPECT_EQ(total, 159u);
    EXPECT_TRUE(SpecialReactionsOfGroup(0).empty());
    EXPECT_TRUE(SpecialReactionsOfGroup(16).empty());
    EXPECT_EQ(SpecialReactionGroupName(16), "");

    EXPECT_EQ(
        Names(SpecialReactionsOfGroup(13)),
        (std::vector<std::string>{"Csonkítás", "Deformálás", "Defekt Fb", "Defekt Hd", "Hiány-reakció"}));
    EXPECT_EQ(SpecialReactionGroupName(2), "Elakadások");
}

TEST(SpecialReactions, RowsCarryTheCodeOfTheirName) {
    std::size_t rows = 0;
    for (int group = 1; group <= kSpecialReactionGroupCount; ++group) {
        for (const auto& row : SpecialReactionsOfGroup(group)) {
            EXPECT_EQ(row.code, CodeOfName(row.name)) << row.name;
            ++rows;
        }
    }
    EXPECT_EQ(rows, 159u) << "every reaction was looked at";
}

TEST(SpecialReactions, LetterTabs) {
    EXPECT_EQ(Names(SpecialReactionsOfTab("o,ö")), (std::vector<std::string>{"Obj. Kritika", "Orális"}));
    EXPECT_EQ(Names(SpecialReactionsOfTab("u,ü")),
              (std::vector<std::string>{"Unbestimmt", "Ütközés", "Uretrális", "Undor-reakció"}));
    EXPECT_EQ(Names(SpecialReactionsOfTab("j")), (std::vector<std::string>{"Jelentéstudat", "Juxtapozíció"}));
    auto accented = Names(SpecialReactionsOfTab("a,á"));
    EXPECT_NE(std::find(accented.begin(), accented.end(), "Áttételes reakció"), accented.end());
    EXPECT_NE(std::find(accented.begin(), accented.end(), "A tergo"), accented.end());
    EXPECT_TRUE(SpecialReactionsOfTab("q").empty());
    EXPECT_EQ(SpecialReactionLetterTabs().size(), 22u);
}

// A tab must offer every reaction of its letters: each reaction sits under exactly one tab.
TEST(SpecialReactions, EveryReactionUnderExactlyOneTab) {
    std::map<std::string, int> seen;
    for (const auto& tab : SpecialReactionLetterTabs()) {
        for (const auto& row : SpecialReactionsOfTab(tab.caption)) {
            ++seen[row.name];
        }
    }
    EXPECT_EQ(seen.size(), 159u);
    for (const auto& [name, count] : seen) {
        EXPECT_EQ(count, 1) << name;
    }
}

} // namespace
} // namespace quelvarin
