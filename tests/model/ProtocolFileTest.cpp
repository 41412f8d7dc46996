#include "model/ProtocolFile.h"

#include "platform/Cp1250.h"
#include "platform/LineFile.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace pf = protocol_file;

Lines FileLines(const std::string& bytes) {
    return SplitLines(DecodeCp1250(bytes));
}

std::string FreshProtocolBytes() {
    Protocol protocol;
    ResetToNewProtocol(protocol, "2026.12.10.");
    return SerializeProtocol(protocol, AnswerTexts{});
}

TEST(ProtocolFile, LayoutOfAFreshProtocol) {
    auto bytes = FreshProtocolBytes();
    auto lines = FileLines(bytes);
    ASSERT_EQ(lines.size(), 3524u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n") << "CR LF after every line, the last text empty";
    EXPECT_EQ(lines[0], "Quelvarin_Win32");
    EXPECT_EQ(lines[1], "# személyi adatok");
    const Lines personal(lines.begin() + 2, lines.begin() + 14);
    EXPECT_EQ(personal,
              (Lines{"", "", "", "", "férfi", "30", "", "", "", "", "középiskola IV.", "2026.12.10."}));
    EXPECT_EQ(lines[14], "# reakció- és táblaidők");
    EXPECT_EQ(lines[55], "# Ro. jelölések darabszámai");
    EXPECT_EQ(lines[445], "# Neiger vulgok");
    EXPECT_EQ(lines[462], "# a 90 felelet...");
    EXPECT_EQ(lines[3433], "# a válaszok szövegei");
    for (int line = 15; line <= 461; ++line) {
        if (line != 55 && line != 445) {
            EXPECT_EQ(lines[static_cast<std::size_t>(line)], "0") << line;
        }
    }
    for (int n = 1; n <= 90; ++n) {
        auto start = static_cast<std::size_t>(pf::kAnswersLine + pf::kAnswerBlockLines * (n - 1));
        EXPECT_EQ(lines[start], "?");
        EXPECT_EQ(lines[start + 1], "-");
        for (std::size_t offset = 2; offset < 33; ++offset) {
            EXPECT_EQ(lines[start + offset], "0") << n << " " << offset;
        }
        EXPECT_EQ(lines[static_cast<std::size_t>(3433 + n)], "");
    }
}

TEST(ProtocolFile, ScoredProtocolSurvivesSaveLoadSaveByteForByte) {
    auto scored = test::ScoredProtocol();
    auto bytes = SerializeProtocol(scored.protocol, scored.texts);
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse) << parse.error.reason;
    EXPECT_EQ(test::FirstDifference(SerializeProtocol(parse.parsed->protocol, parse.parsed->texts), bytes),
              "");

    const auto& loaded = parse.parsed->protocol;
    EXPECT_EQ(loaded.personal.name, "Kovács Ödön");
    EXPECT_EQ(loaded.personal.age, 41);
    EXPECT_EQ(loaded.cardTime(10).cardSeconds, 59);
    EXPECT_EQ(loaded.counts, scored.protocol.counts);
    EXPECT_EQ(loaded.neigerVulgars, scored.protocol.neigerVulgars);
    EXPECT_EQ(loaded.answers, scored.protocol.answers);
    EXPECT_EQ(parse.parsed->texts, scored.texts);
}

TEST(ProtocolFile, ThreeLineTextWithAnEmptyMiddleLine) {
    AnswerTexts texts;
    texts[4] = {"egy", "", "három"};
    auto bytes = SerializeProtocol(Protocol{}, texts);
    EXPECT_EQ(FileLines(bytes)[3434 + 4], "egy**három*");
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse);
    EXPECT_EQ(parse.parsed->texts[4], (AnswerText{"egy", "", "három"}));
}

TEST(ProtocolFile, TextAfterTheLastAsteriskIsDropped) {
    auto bytes = test::ProtocolBytesWithLine(FreshProtocolBytes(), 3434, "a*b*maradék");
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse);
    EXPECT_EQ(parse.parsed->texts[0], (AnswerText{"a", "b"}));
}

