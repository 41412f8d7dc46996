#include "interpretation/Interpretation.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin::interpretation {
namespace {

// The whole interpretation of the shipped sample protocol, reviewed line by line and kept as
// the expected text. After a deliberate change of a text: make golden, and review the diff.
TEST(GoldenInterpretation, TheSampleProtocol) {
    auto sample = ReadFileBytes(std::filesystem::path(QUELVARIN_SHIPPED_TREE) / "archivum" / "minta.qvl");
    ASSERT_TRUE(sample);
    auto parse = ParseProtocol(*sample);
    ASSERT_TRUE(parse) << parse.error.reason;
    auto lines = BuildInterpretation(parse.parsed->protocol);
    ASSERT_TRUE(lines);
    auto expected = ReadFileBytes(std::filesystem::path(QUELVARIN_GOLDEN_DIR) / "minta.Szov_Ert.txt");
    ASSERT_TRUE(expected);
    EXPECT_EQ(test::FirstDifference(InterpretationBytes(*lines), *expected), "");
}

// The examination sheet and the protocol page of the sample protocol, with the shipped help
// texts in their pop-ups, reviewed once and kept.
TEST(GoldenPages, TheSampleProtocol) {
    const std::filesystem::path shipped = QUELVARIN_SHIPPED_TREE;
    test::TestStation ws;
    for (const char* help : {"jelol.dbf", "ert.dbf"}) {
        std::filesystem::copy_file(shipped / help, ws.root / help);
    }
    test::TestStation station(ws.root);
    ASSERT_TRUE(station->files.LoadProtocol(shipped / "archivum" / "minta.qvl"));
    struct Page {
        const char* golden;
        Lines lines;
    };
    const Page pages[] = {{"minta.aktualis.html", station->reports.ExaminationSheetLines()},
                          {"minta.akt_jkv.html", station->reports.ProtocolPageLines()}};
    for (const auto& page : pages) {
        auto expected = ReadFileBytes(std::filesystem::path(QUELVARIN_GOLDEN_DIR) / page.golden);
        ASSERT_TRUE(expected) << page.golden;
        EXPECT_EQ(test::FirstDifference(EncodeCp1250(JoinLines(page.lines)), *expected), "") << page.golden;
    }
}

} // namespace
} // namespace quelvarin::interpretation
