#include "joint/InteractometricReport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quelvarin::joint {
namespace {

// Signs recorded by number for a person on a card, in order.
struct Step {
    int person;
    int sign;
    int card;
};
JointExamination Recorded(std::initializer_list<Step> steps) {
    JointExamination record(ReadDescriptions("/nincs/ilyen/krv.txt"));
    for (const auto& step : steps) {
        int card = step.card;
        record.SelectPerson(step.person);
        EXPECT_TRUE(record.Record(step.sign, card)) << "sign " << step.sign;
    }
    return record;
}

// Person 1: ">?", "N", "zvS"; person 2: "zvA".
JointExamination TheExample() {
    return Recorded({{1, 3, 1}, {1, 18, 1}, {1, 24, 1}, {2, 25, 1}});
}

TEST(Interactometry, CountsGroupsAndTotals) {
    auto persons = EvaluateInteractions(TheExample().Rows());
    const auto& first = persons[0];
    const auto& second = persons[1];
    EXPECT_EQ(first.Count(">?"), 1);
    EXPECT_EQ(first.Count("N"), 1);
    EXPECT_EQ(first.Count("zvS"), 1);
    EXPECT_EQ(second.Count("zvA"), 1);
    EXPECT_EQ(second.Count(">?"), 0);
    EXPECT_EQ((std::array{first.Cooperative(), first.Obstructive(), first.NonCooperative(), first.Total()}),
              (std::array{1, 1, 1, 3}));
    EXPECT_EQ(
        (std::array{second.Cooperative(), second.Obstructive(), second.NonCooperative(), second.Total()}),
        (std::array{1, 0, 0, 1}));
    EXPECT_EQ(InteractionPercent(first.Cooperative(), first.Total()), "33.3 %");
    EXPECT_EQ(InteractionPercent(second.Cooperative(), second.Total()), "100.0 %");
    EXPECT_EQ(first.types[1], 2) << "2. Egoisztikus: zvS and the obstructive-direct sum";
    EXPECT_EQ(InteractionPercent(first.types[1], first.Total()), "66.7 %");
    EXPECT_EQ(second.types[0], 1) << "1. Egyetértő: zvA";
}

TEST(Interactometry, ClearedRowsAndPartnerCellsCountNowhere) {
    auto record = TheExample();
    int card = 1;
    record.ClickSignRow(2, card); // person 1's "N"
    record.ClearSelectedRow();
    auto persons = EvaluateInteractions(record.Rows());
    EXPECT_EQ(persons[0].Total(), 2);
    EXPECT_EQ(persons[0].Obstructive(), 0);
    EXPECT_EQ(persons[1].Total(), 1);
}

TEST(Interactometry, DecisionPlacesInRowOrder) {
    auto record = Recorded({{2, 26, 3}, {1, 26, 5}, {2, 8, 4}, {2, 26, 9}, {1, 31, 10}});
    auto persons = EvaluateInteractions(record.Rows());
    EXPECT_EQ(persons[1].decisionPlaces[2], "III., IX., ");
    EXPECT_EQ(persons[0].decisionPlaces[2], "V., ");
    EXPECT_EQ(persons[0].decisionPlaces[4], "X., ");
    EXPECT_EQ(persons[0].decisionPlaces[0], "");
}

TEST(Interactometry, Percentages) {
    const std::tuple<int, int, const char*> cases[] = {
        {5, 40, "12.5 %"}, {1, 40, " 2.5 %"}, {40, 40, "100.0 %"}, {0, 3, " 0.0 %"}, {0, 0, "  0.0 %"},
    };
    for (auto [count, total, text] : cases) {
        EXPECT_EQ(InteractionPercent(count, total), text) << count << "/" << total;
    }
}

// The line after the first line equal to `line`, and the one after that.
std::pair<std::string, std::string> Following(const Lines& page, std::string_view line) {
    auto at = std::find(page.begin(), page.end(), line);
    if (at == page.end() || page.end() - at < 3) {
        return {"(nincs ilyen sor)", ""};
    }
    return {*(at + 1), *(at + 2)};
}

TEST(Interactometry, ThePage) {
    auto page = WriteInteractometricReport(EvaluateInteractions(TheExample().Rows()));
    ASSERT_GE(page.size(), 4u);
    EXPECT_EQ(page[0], "<HTML><HEAD>");
    EXPECT_EQ(page[1], "<TITLE>Tamrel KRV jkv.</TITLE>");
    EXPECT_EQ(page[2], "</HEAD><BODY><TABLE BORDER CELLPADDING=\"2\">");
    EXPECT_EQ(page.back(), "</BODY></HTML>");

    using Cells = std::pair<std::string, std::string>;
    EXPECT_EQ(Following(page, "<TD>Ind&iacute;t&oacute; k&eacute;rd&eacute;s</TD>"),
              (Cells{"<TD>1</TD>", "<TD>0</TD>"}));
    EXPECT_EQ(Following(page, "<TD>Z&aacute;r&oacute;v&aacute;lasz partner&eacute;</TD>"),
              (Cells{"<TD>0</TD>", "<TD>1</TD>"}));
    EXPECT_EQ(Following(page, "<TD>Tartalmatlan verbaliz&aacute;ci&oacute;</TD>"),
              (Cells{"<TD>0</TD>", "<TD>0</TD>"}));
    EXPECT_EQ(Following(page, "<TR><TD>Kooper&aacute;ci&oacute;s index:</TD>"),
              (Cells{"<TD COLSPAN=\"2\" ALIGN=\"RIGHT\"><B>33.3 %</B></TD>",
                     "<TD COLSPAN=\"2\" ALIGN=\"RIGHT\"><B>100.0 %</B></TD>"}));
    EXPECT_EQ(Following(page, "<TR><TD>2. Egoisztikus ( - , S , #&nbsp;)</TD>"),
              (Cells{"<TD>2</TD>", "<TD>66.7 %</TD>"}));
    EXPECT_EQ(Following(page, "<TR><TD>3. K&ouml;z&ouml;s d&ouml;nt&eacute;s (zvW)</TD>"),
              (Cells{"<TD></TD>", "<TD></TD>"}));
    EXPECT_NE(
        std::find(page.begin(), page.end(), "<TD>4. D&ouml;nt&eacute;sk&eacute;ptelens&eacute;g (zvX)</TD>"),
        page.end());
    EXPECT_NE(
        std::find(page.begin(), page.end(), "<TR><TD>5. F&uuml;ggetlen d&ouml;nt&eacute;s (&#167;)</TD>"),
        page.end());
    for (const auto& line : page) {
        EXPECT_TRUE(std::all_of(line.begin(), line.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << "every letter is an entity: " << line;
    }
}

TEST(Interactometry, APersonWithoutSignsGetsAReportToo) {
    auto page = WriteInteractometricReport(EvaluateInteractions(Recorded({{1, 26, 2}}).Rows()));
    auto index = Following(page, "<TR><TD>Kooper&aacute;ci&oacute;s index:</TD>");
    EXPECT_EQ(index.first, "<TD COLSPAN=\"2\" ALIGN=\"RIGHT\"><B>100.0 %</B></TD>");
    EXPECT_EQ(index.second, "<TD COLSPAN=\"2\" ALIGN=\"RIGHT\"><B>  0.0 %</B></TD>");
}

} // namespace
} // namespace quelvarin::joint
