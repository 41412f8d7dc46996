#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "scoring/StoredFigures.h"
#include "statistics/Batch.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"
#include "support/AnswersBuilder.h"
#include "support/FailingWrites.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quelvarin::statistics {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Fields(std::string line) {
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    line.resize(line.size() - 2);
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == '\t') {
        fields.emplace_back();
    }
    return fields;
}

TEST(StatisticsRow, TheHeaderLine) {
    auto header = Fields(StatisticsHeader());
    ASSERT_EQ(header.size(), 357u);
    EXPECT_EQ(header[0], "Kod");
    EXPECT_EQ(header[14], "Színes_I");
    EXPECT_EQ(header[34], "Szumma_tart");
    EXPECT_EQ(header[35], "Elfojtás");
    EXPECT_EQ(header[356], "Agressziót iml., nem agr motiv.");
    EXPECT_EQ(std::count(header.begin(), header.end(), "Feleletszám"), 2);
}

TEST(StatisticsRow, AnEmptyProtocol) {
    Protocol protocol;
    ResetToNewProtocol(protocol, "2026.12.10.");
    protocol.personal.code = "ures";
    StoreLoadedFigures(protocol);
    auto row = Fields(StatisticsRow(protocol));
    ASSERT_EQ(row.size(), 357u);
    const std::vector<std::string> first = {"ures", "1",     "30",    "középiskola IV.",
                                            "0",    "0",     "0",     "0",
                                            "0",    "0",     "0",     "0",
                                            "0",    "0",     "0",     " 0.5",
                                            "0",    "0",     "0",     "0",
                                            "0",    " 0.00", " 0.00", "0.0",
                                            "0.0",  "0.0",   "0.0",   "0.0",
                                            "0.0",  " 0.00", " 0.00", " 0.00",
                                            "0",    "0.0",   "0"};
    EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 35), first);
    EXPECT_TRUE(std::all_of(row.begin() + 35, row.end(), [](const std::string& f) { return f == "0"; }));
}

TEST(StatisticsRow, SexCardsAndTextFields) {
    auto protocol = test::WithAnswers({{1, {400}}, {1, {401}}, {10, {402}}}, "nő");
    protocol.personal.code = "kód\tegy\r\nkettő";
    protocol.answer(5).card = 0; // no card: counts nowhere
    auto row = Fields(StatisticsRow(protocol));
    EXPECT_EQ(row[0], "kód egy  kettő");
    EXPECT_EQ(row[1], "2");
    EXPECT_EQ(row[4], "2");   // FSZ_1
    EXPECT_EQ(row[13], "1");  // FSZ_10
    EXPECT_EQ(row[14], "33"); // 1 of 3 on cards VIII-X
    protocol.personal.sex = "férfi";
    EXPECT_EQ(Fields(StatisticsRow(protocol))[1], "1");
    protocol.personal.sex = "";
    EXPECT_EQ(Fields(StatisticsRow(protocol))[1], "1");
}

TEST(StatisticsRow, AnEmptyCodeIsStillTheFirstColumn) {
    auto row = Fields(StatisticsRow(Protocol{}));
    ASSERT_EQ(row.size(), 357u);
    EXPECT_EQ(row[0], "");
    EXPECT_EQ(row[1], "1");
}

TEST(StatisticsRow, PairsSplitAtTheColon) {
    EXPECT_EQ(SplitPair(" 2.5:10.0"), (std::pair<std::string, std::string>{"2.5", "10.0"}));
    EXPECT_EQ(SplitPair(" 0.0: 1.5"), (std::pair<std::string, std::string>{"0.0", "1.5"}));
    EXPECT_EQ(SplitPair(" 12 5 "), (std::pair<std::string, std::string>{"", "125"}));
}

