// What the personal data read from outside: the hand-over file of a sibling program, the
// clinic's list files, the education list, and the date carried by the examination code.
#include "model/ChoiceList.h"
#include "model/EducationLevels.h"
#include "model/ExaminationDate.h"
#include "model/HandOver.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using Opt = std::optional<std::string>;

struct HandOverCase {
    const char* text; // UTF-8, encoded to Windows-1250 as the file holds it
    Opt code, name, sex;
};

class HandOverTest : public testing::TestWithParam<HandOverCase> {};

TEST_P(HandOverTest, ReadsTheThreeKeys) {
    const auto& c = GetParam();
    auto handOver = ParseHandOver(EncodeCp1250(c.text));
    EXPECT_EQ(handOver.code, c.code);
    EXPECT_EQ(handOver.name, c.name);
    EXPECT_EQ(handOver.sex, c.sex);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HandOverTest,
    testing::Values(
        HandOverCase{"kód=K-17;\r\nnév=Kovács Éva;\r\nnem=2;\r\n", "K-17", "Kovács Éva", "nő"},
        HandOverCase{"nem=1;\nkód=A;", "A", std::nullopt, "férfi"},
        // The value runs to the last ";", the key to the first "=".
        HandOverCase{"név=Nagy; Ödön = ifj.;x\r\nkód==a=b;;\r\n", "=a=b;", "Nagy; Ödön = ifj.", std::nullopt},
        // The first line of a key wins; an unknown "nem" says nothing, and a later valid one counts.
        HandOverCase{"kód=első;\r\nkód=második;\r\nnem=3;\r\nnem=2;\r\n", "első", std::nullopt, "nő"},
        // Lines without "=" or without ";" after it, unknown and differently spelt keys.
        HandOverCase{"kód;=x\r\nnév=Nincs vége\r\nKÓD=x;\r\n kód=x;\r\nvalami=y;\r\n", std::nullopt,
                     std::nullopt, std::nullopt},
        HandOverCase{"", std::nullopt, std::nullopt, std::nullopt},
        HandOverCase{"kód=;\r\n", "", std::nullopt, std::nullopt}));

TEST(ChoiceListTest, OneChoicePerLineWithoutTrailingBlanksOrEmptyLines) {
    auto choices =
        ParseChoiceList(EncodeCp1250("tanár \r\n\r\n   \r\nfőorvos\r\n  ápoló\ncsak CR\rmarad\r\n"));
    EXPECT_EQ(choices, (Lines{"tanár", "főorvos", "  ápoló", "csak CR\rmarad"}));
    EXPECT_TRUE(ParseChoiceList("").empty());
    EXPECT_FALSE(ReadChoiceList("/nincs/ilyen/fogl.lst"));
}

TEST(EducationChoicesTest, AClinicsListOnlyReordersOrDropsTheEightLevels) {
    auto all = EducationChoices(std::nullopt);
    ASSERT_EQ(all.size(), kEducationLevels.size());
    EXPECT_TRUE(std::equal(all.begin(), all.end(), kEducationLevels.begin()));

    auto clinic = EducationChoices(Lines{"főiskola I-től", "egyetem", "középiskola IV.", "főiskola I-től"});
    EXPECT_EQ(clinic, (std::vector<std::string_view>{"főiskola I-től", "középiskola IV."}));
    // A list of nothing but other texts offers the eight levels rather than none.
    EXPECT_EQ(EducationChoices(Lines{"egyetem", ""}).size(), kEducationLevels.size());
}

struct CodeCase {
    const char* code;
    const char* date;
    const char* expected;
};

class CodeWithDateTest : public testing::TestWithParam<CodeCase> {};

TEST_P(CodeWithDateTest, TheCodeCarriesOneDateSuffix) {
    const auto& c = GetParam();
    EXPECT_EQ(CodeWithDate(c.code, c.date), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeWithDateTest,
    testing::Values(CodeCase{"abc", "2004.05.12.", "abc_20040512"},
                    // The same date twice, or another date: still one suffix.
                    CodeCase{"abc_20040512", "2004.05.12.", "abc_20040512"},
                    CodeCase{"abc_20040512", "2005.01.02.", "abc_20050102"},
                    // The examiner's own "_" stays.
                    CodeCase{"kovacs_eva", "2004.05.12.", "kovacs_eva_20040512"},
                    CodeCase{"kovacs_eva_20040512", "2026.12.10.", "kovacs_eva_20261210"},
                    // Not a suffix of the rule: seven digits, or no "_" before the eight.
                    CodeCase{"a_2004051", "2004.05.12.", "a_2004051_20040512"},
                    CodeCase{"a20040512", "2004.05.12.", "a20040512_20040512"},
                    CodeCase{"", "2004.05.12.", "_20040512"}, CodeCase{"abc_20040512", "", "abc"}));

TEST(ShortDateTest, ReadsAndWritesTheShortDate) {
    auto date = ParseShortDate("2004.05.12.");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 2004);
    EXPECT_EQ(date->month, 5);
    EXPECT_EQ(date->day, 12);
    EXPECT_EQ(ShortDateText(*date), "2004.05.12.");
    EXPECT_TRUE(ParseShortDate("2024.02.29"));
    for (auto bad : {"", "2023.02.29.", "2004.13.01.", "2004.00.10.", "2004.5.12.", "12.05.2004",
                     "2004-05-12.", "abcd.ef.gh.", "2004.05.32."}) {
        EXPECT_FALSE(ParseShortDate(bad)) << bad;
    }
}

} // namespace
} // namespace quelvarin
