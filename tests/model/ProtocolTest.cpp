#include "model/Protocol.h"

#include "model/Inspection.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(Protocol, StartsEmptyWithoutANewProtocol) {
    Protocol protocol;
    for (const auto& answer : protocol.answers) {
        EXPECT_EQ(answer.card, 0);
        EXPECT_EQ(answer.szei, "?");
        EXPECT_EQ(answer.transference, "-");
        EXPECT_EQ(answer.slots, (std::array<SignCode, kSlotCount>{}));
    }
    EXPECT_EQ(protocol.personal.age, 0);
    EXPECT_EQ(protocol.personal.date, "");
    EXPECT_EQ(protocol.personal.sex, "");
    EXPECT_EQ(protocol.personal.education, "");
    EXPECT_EQ(protocol.counts, SymbolCounts{});
}

TEST(Protocol, NewProtocolResetsEverything) {
    Protocol protocol;
    protocol.personal.name = "Név";
    protocol.personal.code = "kód";
    protocol.personal.clinicalQuestions = "Kérdés?*";
    protocol.personal.age = 55;
    protocol.cardTime(4).cardSeconds = 33;
    protocol.counts.Set(400, 9);
    protocol.counts.Set(497, 1);
    protocol.neigerVulgars[3] = true;
    protocol.answer(7) = {3, {400, 301}, "A", "Semleges"};

    ResetToNewProtocol(protocol, "2026.12.10.");

    const auto& personal = protocol.personal;
    EXPECT_EQ(personal.date, "2026.12.10.");
    EXPECT_EQ(personal.sex, "férfi");
    EXPECT_EQ(personal.age, 30);
    EXPECT_EQ(personal.education, "középiskola IV.");
    for (const auto* field :
         {&personal.name, &personal.code, &personal.number, &personal.occupation, &personal.clinicalQuestions,
          &personal.ward, &personal.examiner, &personal.diagnosis}) {
        EXPECT_EQ(*field, "");
    }
    EXPECT_EQ(protocol.cardTime(4).cardSeconds, 0);
    EXPECT_EQ(protocol.counts, SymbolCounts{});
    EXPECT_FALSE(protocol.neigerVulgars[3]);
    EXPECT_EQ(protocol.answer(7), Answer{});
}

TEST(Protocol, CountersExistOnlyFor90To497) {
    SymbolCounts counts;
    counts.Set(89, 5);
    counts.Set(498, 5);
    counts.Set(1491, 5);
    EXPECT_EQ(counts, SymbolCounts{});
    counts.Set(90, 1);
    counts.Set(497, 2);
    EXPECT_EQ(counts[90], 1);
    EXPECT_EQ(counts[497], 2);
    EXPECT_EQ(counts[1491], 0);
}

TEST(Inspection, CounterViewer) {
    Protocol protocol;
    protocol.counts.Set(400, 3);
    auto rows = CounterViewerRows(protocol);
    ASSERT_EQ(rows.size(), 408u);
    EXPECT_EQ(rows[400 - 90], "G=3;");
    EXPECT_EQ(rows[0], "#=0;");
    EXPECT_EQ(rows.back(), "Agressziót iml., nem agr motiv.=0;");
    EXPECT_EQ(CounterViewerCode(310), 400);
}

TEST(Inspection, RawAnswerViewer) {
    Protocol protocol;
    protocol.answer(2) = {5, {400, 0, 1492}, "?", "-"};
    auto rows = RawAnswerRows(protocol, 2);
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[0], "5");
    EXPECT_EQ(rows[1], "400");
    EXPECT_EQ(rows[3], "1492");
    EXPECT_EQ(RawAnswerCaption(protocol, 2, 0), "Táblaszám: 5");
    EXPECT_EQ(RawAnswerCaption(protocol, 2, 1), "G");
    EXPECT_EQ(RawAnswerCaption(protocol, 2, 2), "#");
    EXPECT_EQ(RawAnswerLabel(4), "4. elem");
    EXPECT_TRUE(RawAnswerRows(protocol, 91).empty());
}

} // namespace
} // namespace quelvarin