TEST(StatisticsFile, TheDuplicateRuleIsCaseSensitive) {
    test::TempDir dir;
    auto file = dir / "stat1.dat";
    test::WriteBytes(file, EncodeCp1250(StatisticsHeader()) + "ab12\t2\t34\r\nk\xF3"
                                                              "d\r\n");
    EXPECT_EQ(CodePresentInFile(file, "ab12"), true);
    EXPECT_EQ(CodePresentInFile(file, "AB12"), false);
    EXPECT_EQ(CodePresentInFile(file, "Kod"), true) << "the header's first field";
    EXPECT_EQ(CodePresentInFile(file, "kód"), true) << "compared as Windows-1250 text";
    EXPECT_EQ(CodePresentInFile(file, "ab"), false);
    EXPECT_FALSE(CodePresentInFile(dir / "nincs.dat", "ab12").has_value());
}

// One row is one append: a failed one leaves no half row at the end of the file, and a file it
// would have created (header and row) does not appear.
TEST(StatisticsFile, AFailedAppendOfARowLeavesTheFileAsItWas) {
    const std::string row = "kód\t3\t1\r\n";
    test::TempDir dir;
    auto file = dir / "stat1.dat";
    test::ExpectFailedWritesLeaveWholeFiles(dir.Path(), [&] { return AppendRow(file, row); });
    EXPECT_EQ(test::ReadBytes(file), EncodeCp1250(StatisticsHeader() + row));
    test::ExpectFailedWritesLeaveWholeFiles(dir.Path(), [&] { return AppendRow(file, row); });
    EXPECT_EQ(test::ReadBytes(file), EncodeCp1250(StatisticsHeader() + row + row));
}

TEST(StatisticsFile, NamesOfNewFiles) {
    EXPECT_EQ(FilterTypedName("a "), (TypedName{"a", true}));
    EXPECT_EQ(FilterTypedName("ab").name, "ab");
    EXPECT_FALSE(FilterTypedName("ab").refused);
    EXPECT_EQ(FilterTypedName("stat_-1é").name, "stat_-1");
    EXPECT_EQ(FilterTypedName("abcdefghij").name, "abcdefgh");
    EXPECT_EQ(FilterTypedName("../x").name, "");
    for (const char* bad : {"", "abcdefghi", "a b", "../x", "é", "a/b", "."}) {
        EXPECT_FALSE(IsValidName(bad)) << bad;
    }
    EXPECT_TRUE(IsValidName("STAT-1_a"));
    EXPECT_FALSE(NewNameAccepted("STAT1", {"stat1.dat", "mas.dat"})) << "compared without regard to case";
    EXPECT_TRUE(NewNameAccepted("STAT2", {"stat1.dat"}));
    EXPECT_FALSE(NewNameAccepted("", {}));
}

TEST(StatisticsFile, TheNewFileButton) {
    test::TempDir dir;
    test::WriteBytes(dir / "van.dat", "");
    EXPECT_EQ(NewFileButton(dir.Path(), ""), "adjon nevet a fájlnak!!!");
    EXPECT_EQ(NewFileButton(dir.Path(), "van"), "ilyen nevű fájl már van!!!");
    EXPECT_EQ(NewFileButton(dir.Path(), "uj"), "létrehoz");
    EXPECT_EQ(NewFileButton(dir.Path(), "rossz név"), "adjon nevet a fájlnak!!!");
}

TEST(StatisticsFile, BatchDialogChecks) {
    test::TempDir dir;
    auto target = dir / "cel.dat";
    EXPECT_EQ(PreCheck(target, {"ab12.qvl"}).message, "Nem jelölt ki DAT-fájlt a csatolás céljaként!");
    test::WriteBytes(target, "Kod\r\nab12\t1\r\n");
    EXPECT_EQ(PreCheck(target, {dir / "x.qvl", dir / "ab12.qvl"}).message,
              "ilyen már van a célfájlban: ab12");
    auto fine = PreCheck(target, {dir / "cd34.v2.qvl"});
    EXPECT_TRUE(fine.ok);
    EXPECT_EQ(fine.message, "Ellenőrzés rendben.");
    EXPECT_EQ(FileCode("mappa/ab12.v2.qvl"), "ab12");

    std::vector<fs::path> list;
    AddToAttachList(list, {"a/x.qvl", "b/y.qvl"});
    AddToAttachList(list, {"a/x.qvl"});
    EXPECT_EQ(list.size(), 2u);
    EXPECT_TRUE(DuplicateCheck(list).ok);
    AddToAttachList(list, {"c/x.qvl"});
    EXPECT_EQ(DuplicateCheck(list).message, "Többször szerepel: x.qvl");
    EXPECT_EQ(DuplicateCheck({}).message, "Ellenőrzés rendben.");
}

