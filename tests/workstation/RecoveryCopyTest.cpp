#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "support/EventRecorder.h"
#include "support/ProtocolBuilder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::TestStation;

fs::path RecoveryFile(const TestStation& ws) {
    return ws.root / "aktualis" / "mentetlen.qvl";
}

// The protocol in the recovery copy, as a load would read it.
ParsedProtocol Recovered(const TestStation& ws) {
    auto bytes = ReadFileBytes(RecoveryFile(ws));
    EXPECT_TRUE(bytes);
    auto parse = ParseProtocol(bytes.value_or(""));
    EXPECT_TRUE(parse);
    return parse ? std::move(*parse.parsed) : ParsedProtocol{};
}

TEST(RecoveryCopy, WrittenASecondAfterAChangeWithTheBurstCoalesced) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    auto& files = ws->files;
    EXPECT_TRUE(fs::exists(RecoveryFile(ws)) == false);
    ws.clock.Advance(300ms);
    ws->scoring.ClickSignBox(400);
    ws.clock.Advance(400ms);
    EXPECT_FALSE(files.WriteRecoveryCopyIfDue()) << "a second has not passed since the first change";
    ws->scoring.ClickSignBox(401);
    ws.clock.Advance(300ms); // one second after the first change of the burst
    EXPECT_TRUE(files.WriteRecoveryCopyIfDue());
    EXPECT_FALSE(files.WriteRecoveryCopyIfDue()) << "nothing new since";
    auto recovered = Recovered(ws);
    EXPECT_EQ(recovered.protocol.answer(1).slots[0], 400);
    EXPECT_EQ(recovered.protocol.answer(1).slots[1], 401);
    EXPECT_TRUE(ws.notifier.Messages().empty());
}

TEST(RecoveryCopy, NothingIsWrittenWhileNothingChanged) {
    TestStation ws;
    ws->scoring.SelectAnswer(3, CardChoice::HeldBack);
    ws->help.PointAtSign(400);
    ws.clock.Advance(5s);
    EXPECT_FALSE(ws->files.WriteRecoveryCopyIfDue());
    EXPECT_FALSE(ws->files.WriteRecoveryCopy());
    EXPECT_FALSE(fs::exists(RecoveryFile(ws)));
}

TEST(RecoveryCopy, SavingOpeningNewAndACleanEndRemoveIt) {
    struct Case {
        const char* end;
        std::function<void(TestStation&)> run;
    };
    const Case cases[] = {
        {"save", [](TestStation& ws) { ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "a.qvl")); }},
        {"new protocol", [](TestStation& ws) { ws->files.NewProtocol(); }},
        {"open",
         [](TestStation& ws) {
             test::WriteBytes(ws.dir / "b.qvl", SerializeProtocol(test::ScoredProtocol().protocol, {}));
             ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "b.qvl"));
         }},
        {"clean end", [](TestStation& ws) { ws->files.EndCleanly(); }},
        {"discarded", [](TestStation& ws) { ws->files.DiscardRecoveryCopy(); }},
    };
    for (const auto& c : cases) {
        TestStation ws;
        ws->personal.SetField(PersonalField::Name, "Valaki");
        ASSERT_TRUE(ws->files.WriteRecoveryCopy()) << c.end;
        ASSERT_TRUE(fs::exists(RecoveryFile(ws))) << c.end;
        c.run(ws);
        EXPECT_FALSE(fs::exists(RecoveryFile(ws))) << c.end;
        EXPECT_FALSE(ws->files.RecoveryCopyExists()) << c.end;
        ws.clock.Advance(2s);
        EXPECT_FALSE(ws->files.WriteRecoveryCopyIfDue()) << c.end << ": nothing is pending afterwards";
    }
}

