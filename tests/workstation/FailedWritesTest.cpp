#include "support/FailingWrites.h"
#include "support/ProtocolBuilder.h"
#include "workstation/TopicHelp.h"
#include "workstation/WordDocument.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
using test::TestStation;

// A station with a scored protocol loaded and an earlier version of every file it writes.
struct Loaded {
    Loaded() {
        auto scored = test::ScoredProtocol();
        ws->files.Install(std::move(scored));
        ws->scoring.SelectAnswer(1);
    }
    TestStation ws;
};

// Every file the desks replace: a write that fails part-way reports the failure and leaves the
// earlier file whole, with no temporary beside it.
TEST(FailedWrites, EachFileTheDesksWriteStaysWholeOrIsReplacedWhole) {
    struct Case {
        const char* what;
        const char* folder; // under the root
        std::function<bool(Workstation&, const fs::path& root)> write;
    };
    const Case cases[] = {
        {"protocol save", "archivum",
         [](Workstation& w, const fs::path& root) {
             return w.files.SaveProtocol(root / "archivum" / "a.qvl");
         }},
        {"recovery copy", "aktualis",
         [](Workstation& w, const fs::path&) {
             w.indices.SetSzeiCode(w.session.CurrentProtocol().answer(1).szei == "B" ? "C" : "B");
             return w.files.WriteRecoveryCopy();
         }},
        {"examination sheet", "html",
         [](Workstation& w, const fs::path&) { return w.reports.WriteExaminationSheet().has_value(); }},
        {"protocol page", "html",
         [](Workstation& w, const fs::path&) { return w.reports.WriteProtocolPage().has_value(); }},
        {"joint report", "html",
         [](Workstation& w, const fs::path&) { return w.joint.WriteJointReport().has_value(); }},
        {"scoring help", ".",
         [](Workstation& w, const fs::path&) {
             w.help.PointAtSign(400);
             return w.help.StoreScoringHelp({"Egész válasz,", "az egész foltra."});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Loaded loaded;
        auto& ws = loaded.ws;
        auto folder = ws.root / c.folder;
        fs::create_directories(folder);
        test::ExpectFailedWritesLeaveWholeFiles(
            folder, [&] { return c.write(*ws, ws.root); }, test::AfterFailure::EachFileOldOrNew);
    }
}

// The summary export, failing in sum_stat.txt itself (the protocol it installs afterwards
// writes answer texts of its own).
TEST(FailedWrites, TheSummaryExportKeepsTheEarlierSummary) {
    Loaded loaded;
    auto& ws = loaded.ws;
    fs::create_directories(ws.root / "archivum");
    ASSERT_TRUE(ws->files.SaveProtocol(ws.root / "archivum" / "a.qvl"));
    auto summary = ws.root / "sum_stat.txt";
    test::WriteBytes(summary, "korábbi összesítő\r\n");
    auto isSummary = [](const fs::path& target) { return target.filename() == "sum_stat.txt"; };
    std::size_t total = 0;
    {
        test::CountWrites counting(isSummary);
        ASSERT_TRUE(ws->statistics.ExportSummary());
        total = counting.Written();
    }
    for (auto point : test::FailurePoints(total)) {
        test::WriteBytes(summary, "korábbi összesítő\r\n");
        test::FailWritesAfter failing(point, isSummary);
        EXPECT_FALSE(ws->statistics.ExportSummary()) << point;
        EXPECT_EQ(test::ReadBytes(summary), "korábbi összesítő\r\n") << point;
    }
    for (const auto& entry : fs::directory_iterator(ws.root)) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

TEST(FailedWrites, TheInterpretationKeepsTheEarlierText) {
    Loaded loaded;
    auto& ws = loaded.ws;
    test::ExpectFailedWritesLeaveWholeFiles(
        ws.root / "aktualis", [&] { return ws->reports.WriteInterpretation().has_value(); },
        test::AfterFailure::EachFileOldOrNew, [](std::size_t total) { return test::FailurePoints(total); });
}

TEST(FailedWrites, TopicHelpAndTheWordDocument) {
    TestStation ws;
    InstallPaths paths(ws.root);
    test::ExpectFailedWritesLeaveWholeFiles(ws.root, [&] {
        return SaveTopicFile(paths.NotesFolder() / "szei.hlp", {"Saját jegyzet,", "ékezetekkel."},
                             ws.notifier);
    });
    test::WriteBytes(paths.ShippedWordTemplateFile(), std::string(4000, 'w'));
    fs::create_directories(paths.WordDocumentFile("x").parent_path());
    test::ExpectFailedWritesLeaveWholeFiles(paths.WordDocumentFile("x").parent_path(), [&] {
        return PrepareWordDocument(paths, "ko_2026", ws.notifier).has_value();
    });
}

} // namespace
} // namespace quelvarin
