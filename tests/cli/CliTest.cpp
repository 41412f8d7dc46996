#include "cli/CliCommands.h"
#include "model/ProtocolFile.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"
#include "support/ProtocolBuilder.h"
#include "workstation/JsonWriter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    CliRun Invoke(std::vector<std::string> args) {
        args.insert(args.begin(), {"--root", root.string()});
        std::ostringstream out, err;
        int status = RunCli(args, out, err);
        return {status, out.str(), err.str()};
    }
    std::string Scored() {
        auto scored = test::ScoredProtocol();
        return SerializeProtocol(scored.protocol, scored.texts);
    }

    test::TempDir dir;
    fs::path root = dir / "quelva";
};

TEST_F(Cli, CheckAcceptsAGoodFileAndRejectsABadOneNamingFileAndLine) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    auto ok = Invoke({"check", (dir / "jo.qvl").string()});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "ok\n");
    EXPECT_EQ(ok.err, "");

    auto badPath = (dir / "rossz.qvl").string();
    test::WriteBytes(badPath, test::ProtocolBytesWithLine(Scored(), 0, "Quelvarin_Win32 "));
    auto bad = Invoke({"check", badPath});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, badPath + ": 1. sor: Ez nem Quelvarin állomány!!!\n");

    test::WriteBytes(badPath, test::ProtocolBytesWithLine(Scored(), 465, "x"));
    bad = Invoke({"check", badPath});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.rfind(badPath + ": 466. sor: ", 0), 0u) << bad.err;

    auto missing = Invoke({"check", (dir / "nincs.qvl").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("nincs.qvl"), std::string::npos);
}

TEST_F(Cli, CheckReportsTheWorkstationsMessagesButLoads) {
    test::WriteBytes(dir / "e.qvl", test::ProtocolBytesWithLine(Scored(), 12, "egyetem"));
    auto run = Invoke({"check", (dir / "e.qvl").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Csak a listáról választhat!\n");
}

TEST_F(Cli, FiguresOfTheLoadedProtocol) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    auto run = Invoke({"figures", (dir / "jo.qvl").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, R"({
  "code": "ko_20040512",
  "sex": "férfi",
  "age": 41,
  "education": "középiskola III.",
  "answers": 5,
  "answers_I_VII": 3,
  "answers_VIII_X": 2,
  "colour_index_box": 40,
  "versagen": 1,
  "effective_answers": 4,
  "answers_per_card": [2, 0, 1, 0, 0, 0, 0, 1, 0, 1],
  "G_sum": 2,
  "D_sum": 2,
  "Dd_sum": 1,
  "zw_sum": 0,
  "apprehension_formula": "",
  "apprehension_flags": [],
  "colour_index": 50,
  "content_range_count": 3,
  "content_sum": 5,
  "content_spread": "1.2",
  "M_percent": "50.00",
  "T_percent": "50.00",
  "Obj_percent": "25.00",
  "frequent_contents": [],
  "F_plus_percent_1": "50.00",
  "F_plus_percent_2": "70.00",
  "intellect_rating": "Nagyon alacsony értelmi teljesítmény",
  "experience_type": " 1.0: 0.5",
  "experience_type_label": "Koartatív",
  "secondary_formula": " 0.0: 0.0",
  "secondary_formula_label": "sivár",
  "inner_tension": " 0.0: 0.0",
  "inner_tension_label": "sivár",
  "V_percent": 75,
  "O_percent": 25,
  "neiger_score": " 3.0",
  "neiger_rating": "Valószínűleg patológiás érték",
  "sensitivity_paranoia_index": 151,
  "sensitivity_paranoia_indicated": "Indikált diagnózis: nem pszichotikus paranoid, adekv. esély: 64%.",
  "sensitivity_paranoia_alternative": "Alternatív diagnózis: egészséges (12%), pszich. paranoid (24%).",
  "szei_counts": {"A": 1, "E": 0, "D": 0, "C": 0, "B": 0},
  "szei_mean": " 0.0",
  "szei_conclusion": "a nagy valószínűséggel meglévő pszichopátiás személyiségfejlődésre utalnak.",
  "transference_percent": {"Semleges:": 0, "Pozitív érzelmek:": 0, "Szorongás:": 0, "Agresszió:": 0, "Testiség:": 0, "Függőség:": 0}
}
)");
}

TEST_F(Cli, NewWritesAFreshProtocolDatedToday) {
    auto out = dir / "uj.qvl";
    auto run = Invoke({"new", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    auto lines = ReadLineFile(out);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 3524u);
    EXPECT_EQ((*lines)[6], "férfi");
    EXPECT_EQ((*lines)[7], "30");
    EXPECT_EQ((*lines)[12], "középiskola IV.");
    EXPECT_EQ((*lines)[13], SystemClock().TodayShortDate());
}

TEST_F(Cli, ResaveKeepsTheBytesAndTheTexts) {
    auto bytes = Scored();
    test::WriteBytes(dir / "be.qvl", bytes);
    auto run = Invoke({"resave", (dir / "be.qvl").string(), (dir / "ki.qvl").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::FirstDifference(test::ReadBytes(dir / "ki.qvl"), bytes), "");
}

TEST_F(Cli, NeverTouchesTheRoot) {
    test::WriteBytes(dir / "be.qvl", Scored());
    EXPECT_EQ(Invoke({"figures", (dir / "be.qvl").string()}).status, 0);
    EXPECT_EQ(Invoke({"resave", (dir / "be.qvl").string(), (dir / "ki.qvl").string()}).status, 0);
    EXPECT_EQ(Invoke({"new", (dir / "uj.qvl").string()}).status, 0);
    EXPECT_EQ(Invoke({"sheet", (dir / "be.qvl").string()}).status, 0);
    EXPECT_FALSE(fs::exists(root));
}

TEST_F(Cli, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"nincs-ilyen"}, {"check"}, {"check", "a", "b"}, {"resave", "a"}, {"--root"},
    };
    for (const auto& args : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 1) << (args.empty() ? "" : args[0]);
        EXPECT_NE(err.str().find("Használat:"), std::string::npos);
    }
}