class Batches : public ::testing::Test {
protected:
    fs::path Protocol(const std::string& name, const std::string& code, int answers) {
        auto protocol = test::WithAnswers(test::Repeated(answers, 401));
        protocol.personal.code = code;
        StoreLoadedFigures(protocol);
        auto path = dir / name;
        test::WriteBytes(path, SerializeProtocol(protocol, AnswerTexts{}));
        return path;
    }
    test::TempDir dir;
};

TEST_F(Batches, AttachInOrderSkippingARejectedFile) {
    auto a = Protocol("a.qvl", "elso", 3);
    auto bad = dir / "rossz.qvl";
    test::WriteBytes(bad, "nem jegyzőkönyv\r\n");
    auto b = Protocol("b.qvl", "masodik", 5);
    auto target = dir / "cel.dat";
    auto report = AttachFiles(target, {b, bad, a}, false);
    EXPECT_EQ(report.rows, 2u);
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_EQ(report.notes[0].text, "nem Quelvarin állomány, kihagyva: " + bad.string());
    EXPECT_EQ(report.last, a);
    auto lines = SplitLines(DecodeCp1250(test::ReadBytes(target)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0] + "\r\n", StatisticsHeader());
    EXPECT_EQ(lines[1].substr(0, 8), "masodik\t");
    EXPECT_EQ(lines[2].substr(0, 5), "elso\t");
}

TEST_F(Batches, AttachCanSkipCodesAlreadyInTheTarget) {
    auto a = Protocol("a.qvl", "elso", 3);
    auto target = dir / "cel.dat";
    ASSERT_EQ(AttachFiles(target, {a}, true).rows, 1u);
    auto again = AttachFiles(target, {a, a}, true);
    EXPECT_EQ(again.rows, 0u);
    ASSERT_EQ(again.notes.size(), 2u);
    EXPECT_EQ(again.notes[0].kind, BatchNote::Kind::AlreadyPresent);
    EXPECT_EQ(SplitLines(test::ReadBytes(target)).size(), 2u);
}

TEST_F(Batches, TheRowOfABatchIsTheRowOfAnOpenedProtocol) {
    auto scored = test::ScoredProtocol();
    scored.protocol.counts.Set(397, 0); // stale counters, as in a file saved early
    scored.protocol.counts.Set(296, 0);
    scored.protocol.personal.education = "egyetem"; // not in the list: emptied on opening
    auto path = dir / "k.qvl";
    test::WriteBytes(path, SerializeProtocol(scored.protocol, scored.texts));
    auto target = dir / "cel.dat";
    auto report = AttachFiles(target, {path}, false);
    ASSERT_EQ(report.rows, 1u);
    EXPECT_EQ(report.notes.at(0).kind, BatchNote::Kind::EducationEmptied);

    test::TestStation ws;
    ASSERT_TRUE(ws->files.LoadProtocol(path));
    auto rows = SplitLines(DecodeCp1250(test::ReadBytes(target)));
    EXPECT_EQ(rows.at(1) + "\r\n", StatisticsRow(ws->session.CurrentProtocol()));
}

