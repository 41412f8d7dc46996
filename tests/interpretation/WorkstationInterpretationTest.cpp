#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;
namespace fs = std::filesystem;

TEST(WorkstationInterpretation, WritesTheFileAndReturnsItsLines) {
    TestStation ws;
    ws->files.NewProtocol("minta_1");
    ws.AnswerOnCard(1, 1);
    ASSERT_EQ(ws->scoring.ClickSignBox(400).outcome, EntryOutcome::Entered);
    auto lines = ws->reports.WriteInterpretation();
    ASSERT_TRUE(lines);
    auto file = ws.root / "aktualis" / "Szov_Ert.txt";
    auto bytes = test::ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, 23), "Az F%-ok jelent\xE9s\xE9hez\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "V\xE9ge\r\n");
    EXPECT_EQ(SplitLines(DecodeCp1250(bytes)), *lines);
    EXPECT_EQ(ws->reports.InterpretationTitle(), "Szöveges értelmezés: minta_1");
}

TEST(WorkstationInterpretation, WithoutEffectiveAnswersTheEarlierFileStays) {
    TestStation ws;
    auto file = ws.root / "aktualis" / "Szov_Ert.txt";
    test::WriteBytes(file, "korábbi\r\n");
    ws.AnswerOnCard(1, 1);
    ASSERT_EQ(ws->scoring.ChooseSpecialReactionRow("Versagen").outcome, EntryOutcome::Entered);
    EXPECT_FALSE(ws->reports.WriteInterpretation());
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{"Nincs értékelhető felelet, szöveges értelmezés nem készült."}));
    EXPECT_EQ(test::ReadBytes(file), "korábbi\r\n");
}

TEST(WorkstationInterpretation, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    TestStation ws;
    // The folder's place is taken by a file: the interpretation cannot be written.
    test::WriteBytes(ws.root / "aktualis", "nem mappa");
    ws.AnswerOnCard(1, 1);
    EXPECT_FALSE(ws->reports.WriteInterpretation());
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("Szov_Ert.txt"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(ws.root / "aktualis"), "nem mappa");
}

} // namespace
} // namespace quelvarin
