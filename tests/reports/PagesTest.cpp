#include "reports/ExaminationSheet.h"
#include "reports/Glossary.h"
#include "reports/ProtocolPage.h"
#include "reports/SignPopup.h"
#include "support/AnswersBuilder.h"
#include "support/FailingWrites.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quelvarin::reports {
namespace {

using test::Answers;
using test::Repeated;
using test::ScoredAnswer;
using test::WithAnswers;

SignHelpTexts HelpWith(SignCode code, std::string_view scoring, std::string_view interpretation) {
    std::string s, i;
    for (int c = 0; c < 498; ++c) {
        s += (c == code ? std::string(scoring) : std::string()) + "\r\n";
        i += (c == code ? std::string(interpretation) : std::string()) + "\r\n";
    }
    SignHelpTexts help;
    help.scoring.SetContent(s);
    help.interpretation.SetContent(i);
    return help;
}

bool Has(const Lines& lines, std::string_view line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

Lines Sheet(const Protocol& protocol, const SignHelpTexts& help = {}) {
    szenzipara::Standing standing;
    Protocol copy = protocol;
    szenzipara::Recompute(copy, standing);
    auto constellations = ComputeConstellations(copy);
    auto scales = ComputeSheetScales(copy);
    return WriteExaminationSheet({copy, help, standing, constellations, scales});
}

TEST(SignPopup, AbsentAndPresentTallyCells) {
    auto protocol = WithAnswers(Repeated(2, 400));
    auto help =
        HelpWith(400, "G - egész válasz*Az egész foltra adott \"jó\" válasz.*", "G értelmezése*Áttekintés.*");
    EXPECT_EQ(TallyText(protocol, help, 402), "Dd = 0");
    EXPECT_EQ(
        TallyText(protocol, help, 400),
        "<a href=\"\" ONMOUSEOVER=\"pop('G - egész válasz jelölése','Az egész foltra adott &Prime;jó&Prime; "
        "válasz.<BR>','lightgreen')\"; ONMOUSEOUT=\"kill()\">G</A></B> = <a href=\"\" ONMOUSEOVER=\"pop('G "
        "értelmezése értelmezése','Áttekintés.<BR>','yellow')\"; ONMOUSEOUT=\"kill()\">2</A></B>");
}

TEST(SignPopup, ASubVariantCountsAsItsParent) {
    auto protocol = WithAnswers(Answers({{1, {1492}}}));
    EXPECT_FALSE(SignPopupLink(protocol, {}, 1492, PopupKind::Scoring).empty());
    EXPECT_EQ(SignPopupClose(protocol, 1492), "</A></B>");
    EXPECT_NE(SignPopupLink(protocol, {}, 1492, PopupKind::Scoring).find("'FH jelölése'"), std::string::npos)
        << "a sign without help text is titled by its name";
}

TEST(ExaminationSheet, DeclaresItsCharsetAndHasTheStandardPopupBranch) {
    auto lines = Sheet(WithAnswers(Repeated(3, 401)));
    EXPECT_EQ(lines[0], "<HTML><HEAD>");
    EXPECT_EQ(lines[1], "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">");
    EXPECT_TRUE(Has(lines, "  { document.getElementById(\"topdeck\").innerHTML = content;"));
    EXPECT_TRUE(Has(lines, "  { document.all(\"topdeck\").innerHTML = content;"));
    EXPECT_TRUE(Has(lines, "<TD>Dd = 0</TD>"));
    EXPECT_TRUE(Has(lines, "&Eacute;T-2:<BR>"));
    EXPECT_EQ(lines.back(), "</BODY></HTML>");
}

TEST(ExaminationSheet, CardTimesTotalAndTimePerAnswer) {
    auto protocol = WithAnswers(Repeated(10, 401));
    protocol.cardTime(1).cardMinutes = 3;
    protocol.cardTime(1).cardSeconds = 50;
    protocol.cardTime(2).cardMinutes = 2;
    protocol.cardTime(2).cardSeconds = 20;
    auto lines = Sheet(protocol);
    EXPECT_TRUE(Has(lines, "<TD>&Ouml;sszid&odblac; = 6 perc 10 mp </TD>"));
    EXPECT_TRUE(Has(lines, "<TD>Id&odblac;/fsz&aacute;m = 37 sec </TD>"));
    auto none = Sheet(Protocol{});
    EXPECT_TRUE(Has(none, "<TD>Id&odblac;/fsz&aacute;m = 0 sec </TD>")) << "no answers: 0";
}

TEST(ExaminationSheet, PersonalDataEncodedAndEscaped) {
    auto protocol = WithAnswers(Repeated(1, 401));
    protocol.personal.name = "Őry Ödön <b>";
    protocol.personal.clinicalQuestions = "Szorongás?*Depresszió?*";
    auto lines = Sheet(protocol);
    EXPECT_TRUE(Has(
        lines, "<TR><TD>N&eacute;v: &Odblac;ry &Ouml;d&ouml;n &lt;b&gt;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
               "&nbsp;&nbsp;&nbsp;</TD>"));
    EXPECT_TRUE(Has(lines, "<TR><TD>Klin. k&eacute;rd&eacute;sek: Szorong&aacute;s?, Depresszi&oacute;?, "
                           "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</TD>"));
}

TEST(ExaminationSheet, ConstellationAndSpecialReactionLines) {
    auto lines = Sheet(WithAnswers(Answers({{1, {109}}, {2, {195}}}) + Repeated(3, 401)));
    EXPECT_TRUE(Has(lines, "</TD><TD>2 / 0 / dg.: <B>prefer&aacute;lt</B></TD>"));
    EXPECT_TRUE(Has(lines, "</TD><TD>0 / 0 / dg.: nem prefer&aacute;lt</TD>"));
    EXPECT_TRUE(Has(lines, "</TD><TD>dg.: </TD>"));
    EXPECT_TRUE(Has(lines, "Annull&aacute;l&aacute;s = 1<BR>") == false)
        << "names of special reactions are not encoded";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find(">Annullálás</A></B> = ") != std::string::npos && l.substr(l.size() - 4) == "<BR>";
    }));
}

