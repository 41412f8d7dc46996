#include "SampleProtocol.h"
#include "model/ProtocolFile.h"
#include "model/SymbolCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/LineFile.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>
#include <map>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = QUELVARIN_SHIPPED_TREE;

TEST(ShippedTree, TheSampleProtocolIsWhatItsScriptedSessionWrites) {
    auto shipped = ReadFileBytes(kShipped / "archivum" / "minta.qvl");
    ASSERT_TRUE(shipped) << "run make-sample-protocol data/quelva/archivum/minta.qvl";
    EXPECT_EQ(test::FirstDifference(*shipped, BuildSampleProtocol()), "") << "regenerate it with make sample";
}

TEST(ShippedTree, TheSampleProtocolLoadsAndItsTalliesAgreeWithItsAnswers) {
    test::TestStation ws;
    ASSERT_TRUE(ws->files.LoadProtocol(kShipped / "archivum" / "minta.qvl"));
    EXPECT_TRUE(ws.notifier.Messages().empty());
    const auto& protocol = ws->session.CurrentProtocol();
    EXPECT_GE(protocol.personal.age, 18);
    EXPECT_EQ(protocol.counts[397], 22);

    std::map<SignCode, int> recount;
    for (const auto& answer : protocol.answers) {
        for (auto code : answer.slots) {
            if (code != 0) {
                ++recount[ParentOfCode(code)];
            }
        }
    }
    for (int code = codes::kFirstSpecialReaction; code <= codes::kLastLocation; ++code) {
        auto sign = static_cast<SignCode>(code);
        if (ColumnOfCode(sign) != SignColumn::None && code != codes::kVPercent && code != codes::kOPercent) {
            EXPECT_EQ(protocol.counts[sign], recount[sign]) << NameOfCode(sign);
        }
    }
    for (int answers : ws->session.Figures().answersPerCard) {
        EXPECT_GE(answers, 1) << "every card has an answer";
    }
    EXPECT_FALSE(ws.texts->Read(18).empty());
}

TEST(ShippedTree, HelpFilesHaveALineForEveryCode) {
    for (const char* name : {"jelol.dbf", "ert.dbf"}) {
        auto lines = ReadLineFile(kShipped / name);
        ASSERT_TRUE(lines) << name;
        EXPECT_GE(lines->size(), 498u) << name;
    }
}

TEST(ShippedTree, SeedsAFreshRootWithItsFolders) {
    test::TempDir dir;
    auto root = dir / "quelva";
    ASSERT_TRUE(SeedInstallTree(kShipped, root));
    InstallPaths paths(root);
    for (const auto& folder :
         {paths.CurrentFolder(), paths.ArchiveFolder(), paths.InterpretationHelpPagesFolder(),
          paths.ScoringHelpPagesFolder(), paths.StatisticsFolder(), paths.LayoutFolder(),
          paths.HintFile().parent_path(), paths.LocationFolder(), paths.CardPictureFolder(),
          paths.TopicHelpFolder(), paths.NotesFolder(), paths.ExperienceTypeFolder(),
          paths.SoundFile("magyar", 400).parent_path(), paths.SoundFile("angol", 400).parent_path(),
          paths.WordDocumentFile("x").parent_path()}) {
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    }
    EXPECT_TRUE(fs::exists(paths.ArchiveFolder() / "minta.qvl"));
    EXPECT_FALSE(fs::exists(paths.CurrentFolder() / ".gitkeep"));
}

} // namespace
} // namespace quelvarin
