#include "SampleProtocol.h"
#include "model/ChoiceList.h"
#include "model/LocationList.h"
#include "model/ProtocolFile.h"
#include "model/SymbolCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/Jpeg.h"
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

// The data the windows read: each file there, and of the kind its reader expects.
TEST(ShippedTree, TheWindowsDataIsThere) {
    InstallPaths paths(kShipped);
    auto starts = [](const fs::path& file, std::string_view magic) {
        auto bytes = ReadFileBytes(file);
        return bytes && bytes->starts_with(magic);
    };
    auto version = ReadLineFile(paths.VersionFile());
    ASSERT_TRUE(version && !version->empty());
    EXPECT_EQ((*version)[0], QUELVARIN_VERSION) << "ver.num and the program's version go together";
    for (const auto* topic :
         {"ft.hlp", "det.hlp", "tart.hlp", "gyak.hlp", "kulre.hlp", "szemad.hlp", "klinkerd.hlp",
          "neiger.hlp", "szei.hlp", "attetel.hlp", "alkohol.hlp", "kieginf.hlp", "etgraf.hlp", "krv.hlp"}) {
        auto lines = ReadLineFile(paths.TopicHelpFolder() / topic);
        ASSERT_TRUE(lines) << topic;
        EXPECT_GT(lines->size(), 20u) << topic;
    }
    // The experience-type graph loads one text per type by these names.
    for (const auto* type :
         {"koartalt.txt", "koartativ.txt", "ambiekvalis.txt", "dilatalt.txt", "intr_nelk_extr.txt",
          "extr_nelk_intr.txt", "extravertalt.txt", "introvertalt.txt", "dilat_extravertalt.txt",
          "dilat_introvertalt.txt", "ellens_extravertalt.txt", "ellens_introvertalt.txt"}) {
        auto lines = ReadLineFile(paths.ExperienceTypeFolder() / type);
        ASSERT_TRUE(lines) << type;
        EXPECT_GE(lines->size(), 8u) << type;
    }
    for (int card = 1; card <= kCardCount; ++card) {
        EXPECT_TRUE(starts(paths.CardGlyphFile(card), "BM")) << card;
        // The protocol page shows each answer's card.
        EXPECT_TRUE(starts(paths.HtmlFolder() / "PICTURES" / (std::to_string(card) + ".jpg"), "\xFF\xD8\xFF"))
            << card;
        // The location tables: the card, its list, and each location outlined, all decoded as the
        // window decodes them; every sign a location offers is one its context menu scores.
        auto number = std::to_string(card);
        auto picture = ReadJpegFile(paths.CardPictureFolder() / (number + ".jpg"));
        ASSERT_TRUE(std::holds_alternative<Picture>(picture)) << card;
        EXPECT_TRUE(starts(paths.CardPictureFolder() / "kiskep" / (number + ".bmp"), "BM")) << card;
        auto locations = ReadLocationList(paths.LocationFolder() / (number + ".lok"));
        ASSERT_TRUE(locations) << card;
        EXPECT_GE(locations->size(), 4u) << card;
        EXPECT_LE(locations->size(), 8u) << card;
        for (const auto& location : *locations) {
            auto names = QuotedSignNames(location.label);
            EXPECT_FALSE(names.empty()) << location.line;
            for (const auto& name : names) {
                EXPECT_EQ(KindOfCode(CodeOfName(name)), SignKind::Location) << location.line;
            }
            auto outlined = ReadJpegFile(paths.LocationFolder() / number / (location.picture + ".jpg"));
            ASSERT_TRUE(std::holds_alternative<Picture>(outlined)) << location.line;
            EXPECT_EQ(std::get<Picture>(outlined).width, std::get<Picture>(picture).width) << location.line;
        }
    }
    // The joint examination's report puts the summation sign before its totals.
    EXPECT_TRUE(starts(paths.HtmlFolder() / "PICTURES" / "SZUMMA.GIF", "GIF89a"));
    // The personal data's choices; a question holding "*" would split in the protocol's field.
    for (const auto* list : {"fogl", "dg", "oszt", "vv", "klinker"}) {
        auto choices = ReadChoiceList(paths.ListFile(list));
        ASSERT_TRUE(choices) << list;
        EXPECT_GE(choices->size(), 5u) << list;
        for (const auto& choice : *choices) {
            EXPECT_EQ(choice.find('*'), std::string::npos) << list << ": " << choice;
        }
    }
    EXPECT_FALSE(fs::exists(paths.ListFile("isk"))) << "the eight built-in education levels are the list";
    for (auto language : {"magyar", "angol"}) {
        for (int code = codes::kFirstLocation; code <= codes::kLastLocation; ++code) {
            auto wav = ReadFileBytes(paths.SoundFile(language, static_cast<unsigned>(code)));
            ASSERT_TRUE(wav) << language << code;
            EXPECT_TRUE(wav->starts_with("RIFF") && wav->substr(8, 4) == "WAVE") << language << code;
        }
    }
    EXPECT_TRUE(starts(paths.ShippedWordTemplateFile(), "{\\rtf1"));
    EXPECT_FALSE(fs::exists(paths.WordTemplateFile())) << "the examiner's own template is made from it";
    EXPECT_TRUE(starts(paths.ProgramIconFile(), "\x89PNG"));
    EXPECT_TRUE(starts(paths.ProgramPictureFile(), "\x89PNG"));
}

} // namespace
} // namespace quelvarin
