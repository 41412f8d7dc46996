#include "workstation/TopicHelp.h"

#include "platform/RecordingNotifier.h"
#include "support/EventRecorder.h"
#include "support/ProtocolBuilder.h"
#include "support/TempDir.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>
#include <set>

namespace quelvarin {
namespace {
namespace fs = std::filesystem;

using Messages = std::vector<std::string>;

TEST(TopicHelp, TheSixteenTopicsEachHaveTheirOwnFile) {
    auto topics = Topics();
    ASSERT_EQ(topics.size(), 16u);
    std::set<std::string_view> files;
    std::set<std::string_view> titles;
    for (const auto& topic : topics) {
        EXPECT_TRUE(topic.file.ends_with(".hlp")) << topic.file;
        EXPECT_FALSE(topic.title.empty()) << topic.file;
        files.insert(topic.file);
        titles.insert(topic.title);
    }
    EXPECT_EQ(files.size(), 16u);
    EXPECT_EQ(titles.size(), 16u);
    EXPECT_EQ(topics.front().title, "Klinikai kérdések a személyi adatokban");
    EXPECT_EQ(topics.front().file, "klinkerd.hlp");
    EXPECT_EQ(topics.back().title, "különleges reakciók");
    EXPECT_EQ(topics.back().file, "kulre.hlp");
}

TEST(TopicHelp, WindowsFindTheirTopicByFile) {
    struct Case {
        std::string_view file;
        std::string_view title;
    };
    // The layout dialogs' files keep their capitals: the root may lie on a case-sensitive disk.
    const Case cases[] = {
        {"szei.hlp", "SZEI"},
        {"KonfBe.hlp", "Személyes konfiguráció betöltése"},
        {"KonfKi.hlp", "Konfiguráció mentése"},
        {"attetel.hlp", "Áttétel-skála (De Vos)"},
        {"ft.hlp", "felfogásmód"},
        {"det.hlp", "determinánsok"},
        {"tart.hlp", "tartalmak"},
        {"gyak.hlp", "vulgáris válaszok"},
        {"kulre.hlp", "különleges reakciók"},
    };
    for (const auto& c : cases) {
        auto topic = TopicOfFile(c.file);
        ASSERT_TRUE(topic) << c.file;
        EXPECT_EQ(topic->title, c.title);
        EXPECT_EQ(topic->file, c.file);
    }
    EXPECT_FALSE(TopicOfFile("konfbe.hlp"));
    EXPECT_FALSE(TopicOfFile(""));
}

TEST(TopicHelp, CaptionNamesTheTopic) {
    EXPECT_EQ(TopicHelpCaption("SZEI"), "súgó: SZEI");
    EXPECT_EQ(TopicHelpCaption("Áttétel-skála (De Vos)"), "súgó: Áttétel-skála (De Vos)");
}

struct TopicRoot {
    test::TempDir dir;
    InstallPaths paths{dir.Path()};
    RecordingNotifier notifier;
};

TEST(TopicHelp, WithoutEitherFileBothBoxesStartEmptyAndSavingCreatesTheNotes) {
    TopicRoot root;
    auto szei = TopicOfFile("szei.hlp");
    ASSERT_TRUE(szei);
    auto texts = ReadTopic(root.paths, *szei, root.notifier);
    EXPECT_TRUE(texts.notes.empty());
    EXPECT_TRUE(texts.help.empty());
    EXPECT_EQ(texts.notesFile, root.dir / "jegyzet" / "szei.hlp");
    EXPECT_EQ(texts.helpFile, root.dir / "help" / "szei.hlp");
    EXPECT_TRUE(root.notifier.Messages().empty()) << "a missing file is no failure";

    ASSERT_TRUE(SaveTopicFile(texts.notesFile, {"saját jegyzet"}, root.notifier));
    EXPECT_EQ(test::ReadBytes(root.dir / "jegyzet" / "szei.hlp"), "saj\xE1t jegyzet\r\n");
    EXPECT_FALSE(fs::exists(texts.helpFile)) << "only the saved box is written";
    EXPECT_EQ(ReadTopic(root.paths, *szei).notes, Lines{"saját jegyzet"});
}

TEST(TopicHelp, AccentedTextsComeBackAsTheyWereSaved) {
    TopicRoot root;
    const Topic topic = Topics()[0];
    const Lines notes = {"árvíztűrő tükörfúrógép", "", "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP  "};
    const Lines help = {"Ő és Ű: hosszú magánhangzók"};
    auto texts = ReadTopic(root.paths, topic);
    ASSERT_TRUE(SaveTopicFile(texts.notesFile, notes, root.notifier));
    ASSERT_TRUE(SaveTopicFile(texts.helpFile, help, root.notifier));
    auto again = ReadTopic(root.paths, topic);
    EXPECT_EQ(again.notes, notes);
    EXPECT_EQ(again.help, help);
    EXPECT_EQ(test::ReadBytes(texts.helpFile), "\xD5 \xE9s \xDB: hossz\xFA mag\xE1nhangz\xF3k\r\n");
}

TEST(TopicHelp, InstalledHelpWithLinefeedsIsRead) {
    TopicRoot root;
    test::WriteBytes(root.dir / "help" / "ft.hlp", "els\xF5\nm\xE1sodik\n");
    auto texts = ReadTopic(root.paths, *TopicOfFile("ft.hlp"));
    EXPECT_EQ(texts.help, (Lines{"első", "második"}));
    EXPECT_TRUE(texts.notes.empty());
}

TEST(TopicHelp, AFileThatCannotBeWrittenKeepsWhatWasThere) {
    TopicRoot root;
    auto topic = *TopicOfFile("neiger.hlp");
    auto texts = ReadTopic(root.paths, topic);
    test::WriteBytes(texts.notesFile / "régi.txt", "régi"); // a folder in the notes file's place
    test::WriteBytes(texts.helpFile, "r\xE9gi s\xFAg\xF3\r\n");

    EXPECT_FALSE(SaveTopicFile(texts.notesFile, {"új jegyzet"}, root.notifier));
    EXPECT_EQ(root.notifier.Messages(), Messages{messages::CannotWrite(texts.notesFile.string())});
    EXPECT_EQ(test::ReadBytes(texts.notesFile / "régi.txt"), "régi");
    EXPECT_EQ(ReadTopic(root.paths, topic).help, Lines{"régi súgó"});
}

TEST(TopicHelp, AFileThereButUnreadableIsReportedWhenAsked) {
    TopicRoot root;
    auto topic = *TopicOfFile("krv.hlp");
    fs::create_directories(root.dir / "jegyzet" / "krv.hlp");
    auto quiet = ReadTopic(root.paths, topic);
    EXPECT_TRUE(quiet.notes.empty());
    auto told = ReadTopic(root.paths, topic, root.notifier);
    EXPECT_TRUE(told.notes.empty());
    EXPECT_EQ(root.notifier.Messages(), Messages{messages::CannotRead(told.notesFile.string())});
}

// The desk keeps what the examiner types and saves it without asking: before another topic,
// by "ment" (both boxes), and when the window says the typing ended.
TEST(TopicHelpDesk, EditsAreSavedBeforeAnotherTopicAndByMent) {
    test::TestStation ws;
    test::EventRecorder events(ws->session);
    auto& topics = ws->topics;
    EXPECT_EQ(topics.Caption(), "Súgó az aktuális témához");
    EXPECT_FALSE(topics.ShowTopic("nincs.hlp"));
    EXPECT_TRUE(events.Take().empty());
    ASSERT_TRUE(topics.ShowTopic("szei.hlp"));
    EXPECT_EQ(events.Take(), std::vector<std::string>{"topic"});
    EXPECT_EQ(topics.Caption(), "súgó: SZEI");
    EXPECT_TRUE(topics.Text(TopicBox::Notes).empty());
    EXPECT_EQ(topics.FileOf(TopicBox::Notes), (ws.root / "jegyzet" / "szei.hlp").string());
    EXPECT_EQ(topics.FileOf(TopicBox::Help), (ws.root / "help" / "szei.hlp").string());

    topics.Edit(TopicBox::Notes, {"Saját jegyzet."});
    EXPECT_TRUE(topics.Edited(TopicBox::Notes));
    EXPECT_FALSE(topics.Edited(TopicBox::Help));
    ASSERT_TRUE(topics.ShowTopic("neiger.hlp"));
    EXPECT_EQ(test::ReadBytes(ws.root / "jegyzet" / "szei.hlp"), "Saj\xE1t jegyzet.\r\n");
    EXPECT_FALSE(fs::exists(ws.root / "help" / "szei.hlp")) << "only the edited box is saved";
    EXPECT_FALSE(topics.Edited(TopicBox::Notes));

    ASSERT_TRUE(topics.Save()); // "ment": both boxes, edited or not
    EXPECT_TRUE(fs::exists(ws.root / "jegyzet" / "neiger.hlp"));
    EXPECT_TRUE(fs::exists(ws.root / "help" / "neiger.hlp"));
    ASSERT_TRUE(topics.ShowTopic("szei.hlp"));
    EXPECT_EQ(topics.Text(TopicBox::Notes), Lines{"Saját jegyzet."});
    EXPECT_TRUE(ws.notifier.Questions().empty());
}

TEST(TopicHelpDesk, ABoxThatCannotBeSavedStaysEdited) {
    test::TestStation ws;
    test::WriteBytes(ws.root / "jegyzet", "nem mappa");
    ASSERT_TRUE(ws->topics.ShowTopic("ft.hlp"));
    ws->topics.Edit(TopicBox::Notes, {"jegyzet"});
    EXPECT_FALSE(ws->topics.SaveEdited());
    EXPECT_TRUE(ws->topics.Edited(TopicBox::Notes));
    EXPECT_EQ(ws->topics.Text(TopicBox::Notes), Lines{"jegyzet"});
    EXPECT_EQ(ws.notifier.Warnings().size(), 1u);
}

} // namespace
} // namespace quelvarin
