#include "model/ProtocolFile.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
using test::TestStation;

std::string ScoredBytes() {
    auto scored = test::ScoredProtocol();
    return SerializeProtocol(scored.protocol, scored.texts);
}

void WriteAnswerTexts(TestStation& ws, const std::string& text) {
    for (int n = 1; n <= 90; ++n) {
        test::WriteBytes(ws.root / "aktualis" / (std::to_string(n) + ".txt"), text);
    }
}

TEST(Lifecycle, StartUpLeavesThePreviousRunsTextsAlone) {
    TestStation ws;
    WriteAnswerTexts(ws, "előző futás\r\n");
    TestStation again(ws.root);
    EXPECT_FALSE(again->session.CurrentAnswer().has_value());
    EXPECT_EQ(again->session.CurrentCard(), 1);
    EXPECT_FALSE(again->session.ProtocolStarted());
    EXPECT_EQ(again->session.CurrentProtocol().personal.date, "");
    EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "90.txt"), "előző futás\r\n");
}

TEST(Lifecycle, NewProtocolResetsAndDeletesTheAnswerTexts) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    WriteAnswerTexts(ws, "régi\r\n");
    ws->files.NewProtocol("minta");
    const auto& protocol = ws->session.CurrentProtocol();
    EXPECT_EQ(protocol.personal.code, "minta");
    EXPECT_EQ(protocol.personal.date, TestStation::kToday);
    EXPECT_EQ(protocol.counts[400], 0);
    EXPECT_EQ(protocol.answer(1).card, 0);
    EXPECT_TRUE(ws->session.ProtocolStarted());
    EXPECT_FALSE(ws->session.CurrentAnswer().has_value());
    EXPECT_TRUE(ws->session.Columns().Entries(SignColumn::Locations).empty());
    for (int n = 1; n <= 90; ++n) {
        EXPECT_FALSE(fs::exists(ws.root / "aktualis" / (std::to_string(n) + ".txt"))) << n;
    }
}

TEST(LoadProtocol, InstallsTheFileWritesEveryTextAndRefreshes) {
    TestStation ws;
    test::WriteBytes(ws.root / "aktualis" / "50.txt", "az előző jegyzőkönyv szövege\r\n");
    // A file saved before its answer counts were taken carries stale counts; a load retakes them.
    auto bytes = test::ProtocolBytesWithLine(ScoredBytes(), 56 + 397 - 109, "0");
    test::WriteBytes(ws.dir / "k.qvl", bytes);
    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "k.qvl"));
    EXPECT_TRUE(ws.notifier.Messages().empty());

    const auto& protocol = ws->session.CurrentProtocol();
    EXPECT_EQ(protocol.personal.name, "Kovács Ödön");
    EXPECT_EQ(protocol.counts[397], 5);
    EXPECT_EQ(protocol.counts[398], 3);
    EXPECT_EQ(protocol.counts[399], 2);
    EXPECT_EQ(protocol.counts[413], 40);
    EXPECT_EQ(ws->session.Figures().answersPerCard, (std::array<int, 10>{2, 0, 1, 0, 0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(ws->session.LastRefresh(), refresh::kProtocolLoaded);
    EXPECT_TRUE(ws->session.ProtocolStarted());

    EXPECT_EQ(ws->session.CurrentAnswer(), 1);
    EXPECT_EQ(ws->session.CurrentCard(), 1);
    EXPECT_EQ(ws->session.Columns().Entries(SignColumn::Locations), (std::vector<std::string>{"G"}));

    EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "2.txt"), "K\xE9t ember,\r\n\r\nakik t\xE1ncolnak.\r\n");
    EXPECT_FALSE(fs::exists(ws.root / "aktualis" / "50.txt"))
        << "an answer without text keeps no file, not the previous protocol's";
    EXPECT_TRUE(ws->session.AnswerTextOf(50).empty());
    // Only an item whose counter is exactly 1 is ticked.
    EXPECT_TRUE(ws->indices.SupplementaryChecks()[2]);
    EXPECT_FALSE(ws->indices.SupplementaryChecks()[3]);
}

TEST(LoadProtocol, AnswerOneWithoutACardAsksForTheCard) {
    TestStation ws;
    test::WriteBytes(ws.dir / "uj.qvl", [] {
        Protocol fresh;
        ResetToNewProtocol(fresh, "2026.12.10.");
        return SerializeProtocol(fresh, AnswerTexts{});
    }());
    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "uj.qvl"));
    EXPECT_TRUE(ws->scoring.CardChoiceWanted());
}