TEST_F(Cli, AnUnwritableOutput) {
    test::WriteBytes(dir / "foglalt" / "x", "x");
    auto run = Invoke({"new", (dir / "foglalt").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("nem írható"), std::string::npos);
}

TEST_F(Cli, InterpretWritesTheTextAsTheWorkstationDoes) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    auto run = Invoke({"interpret", (dir / "jo.qvl").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 23), "Az F%-ok jelent\xE9s\xE9hez\r\n") << "Windows-1250 with CR LF";
    EXPECT_EQ(run.out.substr(run.out.size() - 6), "V\xE9ge\r\n");

    auto toFile = Invoke({"interpret", (dir / "jo.qvl").string(), "-o", (dir / "ki.txt").string()});
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(test::ReadBytes(dir / "ki.txt"), run.out);
    EXPECT_FALSE(fs::exists(root)) << "the root's Szov_Ert.txt is not touched";
}

TEST_F(Cli, InterpretWithoutEffectiveAnswersHasNothingToWrite) {
    auto fresh = Invoke({"new", (dir / "uj.qvl").string()});
    ASSERT_EQ(fresh.status, 0);
    auto run = Invoke({"interpret", (dir / "uj.qvl").string(), "-o", (dir / "ki.txt").string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Nincs értékelhető felelet, szöveges értelmezés nem készült.\n");
    EXPECT_FALSE(fs::exists(dir / "ki.txt"));
}

TEST_F(Cli, OutputOnlyWhereACommandWritesOne) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    EXPECT_EQ(Invoke({"check", (dir / "jo.qvl").string(), "-o", (dir / "x").string()}).status, 1);
    EXPECT_EQ(Invoke({"interpret", (dir / "jo.qvl").string(), "-o"}).status, 1);
}

TEST_F(Cli, PagesAndGlossaryOfAProtocolFile) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    for (const char* command : {"sheet", "page", "glossary"}) {
        auto run = Invoke({command, (dir / "jo.qvl").string()});
        ASSERT_EQ(run.status, 0) << command << run.err;
        EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n") << command;
        auto toFile = Invoke({command, (dir / "jo.qvl").string(), "-o", (dir / "ki").string()});
        EXPECT_EQ(toFile.status, 0) << command << toFile.err;
        EXPECT_EQ(toFile.out, "") << command;
        EXPECT_EQ(test::ReadBytes(dir / "ki"), run.out) << command;
    }
    auto page = Invoke({"page", (dir / "jo.qvl").string()});
    EXPECT_NE(page.out.find("K\xE9t ember,\r\n\r\nakik t\xE1ncolnak.\r\n"), std::string::npos)
        << "the page takes the texts from the file";
    EXPECT_EQ(Invoke({"glossary", (dir / "jo.qvl").string()}).out.substr(0, 4), "FT: ");
    EXPECT_FALSE(fs::exists(root));
}

