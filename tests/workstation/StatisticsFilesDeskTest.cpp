// The statistics windows' desk: the attach dialog's targets, names and duplicate rule, the
// question about a protocol without a code, the new-file window and the viewer.
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"
#include "support/ProtocolBuilder.h"
#include "workstation/StatisticsTexts.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
using Target = StatisticsFilesDesk::Target;

class StatisticsFilesDeskTest : public ::testing::Test {
protected:
    StatisticsFilesDeskTest() {
        fs::create_directories(Folder());
        ws->personal.SetField(PersonalField::Code, "ab12");
    }

    fs::path Folder() { return ws.root / "stat"; }
    // A statistics file holding the header and one row per code.
    void StatFile(const std::string& name, const std::vector<std::string>& codes) {
        auto text = statistics::StatisticsHeader();
        for (const auto& code : codes) {
            text += code + "\t1\t30\r\n";
        }
        test::WriteBytes(Folder() / name, EncodeCp1250(text));
    }
    std::string Row() { return statistics::StatisticsRow(ws->session.CurrentProtocol()); }
    StatisticsFilesDesk& Desk() { return ws->statisticsFiles; }

    test::TestStation ws;
};

TEST_F(StatisticsFilesDeskTest, ADialogOpensWithNothingChosenAndListsTheDatFiles) {
    StatFile("b.dat", {});
    StatFile("A.DAT", {});
    test::WriteBytes(Folder() / "c.txt", "");
    fs::create_directories(Folder() / "d.dat");
    Desk().OpenAttachDialog();
    EXPECT_EQ(Desk().ChosenTarget(), Target::None);
    EXPECT_EQ(Desk().ListedFiles(), (std::vector<std::string>{"A.DAT", "b.dat"}));
    EXPECT_FALSE(Desk().MayAttach());
    Desk().ChooseFile(1);
    EXPECT_FALSE(Desk().MayAttach()) << "no kind of target chosen yet";
    EXPECT_FALSE(Desk().Attach());
    EXPECT_EQ(test::ReadBytes(Folder() / "b.dat"), EncodeCp1250(statistics::StatisticsHeader()));
}

TEST_F(StatisticsFilesDeskTest, TheDuplicateRuleDecidesForAListedFile) {
    StatFile("stat1.dat", {"AB12", "x"});
    StatFile("stat2.dat", {"ab12"});
    Desk().OpenAttachDialog();
    Desk().ChooseTarget(Target::Existing);
    EXPECT_FALSE(Desk().MayAttach()) << "no file chosen";
    Desk().ChooseFile(1);
    EXPECT_FALSE(Desk().MayAttach()) << "the code is in the file";
    Desk().ChooseFile(0);
    EXPECT_TRUE(Desk().MayAttach()) << "\"AB12\" is another code";
    // The protocol changes while the dialog is away; activated again, the file is checked again.
    ws->personal.SetField(PersonalField::Code, "AB12");
    Desk().Recheck();
    EXPECT_FALSE(Desk().MayAttach());
    EXPECT_FALSE(Desk().Attach());
    ws->personal.SetField(PersonalField::Code, "ab12");
    Desk().Recheck();
    ASSERT_TRUE(Desk().Attach());
    auto expected = statistics::StatisticsHeader() + "AB12\t1\t30\r\nx\t1\t30\r\n" + Row();
    EXPECT_EQ(test::ReadBytes(Folder() / "stat1.dat"), EncodeCp1250(expected));
    Desk().ChooseFile(0);
    EXPECT_FALSE(Desk().MayAttach()) << "attached once, the code is there now";
}

TEST_F(StatisticsFilesDeskTest, ANameKeepsOnlyTheCharactersAFileNameMayHave) {
    Desk().OpenAttachDialog();
    Desk().ChooseTarget(Target::New);
    EXPECT_FALSE(Desk().MayAttach()) << "no name yet";
    EXPECT_EQ(Desk().TypeName("a"), "a");
    EXPECT_TRUE(Desk().MayAttach());
    EXPECT_EQ(Desk().TypeName("a "), "a");
    EXPECT_EQ(Desk().TypeName("ab"), "ab");
    EXPECT_EQ(Desk().Name(), "ab");
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{std::string(statistics::kNameCharactersMessage)}))
        << "told once, for the blank";
    EXPECT_EQ(Desk().TypeName(""), "");
    EXPECT_FALSE(Desk().MayAttach());
}

TEST_F(StatisticsFilesDeskTest, ANewNameMayNotBeAListedFileInAnyCase) {
    StatFile("stat1.dat", {});
    Desk().OpenAttachDialog();
    Desk().ChooseTarget(Target::New);
    Desk().TypeName("STAT1");
    EXPECT_FALSE(Desk().MayAttach());
    Desk().TypeName("STAT12");
    EXPECT_TRUE(Desk().MayAttach());
    ASSERT_TRUE(Desk().Attach());
    EXPECT_EQ(test::ReadBytes(Folder() / "STAT12.dat"), EncodeCp1250(statistics::StatisticsHeader() + Row()))
        << "a new file: the header, then the row";
    EXPECT_EQ(Desk().ListedFiles(), (std::vector<std::string>{"STAT12.dat", "stat1.dat"})) << "listed again";
}

