#include "model/SymbolCatalogue.h"
#include "workstation/AnswerTextWindowTexts.h"
#include "workstation/CardChoiceTexts.h"
#include "workstation/MainWindowTexts.h"
#include "workstation/PickerLayout.h"
#include "workstation/ProtocolFileTexts.h"

#include <gtest/gtest.h>
#include <set>

namespace quelvarin {
namespace {

namespace texts = window_texts;

TEST(WindowTexts, CaptionsThatCarryANumberOrACode) {
    EXPECT_EQ(texts::MainWindowCaption(""), "Quelvarin");
    EXPECT_EQ(texts::MainWindowCaption("ko_20040512"), "Quelvarin: ko_20040512");
    EXPECT_EQ(texts::AnswerTextCaption(3), "Válasz: 3. felelet");
    EXPECT_EQ(texts::AnswerTextCaption(90), "Válasz: 90. felelet");
    EXPECT_EQ(texts::AnswerTextCaption(0), "Válasz") << "no answer selected";
    EXPECT_EQ(texts::CardChoiceItem(0), "válasz törlése");
    EXPECT_EQ(texts::CardChoiceItem(1), "1. táblán");
    EXPECT_EQ(texts::CardChoiceItem(10), "10. táblán");
    EXPECT_EQ(texts::AskOverwrite("/a/b.qvl"), "A(z) „/a/b.qvl” állomány már létezik. Felülírja?");
}

TEST(PickerLayout, EveryBoxOfAPageOnceInItsPlace) {
    std::vector<std::string> rows;
    std::set<SignCode> locations;
    for (auto row : picker::LocationRows()) {
        std::string names;
        for (auto code : row) {
            names += std::string(NameOfCode(code)) + "|";
            locations.insert(code);
        }
        rows.push_back(names);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"G|D|Dd|Do|G komb.|Gzw|", "DG komb.|DG konf.|DG kont.|DzwG|",
                                              "Dzw|Ddzw|zw|"}));
    EXPECT_EQ(locations.size(), 13u);

    std::set<SignCode> contents;
    for (int column = 0; column < picker::kContentColumns; ++column) {
        for (int row = 0; row < picker::kContentRows; ++row) {
            contents.insert(picker::ContentBoxAt(column, row));
        }
    }
    EXPECT_EQ(contents.size(), 52u);
    EXPECT_EQ(*contents.begin(), 345);
    EXPECT_EQ(*contents.rbegin(), 396);
    EXPECT_EQ(NameOfCode(picker::ContentBoxAt(1, 0)), "(M)") << "the second column starts at 358";
    EXPECT_EQ(NameOfCode(picker::ContentBoxAt(3, 12)), "Amorf");
    EXPECT_EQ(picker::ContentBoxAt(4, 0), 0);

    EXPECT_EQ(picker::Pages().size(), 5u);
    EXPECT_EQ(picker::Pages()[3].tab, "gyakoriság");
    EXPECT_EQ(picker::Pages()[3].topicFile, "gyak.hlp");
    EXPECT_EQ(NameOfCode(picker::VulgarBoxes()[3]), "V%");
    EXPECT_EQ(NameOfCode(picker::OriginalityBoxes()[1]), "O+/-");
}

} // namespace
} // namespace quelvarin