TEST(ProtocolFile, ReadsLfOnlyFiles) {
    auto scored = test::ScoredProtocol();
    auto bytes = SerializeProtocol(scored.protocol, scored.texts);
    std::string lfOnly;
    for (char c : bytes) {
        if (c != '\r') {
            lfOnly.push_back(c);
        }
    }
    auto parse = ParseProtocol(lfOnly);
    ASSERT_TRUE(parse) << parse.error.reason;
    EXPECT_EQ(test::FirstDifference(SerializeProtocol(parse.parsed->protocol, parse.parsed->texts), bytes),
              "");
}

TEST(ProtocolFile, RejectsAWrongMagic) {
    for (const char* magic : {"Quelvarin_Win32 ", "quelvarin_win32", "", "Quelvarin_Win16"}) {
        auto parse = ParseProtocol(test::ProtocolBytesWithLine(FreshProtocolBytes(), 0, magic));
        EXPECT_FALSE(parse) << magic;
        EXPECT_EQ(parse.error.problem, ProtocolFileProblem::NotQuelvarin);
        EXPECT_EQ(parse.error.line, 1);
        EXPECT_EQ(parse.error.reason, "Ez nem Quelvarin állomány!!!");
    }
    EXPECT_EQ(ParseProtocol("").error.problem, ProtocolFileProblem::NotQuelvarin);
}

TEST(ProtocolFile, RejectsATruncatedFileAtItsFirstMissingLine) {
    auto lines = FileLines(FreshProtocolBytes());
    for (std::size_t kept : {1u, 8u, 100u, 3433u, 3523u}) {
        Lines cut(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept));
        auto parse = ParseProtocol(EncodeCp1250(JoinLines(cut)));
        EXPECT_FALSE(parse) << kept;
        EXPECT_EQ(parse.error.problem, ProtocolFileProblem::MissingLine) << kept;
        EXPECT_EQ(parse.error.line, static_cast<int>(kept) + 1) << kept;
    }
}

TEST(ProtocolFile, RejectsBadNumbersWithTheirLine) {
    struct Case {
        int line; // from 0
        const char* value;
        ProtocolFileProblem problem;
    };
    const Case cases[] = {
        {7, "harminc", ProtocolFileProblem::NotANumber}, // age
        {7, "", ProtocolFileProblem::NotANumber},
        {7, " 30", ProtocolFileProblem::NotANumber},
        {7, "2147483648", ProtocolFileProblem::OutOfRange},
        {16, "1.5", ProtocolFileProblem::NotANumber},  // a card time
        {56, "12a", ProtocolFileProblem::NotANumber},  // counter of 109
        {444, "256", ProtocolFileProblem::OutOfRange}, // counter of 497
        {60, "-1", ProtocolFileProblem::NotANumber},   // counters have no sign
        {465, "x", ProtocolFileProblem::NotANumber},   // card of answer 1
        {465, "11", ProtocolFileProblem::OutOfRange},
        {466, "65536", ProtocolFileProblem::OutOfRange}, // slot 1 of answer 1
        {3432, "+5", ProtocolFileProblem::NotANumber},   // slot 30 of answer 90
    };
    for (const auto& c : cases) {
        auto parse = ParseProtocol(test::ProtocolBytesWithLine(FreshProtocolBytes(), c.line, c.value));
        EXPECT_FALSE(parse) << c.line << " " << c.value;
        EXPECT_EQ(parse.error.problem, c.problem) << c.line << " " << c.value;
        EXPECT_EQ(parse.error.line, c.line + 1);
        EXPECT_FALSE(parse.error.reason.empty());
    }
}

TEST(ProtocolFile, ReasonsNameTheValueAndTheField) {
    auto parse = ParseProtocol(test::ProtocolBytesWithLine(FreshProtocolBytes(), 465, "x"));
    EXPECT_EQ(parse.error.reason, "a(z) 1. felelet táblája: itt egész számnak kell állnia, de „x” áll.");
    parse = ParseProtocol(test::ProtocolBytesWithLine(FreshProtocolBytes(), 400 - 109 + 56, "300"));
    EXPECT_EQ(parse.error.reason,
              "a(z) 400. jel („G”) darabszáma: a(z) „300” érték kívül esik a megengedett 0–255 tartományon.");
}

