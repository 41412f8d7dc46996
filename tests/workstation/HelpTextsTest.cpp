#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

void WriteHelpFiles(const std::filesystem::path& root) {
    std::string scoring, interpretation;
    for (int code = 0; code < 498; ++code) {
        scoring += code == 400 ? "Egész válasz.*Az egész foltra.*\r\n" : "\r\n";
        interpretation += code == 400 ? "Absztrakt gondolkodás.*\r\n" : "\r\n";
    }
    test::WriteBytes(root / "jelol.dbf", EncodeCp1250(scoring));
    test::WriteBytes(root / "ert.dbf", EncodeCp1250(interpretation));
}

TEST(HelpTexts, AHoverLoadsEachSignOnce) {
    TestStation first;
    WriteHelpFiles(first.root);
    TestStation ws(first.root); // the help files are read at start

    auto texts = ws->help.PointAtSign(400);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->scoring, (std::vector<std::string>{"Egész válasz.", "Az egész foltra."}));
    EXPECT_EQ(texts->interpretation, (std::vector<std::string>{"Absztrakt gondolkodás."}));
    EXPECT_FALSE(ws->help.PointAtSign(400)) << "the same sign again loads nothing";
    ws->help.ForgetShownHelp();
    EXPECT_TRUE(ws->help.PointAtSign(400));
}

TEST(HelpTexts, AClickOnAColumnEntryLoadsItsSign) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    ws->scoring.ChooseVulgarRow("V-1");
    auto texts = ws->help.ClickColumnEntry(SignColumn::Locations, 0);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->code, 400);
    EXPECT_FALSE(ws->help.ClickColumnEntry(SignColumn::Frequencies, 0)) << "the frequency column has no help";
}

TEST(HelpTexts, StoresTheTextOfTheSignShownLast) {
    TestStation ws;
    ws->help.PointAtSign(260);
    ASSERT_TRUE(ws->help.StoreScoringHelp({"Kártya-visszautasítás.", ""}));
    auto lines = ReadLineFile(ws.root / "jelol.dbf");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 498u);
    EXPECT_EQ((*lines)[260], "Kártya-visszautasítás.**");
    EXPECT_EQ(ws->help.HelpTextsOf(260).scoring, (std::vector<std::string>{"Kártya-visszautasítás.", ""}));
    EXPECT_FALSE(std::filesystem::exists(ws.root / "ert.dbf")) << "only the edited file is written";
}

TEST(HelpTexts, StoringWithoutASignShownSaysSo) {
    TestStation ws;
    EXPECT_FALSE(ws->help.StoreInterpretationHelp({"x"}));
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{"Nincs kiválasztott jel, amelynek a súgóját menteni lehetne!"}));
}

TEST(HelpTexts, TheBoxHintShowsTheCounter) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(345);
    ws->scoring.ClickSignBox(345);
    EXPECT_EQ(ws->help.SignBoxHint(345), " összesen 2 ");
    EXPECT_EQ(ws->help.SignBoxHint(346), " összesen 0 ");
}

} // namespace
} // namespace quelvarin