TEST_F(StatisticsFilesDeskTest, ANewFileMakesItsFolderWhenThereIsNone) {
    fs::remove_all(Folder());
    Desk().OpenAttachDialog();
    EXPECT_TRUE(Desk().ListedFiles().empty());
    Desk().ChooseTarget(Target::New);
    Desk().TypeName("elso");
    ASSERT_TRUE(Desk().Attach());
    EXPECT_TRUE(fs::is_regular_file(Folder() / "elso.dat"));
}

TEST_F(StatisticsFilesDeskTest, AnEmptyCodeIsAskedAbout) {
    ws->personal.SetField(PersonalField::Code, "");
    for (bool goOn : {false, true}) {
        SCOPED_TRACE(goOn);
        StatFile("stat1.dat", {"x"});
        ws.notifier.Clear();
        Desk().OpenAttachDialog();
        Desk().ChooseTarget(Target::Existing);
        Desk().ChooseFile(0);
        ASSERT_TRUE(Desk().MayAttach());
        ws.notifier.QueueAnswer(goOn);
        EXPECT_EQ(Desk().Attach(), goOn);
        EXPECT_EQ(ws.notifier.Questions(),
                  (std::vector<std::string>{std::string(window_texts::kAskAttachWithoutCode)}));
        auto rows = statistics::CodesInFile(Folder() / "stat1.dat");
        EXPECT_EQ(rows->size(), goOn ? 3u : 2u);
    }
    // A protocol with a code is not asked about.
    ws->personal.SetField(PersonalField::Code, "ab12");
    ws.notifier.Clear();
    Desk().ChooseTarget(Target::New);
    Desk().TypeName("masik");
    EXPECT_TRUE(Desk().Attach());
    EXPECT_TRUE(ws.notifier.Questions().empty());
}

TEST_F(StatisticsFilesDeskTest, TheNewFileWindowsButton) {
    StatFile("van.dat", {"x"});
    const auto before = test::ReadBytes(Folder() / "van.dat");
    Desk().OpenNewFileWindow();
    EXPECT_EQ(Desk().NewFileButton(), statistics::kButtonNoName);
    EXPECT_EQ(Desk().PressNewFileButton(), std::nullopt);
    struct Case {
        const char* name;
        std::string_view button;
    };
    for (auto [name, button] : {Case{"van", statistics::kButtonExists}, Case{"uj", statistics::kButtonCreate},
                                Case{"", statistics::kButtonNoName}, Case{"../x", statistics::kButtonNoName},
                                Case{"abcdefghi", statistics::kButtonNoName}}) {
        EXPECT_EQ(Desk().TypeNewFileName(name), button) << name;
    }
    ws.notifier.Clear();
    EXPECT_EQ(Desk().PressNewFileButton(), std::nullopt) << "no name: nothing happens";
    EXPECT_TRUE(ws.notifier.Messages().empty());

    Desk().TypeNewFileName("van");
    EXPECT_EQ(Desk().PressNewFileButton(), std::nullopt);
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Mondom vaaaan!!!"}));
    EXPECT_EQ(test::ReadBytes(Folder() / "van.dat"), before);

    Desk().TypeNewFileName("uj");
    EXPECT_EQ(Desk().PressNewFileButton(), "uj.dat");
    EXPECT_EQ(test::ReadBytes(Folder() / "uj.dat"), EncodeCp1250(statistics::StatisticsHeader()));
    Desk().OpenNewFileWindow();
    EXPECT_EQ(Desk().NewFileButton(), statistics::kButtonNoName) << "emptied on activation";
}

TEST_F(StatisticsFilesDeskTest, AFileMadeMeanwhileIsNotOverwritten) {
    Desk().OpenNewFileWindow();
    ASSERT_EQ(Desk().TypeNewFileName("uj"), statistics::kButtonCreate);
    StatFile("uj.dat", {"x"});
    const auto before = test::ReadBytes(Folder() / "uj.dat");
    EXPECT_EQ(Desk().PressNewFileButton(), std::nullopt);
    EXPECT_EQ(ws.notifier.Messages(), (std::vector<std::string>{"Mondom vaaaan!!!"}));
    EXPECT_EQ(Desk().NewFileButton(), statistics::kButtonExists);
    EXPECT_EQ(test::ReadBytes(Folder() / "uj.dat"), before);
}

TEST_F(StatisticsFilesDeskTest, TheViewerReadsTheFileAsWindows1250) {
    StatFile("stat1.dat", {"kód"});
    EXPECT_EQ(Desk().FileText(Folder() / "stat1.dat"), statistics::StatisticsHeader() + "kód\t1\t30\r\n");
    EXPECT_EQ(Desk().FileText(Folder() / "nincs.dat"), std::nullopt);
    ASSERT_EQ(ws.notifier.Warnings().size(), 1u);
    EXPECT_NE(ws.notifier.Warnings()[0].find("nincs.dat"), std::string::npos);
}

} // namespace
} // namespace quelvarin