TEST(ProtocolPage, OneTablePerRunOfACard) {
    auto page = [](std::vector<int> cards) {
        std::vector<ScoredAnswer> answers;
        for (int card : cards) {
            answers.push_back({card, {401}});
        }
        return WriteProtocolPage(WithAnswers(answers), AnswerTexts{}, {});
    };
    auto count = [](const Lines& lines, std::string_view prefix) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    auto same = page({1, 1, 1, 2});
    EXPECT_EQ(count(same, "<P><TABLE width=\"100%\">"), 2);
    EXPECT_EQ(count(same, "</TABLE>"), 1) << "the last table stays open";
    EXPECT_EQ(count(same, "<TR><TD><IMG SRC=\"PICTURES/1.jpg\"></TD>"), 1);
    EXPECT_EQ(count(same, "<TD align=\"center\" bgcolor = \"#e7ffff\" width=\"40%\">"), 4);
    auto back = page({1, 2, 1});
    EXPECT_EQ(count(back, "<TR><TD><IMG SRC=\"PICTURES/1.jpg\"></TD>"), 2);
    EXPECT_EQ(count(back, "<P><TABLE width=\"100%\">"), 3);
    EXPECT_TRUE(
        Has(back, "<TD align=\"center\" bgcolor = \"#e7ffff\" width=\"40%\">2. felelet az II. táblán</TD>"));
    auto none = page({0, 0});
    EXPECT_EQ(none.back(), "<P></BODY></HTML>");
    EXPECT_EQ(count(none, "<P><TABLE"), 0);
}

TEST(ProtocolPage, AnswerTextsAreShownAsTypedAndSignsListed) {
    auto protocol = WithAnswers(Answers({{1, {400, 301, 293}}, {1, {401}}}));
    AnswerTexts texts;
    texts[0] = {"<b>denevér</b> & lepke"};
    auto lines = WriteProtocolPage(protocol, texts, {});
    EXPECT_TRUE(Has(lines, "&lt;b&gt;denevér&lt;/b&gt; &amp; lepke"));
    auto second =
        std::find(lines.begin(), lines.end(),
                  "<TD align=\"center\" bgcolor = \"#e7ffff\" width=\"40%\">2. felelet az I. táblán</TD>");
    ASSERT_NE(second, lines.end());
    EXPECT_EQ(*(second + 6), "<TR><TD bgcolor = \"#ffede7\">");
    EXPECT_EQ(*(second + 7), "</TD>") << "an answer without text";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l == "<TD bgcolor = \"#ffede7\">V-1</A><BR></TD>";
    })) << "the frequency column has no anchors";
}