TEST_F(Batches, SummaryInNameOrder) {
    Protocol("b.qvl", "masodik", 5);
    Protocol("a.qvl", "elso", 3);
    Protocol("e.QVL", "harmadik", 7); // saved with the extension in capitals
    test::WriteBytes(dir / "c.qvl", "hibás");
    test::WriteBytes(dir / "d.txt", "nem jegyzőkönyv");
    test::WriteBytes(dir / "f.qvlx", "nem jegyzőkönyv");
    auto files = ProtocolFilesOf(dir.Path());
    ASSERT_TRUE(files);
    ASSERT_EQ(files->size(), 4u);
    std::string out;
    auto report = ExportSummary(*files, [&out](std::string_view bytes) {
        out += bytes;
        return true;
    });
    EXPECT_EQ(report.rows, 3u);
    EXPECT_EQ(report.notes.size(), 1u);
    auto lines = SplitLines(out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(Fields(lines[0] + "\r\n").size(), 70u);
    EXPECT_EQ(lines[0].substr(0, 12), "Nev\tkor\tnem\t");
    EXPECT_EQ(Fields(lines[1] + "\r\n")[3], "3") << "the first file by name: 3 answers";
    EXPECT_EQ(Fields(lines[2] + "\r\n")[3], "5");
    EXPECT_EQ(Fields(lines[3] + "\r\n")[3], "7");
}

TEST_F(Batches, AFolderThatCannotBeScannedIsNoEmptyArchive) {
    EXPECT_FALSE(ProtocolFilesOf(dir / "nincs"));
    test::WriteBytes(dir / "fajl.qvl", "x");
    EXPECT_FALSE(ProtocolFilesOf(dir / "fajl.qvl"));
}

// A batch small enough for one append: a failed run leaves the target as it was, and a target
// it created and kept nothing in is gone.
TEST_F(Batches, AFailedSmallAttachLeavesTheTargetAsItWas) {
    auto a = Protocol("a.qvl", "elso", 3);
    auto b = Protocol("b.qvl", "masodik", 5);
    test::TempDir out;
    auto target = out / "cel.dat";
    auto attach = [&] {
        auto report = AttachFiles(target, {a, b}, false);
        EXPECT_EQ(report.rows, 2u);
        return !report.failure;
    };
    test::ExpectFailedWritesLeaveWholeFiles(out.Path(), attach);
    EXPECT_EQ(SplitLines(test::ReadBytes(target)).size(), 3u);
    test::ExpectFailedWritesLeaveWholeFiles(out.Path(), attach);
    EXPECT_EQ(SplitLines(test::ReadBytes(target)).size(), 5u);
}

// A batch of many appends: one that fails is cut back, so the target keeps the header and the
// rows of the appends before it, and never a half row. The message says that rows stayed.
TEST_F(Batches, AFailedLongAttachKeepsOnlyWholeRows) {
    auto a = Protocol("a.qvl", "elso", 3);
    test::TempDir out;
    auto target = out / "cel.dat";
    ASSERT_EQ(AttachFiles(target, {a}, false).rows, 1u);
    const auto rowBytes = test::ReadBytes(target).size() - EncodeCp1250(StatisticsHeader()).size();
    const std::vector<fs::path> files(256 * 1024 / rowBytes, a); // several appends of 64 KiB
    fs::remove(target);
    std::size_t total = 0;
    {
        test::CountWrites counting;
        ASSERT_FALSE(AttachFiles(target, files, false).failure);
        total = counting.Written();
    }
    const auto whole = test::ReadBytes(target);
    ASSERT_EQ(whole.size(), total);
    ASSERT_GT(total, 3 * 64 * 1024u);
    for (std::size_t point : {std::size_t{0}, total / 3, total / 2, total - 1}) {
        SCOPED_TRACE("failing after " + std::to_string(point) + " of " + std::to_string(total) + " bytes");
        fs::remove(target);
        test::FailWritesAfter failing(point);
        auto report = AttachFiles(target, files, false);
        ASSERT_TRUE(report.failure.has_value());
        EXPECT_EQ(*report.failure,
                  "A(z) „" + target.string() + "” állomány nem írható!!! A korábban írt sorok megmaradtak.");
        // The failed append began at or before `point` and was at most 64 KiB and a row long.
        const std::size_t kept = fs::exists(target) ? fs::file_size(target) : 0;
        EXPECT_LE(kept, point);
        EXPECT_LT(point, kept + 64 * 1024 + rowBytes) << "more than the failed append is gone";
        if (kept == 0) {
            EXPECT_FALSE(fs::exists(target)) << "a new target without its header";
            continue;
        }
        auto bytes = test::ReadBytes(target);
        EXPECT_TRUE(whole.starts_with(bytes));
        EXPECT_TRUE(bytes.ends_with("\r\n")) << "a half row at the end";
    }
}

// The summary export through the atomic writer, as the workstation and the CLI write it: a
// failed export reports the failure and leaves the previous summary file.
TEST_F(Batches, AFailedSummaryExportLeavesThePreviousFile) {
    Protocol("a.qvl", "elso", 3);
    Protocol("b.qvl", "masodik", 5);
    auto files = ProtocolFilesOf(dir.Path()).value_or(std::vector<fs::path>{});
    ASSERT_EQ(files.size(), 2u);
    test::TempDir out;
    auto summary = out / "sum_stat.txt";
    test::WriteBytes(summary, "előző összesítő\r\n");
    test::ExpectFailedWritesLeaveWholeFiles(out.Path(), [&] {
        AtomicFileWriter writer(summary);
        auto report = ExportSummary(files, [&writer](std::string_view bytes) { return writer.Write(bytes); });
        EXPECT_EQ(report.failure.has_value(), writer.Failed());
        return !report.failure && writer.Commit();
    });
    EXPECT_EQ(SplitLines(test::ReadBytes(summary)).size(), 3u);
}

TEST_F(Batches, TheWorkstationInstallsTheLastProtocol) {
    auto a = Protocol("a.qvl", "elso", 3);
    auto b = Protocol("b.qvl", "masodik", 5);
    test::TestStation ws;
    fs::create_directories(ws.root / "stat");
    auto target = ws.root / "stat" / "cel.dat";
    EXPECT_EQ(ws->statistics.AttachBatch(target, {a, b}).rows, 0u);
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{"Nem jelölt ki DAT-fájlt a csatolás céljaként!"}))
        << "the target must exist";
    ASSERT_TRUE(ws->statistics.AttachToStatistics(target)) << "the attach dialog creates a new file";
    EXPECT_FALSE(ws->statistics.AttachToStatistics(target)) << "the same code twice is refused";
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    auto report =
        ws->statistics.AttachBatch(target, {a, b}, [&progress](std::size_t done, std::size_t total) {
            progress.emplace_back(done, total);
        });
    EXPECT_EQ(report.rows, 2u);
    EXPECT_FALSE(report.failure);
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 2}, {1, 2}, {2, 2}}))
        << "the caller hears of every file";
    EXPECT_EQ(ws->session.CurrentProtocol().personal.code, "masodik");
    EXPECT_EQ(SplitLines(test::ReadBytes(target)).size(), 4u);

    fs::create_directories(ws.root / "archivum");
    fs::copy_file(a, ws.root / "archivum" / "a.qvl");
    ASSERT_TRUE(ws->statistics.ExportSummary());
    EXPECT_EQ(ws.notifier.Messages().back(),
              "Az adatok kiszámítása és csatolása befejeződött.\r\n1 fájl került "
              "feldolgozásra.\r\nA kész fájlt elérési útvonala " +
                  (ws.root / "sum_stat.txt").string());
    EXPECT_EQ(SplitLines(test::ReadBytes(ws.root / "sum_stat.txt")).size(), 2u);
    EXPECT_EQ(ws->session.CurrentProtocol().personal.code, "elso");
}

} // namespace
} // namespace quelvarin::statistics