// The workstation started again after a crash finds the copy and takes it up as an opened
// protocol that is still unsaved, with its answer texts.
TEST(RecoveryCopy, TakenUpAfterACrashWithItsTexts) {
    TestStation first;
    first.AnswerOnCard(2, 7);
    first->scoring.ClickSignBox(403);
    first->scoring.StoreAnswerText(2, {"Két kutya,", "orrukat összeérintik."});
    first.clock.Advance(1s);
    ASSERT_TRUE(first->files.WriteRecoveryCopyIfDue());
    first->scoring.ClickSignBox(400); // the last second's work, not yet in the copy

    TestStation again(first.root);
    ASSERT_TRUE(again->files.RecoveryCopyExists());
    test::EventRecorder events(again->session);
    ASSERT_TRUE(again->files.RestoreRecoveryCopy());
    const auto& protocol = again->session.CurrentProtocol();
    EXPECT_EQ(protocol.answer(2).card, 7);
    EXPECT_EQ(protocol.answer(2).slots[0], 403);
    EXPECT_EQ(protocol.answer(2).slots[1], 0);
    EXPECT_EQ(again->session.AnswerTextOf(2), (AnswerText{"Két kutya,", "orrukat összeérintik."}));
    EXPECT_TRUE(again->session.Modified()) << "nothing of it is saved yet";
    auto raised = events.Take();
    EXPECT_NE(std::find(raised.begin(), raised.end(), "replaced: recovered"), raised.end());
    ASSERT_FALSE(raised.empty());
    EXPECT_EQ(raised.back(), "modified on");
    EXPECT_TRUE(again->files.RecoveryCopyExists()) << "kept until the protocol is saved";
}

TEST(RecoveryCopy, ADamagedCopyIsRefusedAndTheProtocolStays) {
    TestStation ws;
    test::WriteBytes(RecoveryFile(ws), "Quelvarin_Win32\r\nfél sor");
    ASSERT_TRUE(ws->files.RecoveryCopyExists());
    EXPECT_FALSE(ws->files.RestoreRecoveryCopy());
    EXPECT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_EQ(ws->session.CurrentProtocol().personal.date, "") << "still the start-up protocol";
}

TEST(RecoveryCopy, AFailedWriteIsSaidOnceAndTheProtocolStays) {
    TestStation ws;
    fs::create_directories(RecoveryFile(ws)); // a folder where the copy should go
    ws->personal.SetField(PersonalField::Name, "Valaki");
    EXPECT_FALSE(ws->files.WriteRecoveryCopy());
    ws->personal.SetField(PersonalField::Name, "Más");
    EXPECT_FALSE(ws->files.WriteRecoveryCopy());
    ASSERT_EQ(ws.notifier.Messages().size(), 1u);
    EXPECT_NE(ws.notifier.Messages()[0].find("mentetlen.qvl"), std::string::npos);
    EXPECT_EQ(ws->session.CurrentProtocol().personal.name, "Más");
}

TEST(RecoveryCopy, TheCommandLineKeepsNone) {
    RecordingNotifier notifier;
    MemoryAnswerTextStore texts;
    SilentSoundPlayer sound;
    FixedClock clock("2026.12.10.");
    NoFileChooser chooser;
    test::TempDir dir;
    Workstation station({InstallPaths(dir.Path()), notifier, texts, sound, clock, chooser},
                        ProtocolFilesDesk::Recovery::Off);
    station.personal.SetField(PersonalField::Name, "Valaki");
    clock.Advance(2s);
    EXPECT_FALSE(station.files.WriteRecoveryCopyIfDue());
    EXPECT_FALSE(station.files.RecoveryCopyExists());
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

// A real process killed without warning after a change: what the copy holds is the work up to
// a second before the kill.
TEST(RecoveryCopy, AProcessKilledAfterAChangeLosesAtMostTheLastSecond) {
    test::TempDir dir;
    auto root = dir / "quelva";
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        RecordingNotifier notifier;
        FileAnswerTextStore texts{InstallPaths(root)};
        SilentSoundPlayer sound;
        SystemClock clock;
        NoFileChooser chooser;
        Workstation station({InstallPaths(root), notifier, texts, sound, clock, chooser},
                            ProtocolFilesDesk::Recovery::Kept);
        station.scoring.SelectAnswer(1);
        station.scoring.ChooseCard(5);
        station.scoring.ClickSignBox(401);
        // The window's timer, ticking until the change is written.
        while (!station.files.WriteRecoveryCopyIfDue()) {
            std::this_thread::sleep_for(50ms);
        }
        station.scoring.ClickSignBox(402);
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    TestStation again(root);
    ASSERT_TRUE(again->files.RestoreRecoveryCopy());
    const auto& answer = again->session.CurrentProtocol().answer(1);
    EXPECT_EQ(answer.card, 5);
    EXPECT_EQ(answer.slots[0], 401);
    EXPECT_EQ(answer.slots[1], 0) << "the change of the last second was not yet written";
}

} // namespace
} // namespace quelvarin