TEST_F(Cli, HelpPagesAreWrittenUnderTheRoot) {
    auto run = Invoke({"help-pages"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "A HTML rendszer frissítése befejeződött.\n");
    EXPECT_TRUE(fs::exists(root / "html" / "ertelmez" / "345.html"));
    EXPECT_EQ(Invoke({"help-pages", "x"}).status, 1);
}

TEST_F(Cli, StatisticsHeaderRowsAndAttach) {
    test::WriteBytes(dir / "jo.qvl", Scored());
    test::WriteBytes(dir / "rossz.qvl", "semmi");
    auto header = Invoke({"stat-header"});
    ASSERT_EQ(header.status, 0);
    EXPECT_EQ(header.out.substr(0, 8), "Kod\tNem\t");
    EXPECT_EQ(std::count(header.out.begin(), header.out.end(), '\t'), 356);

    auto rows = Invoke(
        {"stat-row", (dir / "jo.qvl").string(), (dir / "rossz.qvl").string(), (dir / "jo.qvl").string()});
    EXPECT_EQ(rows.status, 2) << "a rejected file is named and skipped";
    EXPECT_NE(rows.err.find("rossz.qvl"), std::string::npos);
    EXPECT_EQ(SplitLines(rows.out).size(), 2u);
    EXPECT_EQ(rows.out.substr(0, 12), "ko_20040512\t");

    auto target = (dir / "cel.dat").string();
    auto attach = Invoke({"stat-attach", target, (dir / "jo.qvl").string(), (dir / "jo.qvl").string()});
    EXPECT_EQ(attach.status, 0) << attach.err;
    EXPECT_NE(attach.err.find("már szerepel a célfájlban, kihagyva: "), std::string::npos);
    auto lines = SplitLines(test::ReadBytes(target));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0] + "\r\n", header.out);
    EXPECT_EQ(Invoke({"stat-attach", target}).status, 1) << "no file to attach";
}

TEST_F(Cli, SummaryOfAFolderInNameOrder) {
    auto archive = dir / "archivum";
    test::WriteBytes(archive / "b.qvl", Scored());
    test::WriteBytes(archive / "a.qvl", test::ProtocolBytesWithLine(Scored(), 2, "Első Alany"));
    auto run = Invoke({"summary", archive.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    auto lines = SplitLines(DecodeCp1250(run.out));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 4), "Nev\t");
    EXPECT_EQ(lines[1].rfind("Első Alany\t", 0), 0u);
    auto toFile = Invoke({"summary", archive.string(), "-o", (dir / "sum.txt").string()});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(test::ReadBytes(dir / "sum.txt"), run.out);
}

TEST_F(Cli, SummaryOfAFolderThatIsNotThereIsAnError) {
    test::WriteBytes(dir / "fajl.qvl", Scored());
    for (auto folder : {dir / "nincs", dir / "fajl.qvl"}) {
        auto run = Invoke({"summary", folder.string(), "-o", (dir / "sum.txt").string()});
        EXPECT_EQ(run.status, 2) << folder;
        EXPECT_EQ(run.err, folder.string() + ": nincs ilyen mappa, vagy nem olvasható.\n");
        EXPECT_FALSE(fs::exists(dir / "sum.txt"));
    }
}

TEST_F(Cli, HelpAndVersionOnStandardOutput) {
    const std::vector<std::vector<std::string>> helps = {
        {"--help"}, {"-h"}, {"--root", root.string(), "--help"}, {"--root", root.string(), "-h"}};
    for (const auto& args : helps) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 0) << args.back();
        EXPECT_EQ(out.str().rfind("Használat: quelvarin-cli", 0), 0u) << args.back();
        EXPECT_NE(out.str().find("  summary MAPPA"), std::string::npos);
        EXPECT_EQ(err.str(), "");
    }
    for (const auto& args : {std::vector<std::string>{"--version"}, {"--root", root.string(), "--version"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 0);
        EXPECT_EQ(out.str(), "quelvarin-cli " QUELVARIN_VERSION "\n");
        EXPECT_EQ(err.str(), "");
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--help", "x"}, out, err), 1) << "help takes nothing after it";
}

// The workstation's recovery copy of an unsaved protocol is a protocol file like any other.
TEST_F(Cli, CheckAcceptsARecoveryCopy) {
    RecordingNotifier notifier;
    FileAnswerTextStore texts{InstallPaths(root)};
    SilentSoundPlayer sound;
    FixedClock clock("2026.12.10.");
    NoFileChooser chooser;
    Workstation station({InstallPaths(root), notifier, texts, sound, clock, chooser},
                        ProtocolFilesDesk::Recovery::Kept);
    station.scoring.SelectAnswer(1);
    station.scoring.ChooseCard(4);
    station.scoring.ClickSignBox(400);
    ASSERT_TRUE(station.files.WriteRecoveryCopy());
    auto copy = root / "aktualis" / "mentetlen.qvl";
    auto run = Invoke({"check", copy.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "ok\n");
    auto figures = Invoke({"figures", copy.string()});
    EXPECT_NE(figures.out.find("\"answers\": 1,"), std::string::npos) << figures.out;
}

TEST(JsonWriter, EscapesStrings) {
    EXPECT_EQ(JsonObjectWriter::Quote("a\"b\\c\n\x01Ő"), "\"a\\\"b\\\\c\\n\\u0001Ő\"");
}

} // namespace
} // namespace quelvarin