TEST(ProtocolFile, AcceptsSignedAgesAndTimesAndAnyValueOfTheLimits) {
    auto bytes = FreshProtocolBytes();
    bytes = test::ProtocolBytesWithLine(bytes, 7, "-3");
    bytes = test::ProtocolBytesWithLine(bytes, 15, "-2147483648");
    bytes = test::ProtocolBytesWithLine(bytes, 444, "255");
    bytes = test::ProtocolBytesWithLine(bytes, 466, "65535");
    bytes = test::ProtocolBytesWithLine(bytes, 465, "10");
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse) << parse.error.reason;
    const auto& protocol = parse.parsed->protocol;
    EXPECT_EQ(protocol.personal.age, -3);
    EXPECT_EQ(protocol.cardTime(1).reactionMinutes, -2147483647 - 1);
    EXPECT_EQ(protocol.counts[497], 255);
    EXPECT_EQ(protocol.answer(1).slots[0], 65535);
    EXPECT_EQ(protocol.answer(1).card, 10);
}

TEST(ProtocolFile, OnlyALineOfExactlyOneTicksANeigerRow) {
    auto bytes = FreshProtocolBytes();
    const char* values[] = {"1", "1 ", "true", "01", "", "0", "2"};
    for (int i = 0; i < 7; ++i) {
        bytes = test::ProtocolBytesWithLine(bytes, pf::kNeigerLine + i, values[i]);
    }
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse);
    const auto& flags = parse.parsed->protocol.neigerVulgars;
    EXPECT_TRUE(flags[0]);
    for (int i = 1; i < 7; ++i) {
        EXPECT_FALSE(flags[static_cast<std::size_t>(i)]) << values[i];
    }
}

TEST(ProtocolFile, HeadingsAreNotReadAndExtraLinesAreIgnored) {
    auto bytes = test::ProtocolBytesWithLine(FreshProtocolBytes(), 55, "bármi");
    bytes += "ráadás sor\r\n";
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse) << parse.error.reason;
}

// A line break typed into a field would shift every later line of the file.
TEST(ProtocolFile, LineBreaksInsideValuesAreWrittenAsBlanks) {
    Protocol protocol;
    protocol.personal.name = "Első\r\nMásodik";
    protocol.answer(1).szei = "A\n";
    AnswerTexts texts;
    texts[0] = {"sor\rvége"};
    auto bytes = SerializeProtocol(protocol, texts);
    auto lines = FileLines(bytes);
    ASSERT_EQ(lines.size(), 3524u);
    EXPECT_EQ(lines[2], "Első  Második");
    EXPECT_EQ(lines[463], "A ");
    EXPECT_EQ(lines[3434], "sor vége*");
}

// Found by the fuzzer: a CR inside a line must not survive a load, or the next save would
// write something else than was read.
TEST(ProtocolFile, ALoneCarriageReturnInsideAValueReadsAsABlank) {
    auto bytes = test::ProtocolBytesWithLine(FreshProtocolBytes(), 463, "?\r)");
    bytes = test::ProtocolBytesWithLine(bytes, 3434, "a\rb*");
    auto parse = ParseProtocol(bytes);
    ASSERT_TRUE(parse);
    EXPECT_EQ(parse.parsed->protocol.answer(1).szei, "? )");
    EXPECT_EQ(parse.parsed->texts[0], (AnswerText{"a b"}));
    auto written = SerializeProtocol(parse.parsed->protocol, parse.parsed->texts);
    auto again = ParseProtocol(written);
    ASSERT_TRUE(again);
    EXPECT_EQ(SerializeProtocol(again.parsed->protocol, again.parsed->texts), written);
}

TEST(ProtocolFile, Cp1250OnDisk) {
    Protocol protocol;
    protocol.personal.name = "Őz Űr";
    auto bytes = SerializeProtocol(protocol, AnswerTexts{});
    EXPECT_NE(bytes.find("\r\n\xD5z \xDBr\r\n"), std::string::npos);
}

} // namespace
} // namespace quelvarin