TEST(Glossary, EntriesAndSeparator) {
    auto protocol = WithAnswers(Repeated(3, 345));
    auto help = HelpWith(345, "", "Emberi tartalom*Érdeklődés az emberek iránt.*");
    auto lines = BuildGlossary(protocol, help);
    EXPECT_EQ(lines[0], "FT: ");
    auto at = std::find(lines.begin(), lines.end(), "M: 3");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "Emberi tartalom");
    EXPECT_EQ(*(at + 2), "Érdeklődés az emberek iránt.");
    EXPECT_EQ(*(at + 3), "----------------------------");
    EXPECT_TRUE(Has(lines, "Feleletszám: 3"));
    EXPECT_EQ(BuildGlossary(protocol, help), lines) << "built anew, not appended";

    Protocol empty;
    EXPECT_EQ(BuildGlossary(empty, help), (Lines{"FT: "}));
}

TEST(HelpPages, EveryCodeOfBothFolders) {
    test::TempDir dir;
    InstallPaths paths(dir / "quelva");
    auto help = HelpWith(345, "M jelölése*", "M*második sor*maradék");
    ASSERT_FALSE(RegenerateHelpPages(paths, help));
    for (const auto& folder : {paths.InterpretationHelpPagesFolder(), paths.ScoringHelpPagesFolder()}) {
        EXPECT_EQ(
            std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()),
            407);
    }
    auto page = SplitLines(test::ReadBytes(paths.InterpretationHelpPagesFolder() / "345.html"));
    ASSERT_EQ(page.size(), 5u);
    EXPECT_EQ(page[1], "M<BR>");
    EXPECT_EQ(page[2], "m\xE1sodik sor<BR>");
    EXPECT_EQ(page[3].rfind("forr\xE1s: ", 0), 0u);
    EXPECT_EQ(SplitLines(test::ReadBytes(paths.ScoringHelpPagesFolder() / "90.html")).size(), 3u);
}

TEST(HelpPages, AFolderThatCannotBeWrittenNamesThePage) {
    test::TempDir dir;
    test::WriteBytes(dir / "quelva" / "html" / "ertelmez", "nem mappa");
    InstallPaths paths(dir / "quelva");
    auto failed = RegenerateHelpPages(paths, {});
    ASSERT_TRUE(failed);
    EXPECT_NE(failed->find("90.html"), std::string::npos);
}

// Each page is replaced on its own: a run that fails part way leaves every page whole, the new
// ones before the failure and the earlier ones after it, and names the page it stopped at.
TEST(HelpPages, ARunFailingPartWayLeavesEveryPageWholeAndNamesWhereItStopped) {
    test::TempDir dir;
    InstallPaths paths(dir / "quelva");
    for (const auto& folder : {paths.InterpretationHelpPagesFolder(), paths.ScoringHelpPagesFolder()}) {
        for (const char* page : {"90.html", "345.html", "496.html"}) {
            test::WriteBytes(folder / page, "egy korábbi oldal\r\n");
        }
    }
    auto help = HelpWith(345, "M jelölése*", "M*második sor*");
    // Writing every page takes seconds: fail at the first byte, and among the first pages, after
    // the new 90.html and before the earlier 345.html and 496.html.
    test::ExpectFailedWritesLeaveWholeFiles(
        dir.Path(), [&] { return !RegenerateHelpPages(paths, help); }, test::AfterFailure::EachFileOldOrNew,
        [](std::size_t total) {
            return std::vector<std::size_t>{0, total / 8};
        });

    test::FailWritesAfter failing(1);
    auto failed = RegenerateHelpPages(paths, help);
    ASSERT_TRUE(failed);
    EXPECT_EQ(*failed, failing.Targets().back().string());
    EXPECT_EQ(*failed, (paths.InterpretationHelpPagesFolder() / "90.html").string());
}

} // namespace
} // namespace quelvarin::reports