TEST(LoadProtocol, LoadThenSaveGivesTheSameBytes) {
    TestStation ws;
    auto bytes = ScoredBytes();
    test::WriteBytes(ws.dir / "be.qvl", bytes);
    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "be.qvl"));
    ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "ki.qvl"));
    EXPECT_EQ(test::FirstDifference(test::ReadBytes(ws.dir / "ki.qvl"), bytes), "");
}

TEST(LoadProtocol, AnEducationOutsideTheListIsEmptiedWithAMessage) {
    TestStation ws;
    test::WriteBytes(ws.dir / "e.qvl", test::ProtocolBytesWithLine(ScoredBytes(), 12, "egyetem"));
    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "e.qvl"));
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Csak a listáról választhat!"}));
    EXPECT_EQ(ws->session.CurrentProtocol().personal.education, "");
}

// A rejected file leaves the current protocol and its answer texts exactly as they were.
TEST(LoadProtocol, ARejectedFileChangesNothing) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    };
    auto good = ScoredBytes();
    const Case cases[] = {
        {"magic", test::ProtocolBytesWithLine(good, 0, "Quelvarin_Win32 "), "Ez nem Quelvarin állomány!!!"},
        {"truncated", good.substr(0, good.size() / 2), ""},
        {"not a number", test::ProtocolBytesWithLine(good, 500, "hét"), ""},
    };
    for (const auto& c : cases) {
        TestStation ws;
        ws.AnswerOnCard(7, 2);
        ws->scoring.ClickSignBox(402);
        WriteAnswerTexts(ws, "megtartandó\r\n");
        auto before = ws->session.CurrentProtocol();
        auto path = ws.dir / "rossz.qvl";
        test::WriteBytes(path, c.bytes);

        EXPECT_FALSE(ws->files.LoadProtocol(path)) << c.name;
        ASSERT_EQ(ws.notifier.Messages().size(), 1u) << c.name;
        if (!c.message.empty()) {
            EXPECT_EQ(ws.notifier.Messages()[0], c.message);
        } else {
            EXPECT_NE(ws.notifier.Messages()[0].find(path.string()), std::string::npos) << "names the file";
            EXPECT_NE(ws.notifier.Messages()[0].find(". sor: "), std::string::npos) << "names the line";
        }
        EXPECT_EQ(ws->session.CurrentProtocol().answers, before.answers) << c.name;
        EXPECT_EQ(ws->session.CurrentProtocol().counts, before.counts) << c.name;
        EXPECT_EQ(ws->session.CurrentAnswer(), 7);
        EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "1.txt"), "megtartandó\r\n") << c.name;
    }
}

TEST(LoadProtocol, NonNumericLineIsReportedCountedFromOne) {
    TestStation ws;
    test::WriteBytes(ws.dir / "r.qvl", test::ProtocolBytesWithLine(ScoredBytes(), 500, "hét"));
    ws->files.LoadProtocol(ws.dir / "r.qvl");
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find(" 501. sor: "), std::string::npos) << ws.notifier.Messages()[0];
}

TEST(LoadProtocol, AnUnreadableFile) {
    TestStation ws;
    EXPECT_FALSE(ws->files.LoadProtocol(ws.dir / "nincs.qvl"));
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("nincs.qvl"), std::string::npos);
}

TEST(SaveProtocol, GathersTheAnswerTextFiles) {
    TestStation ws;
    ws->files.NewProtocol();
    test::WriteBytes(ws.root / "aktualis" / "3.txt", "egy\r\n\r\nh\xE1rom\r\n");
    test::WriteBytes(ws.root / "aktualis" / "4.txt", "LF\nsorok\n");
    ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "ki.qvl"));
    auto lines = SplitLines(test::ReadBytes(ws.dir / "ki.qvl"));
    EXPECT_EQ(lines[3434 + 2], "egy**h\xE1rom*");
    EXPECT_EQ(lines[3434 + 3], "LF*sorok*");
    EXPECT_EQ(lines[3434], "") << "a missing text file is an empty text";
}

TEST(SaveProtocol, AFailedSaveKeepsTheOldFile) {
    TestStation ws;
    ws->files.NewProtocol();
    auto target = ws.dir / "foglalt";
    test::WriteBytes(target / "bent.txt", "x");
    EXPECT_FALSE(ws->files.SaveProtocol(target));
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("nem írható"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(target / "bent.txt"), "x");
}

} // namespace
} // namespace quelvarin
