#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"
#include "support/SessionTestAccess.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;
namespace fs = std::filesystem;

TEST(WorkstationPages, TheSheetStoresTheSensitivityParanoiaFiguresAndIsWritten) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ASSERT_EQ(ws->scoring.ChooseContentsRow("Szem").outcome, EntryOutcome::Entered);
    auto path = ws->reports.WriteExaminationSheet();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, ws.root / "html" / "aktualis.html");
    EXPECT_EQ(ws->session.CurrentProtocol().counts[416], 1);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[417], 1);
    auto lines = SplitLines(DecodeCp1250(test::ReadBytes(*path)));
    EXPECT_EQ(lines.back(), "</BODY></HTML>");
}

TEST(WorkstationPages, TheProtocolPageLeavesAnswer90SelectedWithoutACardChoice) {
    TestStation ws;
    ws.AnswerOnCard(1, 3);
    ASSERT_EQ(ws->scoring.ClickSignBox(400).outcome, EntryOutcome::Entered);
    test::WriteBytes(ws.root / "aktualis" / "1.txt", "egy denev\xE9r\r\n");
    auto path = ws->reports.WriteProtocolPage();
    ASSERT_TRUE(path);
    auto text = DecodeCp1250(test::ReadBytes(*path));
    EXPECT_NE(text.find("\r\negy denevér\r\n"), std::string::npos) << "the text of the answer text file";
    // The last answer stays selected, as the page's walk over the answers left it, and its
    // card is not asked for.
    EXPECT_EQ(ws->session.CurrentAnswer(), 90);
    EXPECT_FALSE(ws->scoring.CardChoiceWanted());
    EXPECT_TRUE(ws->scoring.SelectAnswer(5)) << "afterwards an answer without a card asks for one again";
}

TEST(WorkstationPages, AnUnwritablePageIsReported) {
    TestStation ws;
    test::WriteBytes(ws.root / "html", "nem mappa");
    EXPECT_FALSE(ws->reports.WriteExaminationSheet());
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("aktualis.html"), std::string::npos);
}

TEST(WorkstationPages, GlossaryCountsTheAnswersAndHelpPagesSayWhenDone) {
    TestStation ws;
    SessionTestAccess::ProtocolOf(ws->session).answer(1).card = 2; // not yet counted
    auto lines = ws->reports.BuildGlossary();
    EXPECT_EQ(ws->session.CurrentProtocol().counts[397], 1);
    EXPECT_EQ(lines[1], "Feleletszám: 1");
    EXPECT_EQ(ws->reports.GlossaryTitle(), "Mechanikus szószedet: ");
    EXPECT_TRUE(ws->reports.RegenerateHelpPages());
    EXPECT_EQ(ws.notifier.Messages().back(), "A HTML rendszer frissítése befejeződött.");
    EXPECT_TRUE(fs::exists(ws.root / "html" / "jelol" / "496.html"));
}

} // namespace
} // namespace quelvarin
