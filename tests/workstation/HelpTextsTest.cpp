#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"

#include <functional>
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

// An edit not yet stored is not lost when the pointer crosses another sign: the examiner is
// asked, and a yes stores it as the help of the sign it was written for.
TEST(HelpTexts, AnEditNotYetStoredIsOfferedBeforeAnotherSignIsShown) {
    struct Case {
        const char* what;
        bool yes;
        std::function<void(TestStation&)> next;
    };
    const Case cases[] = {
        {"hover, stored", true, [](TestStation& ws) { ws->help.PointAtSign(401); }},
        {"hover, dropped", false, [](TestStation& ws) { ws->help.PointAtSign(401); }},
        {"empty part of a page", true, [](TestStation& ws) { ws->help.ForgetShownHelp(); }},
        {"click in HelpEditMode", true,
         [](TestStation& ws) {
             ws->help.SetHelpEditMode(true);
             ws->scoring.ClickSignBox(345);
         }},
    };
    for (const auto& c : cases) {
        TestStation ws;
        ws->help.PointAtSign(400);
        ws->help.EditHelp(HelpFile::Interpretation, {"Új értelmezés."});
        ws.notifier.QueueAnswer(c.yes);
        c.next(ws);
        EXPECT_EQ(ws.notifier.Questions(),
                  (std::vector<std::string>{
                      "A(z) „G” jel súgóját módosította, de még nem mentette. Elmenti most?"}))
            << c.what;
        EXPECT_EQ(ws->help.HelpTextsOf(400).interpretation,
                  c.yes ? std::vector<std::string>{"Új értelmezés."} : std::vector<std::string>{})
            << c.what;
        EXPECT_TRUE(ws->help.HelpTextsOf(400).scoring.empty()) << c.what << ": only the edited file";
        ws->help.PointAtSign(402);
        EXPECT_EQ(ws.notifier.Questions().size(), 1u) << c.what << ": asked once";
    }
}

TEST(HelpTexts, AStoredEditIsNotOfferedAgain) {
    TestStation ws;
    ws->help.PointAtSign(400);
    ws->help.EditHelp(HelpFile::Scoring, {"Egész."});
    ASSERT_TRUE(ws->help.StoreScoringHelp({"Egész."}));
    ws->help.PointAtSign(401);
    EXPECT_TRUE(ws.notifier.Questions().empty());
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
