#include "interpretation/Interpretation.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
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

} // namespace
} // namespace quelvarin::interpretation
