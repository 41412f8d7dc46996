#include "scoring/Typologies.h"

#include "scoring/PsychogramText.h"
#include "support/CountsBuilder.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace quelvarin {
namespace {

using test::WithCounts;

const std::map<std::string, std::string> kAbbreviations = {
    {"KT", "Koartált"},
    {"KV", "Koartatív"},
    {"IE", "Introverzió nélküli extr."},
    {"EI", "Extraverzió nélküli intr."},
    {"EX", "Extravertált"},
    {"IN", "Introvertált"},
    {"AM", "Ambiekvális"},
    {"DE", "Dilatatív extravertált"},
    {"DI", "Dilatatív introvertált"},
    {"EE", "Ellensúlyos extravertált"},
    {"EsI", "Ellensúlyos introvertált"},
    {"DL", "Dilatált"},
};

// The published check table of the experience type: rows movement 0..6, columns colour 0..6,
// in half units.
const char* const kCheckTable[13] = {
    "KT KT KV IE IE IE IE IE IE IE IE IE IE",     // 0
    "KT KT KV EX EX EX EX EX IE IE IE IE IE",     // 0.5
    "KV KV KV AM AM EX EX EX EX EX EX EX DE",     // 1
    "EI IN AM AM AM AM EX EX EX EX EX EX DE",     // 1.5
    "EI IN AM AM AM AM AM EE EE EE EE EE DE",     // 2
    "EI IN IN AM AM AM AM AM EE EE EE EE EE",     // 2.5
    "EI IN IN IN AM AM AM DL DL DL EE EE EE",     // 3
    "EI IN IN IN EsI AM DL DL DL DL DL EE EE",    // 3.5
    "EI EI IN IN EsI EsI DL DL DL DL DL DL DL",   // 4
    "EI EI IN IN EsI EsI DL DL DL DL DL DL DL",   // 4.5
    "EI EI IN IN EsI EsI EsI DL DL DL DL DL DL",  // 5
    "EI EI IN IN EsI EsI EsI EsI DL DL DL DL DL", // 5.5
    "EI EI DI DI DI EsI EsI EsI DL DL DL DL DL",  // 6
};

TEST(ExperienceType, EveryCellOfTheCheckTable) {
    for (int row = 0; row < 13; ++row) {
        std::istringstream cells(kCheckTable[row]);
        std::string cell;
        for (int column = 0; column < 13; ++column) {
            ASSERT_TRUE(cells >> cell);
            EXPECT_EQ(ClassifyExperienceType(row * 0.5, column * 0.5), kAbbreviations.at(cell))
                << "ÉT " << row * 0.5 << " : " << column * 0.5;
        }
    }
}

TEST(ExperienceType, EveryPairUpToTwentyIsLabelledAndMirrorSymmetric) {
    const std::map<std::string_view, std::string_view> mirror = {
        {"Koartált", "Koartált"},
        {"Koartatív", "Koartatív"},
        {"Ambiekvális", "Ambiekvális"},
        {"Dilatált", "Dilatált"},
        {"Extravertált", "Introvertált"},
        {"Introvertált", "Extravertált"},
        {"Introverzió nélküli extr.", "Extraverzió nélküli intr."},
        {"Extraverzió nélküli intr.", "Introverzió nélküli extr."},
        {"Dilatatív extravertált", "Dilatatív introvertált"},
        {"Dilatatív introvertált", "Dilatatív extravertált"},
        {"Ellensúlyos extravertált", "Ellensúlyos introvertált"},
        {"Ellensúlyos introvertált", "Ellensúlyos extravertált"},
    };
    for (int b = 0; b <= 40; ++b) {
        for (int c = 0; c <= 40; ++c) {
            auto label = ClassifyExperienceType(b * 0.5, c * 0.5);
            ASSERT_EQ(mirror.count(label), 1u) << b * 0.5 << " : " << c * 0.5 << " has no label";
            EXPECT_EQ(ClassifyExperienceType(c * 0.5, b * 0.5), mirror.at(label))
                << b * 0.5 << " : " << c * 0.5;
        }
    }
}

TEST(ExperienceType, FromTheDeterminants) {
    // B+ 2, B sec- 1, Fb 1, FbF 1, FFb+ 2.
    auto protocol = WithCounts(10, {{302, 2}, {325, 1}, {335, 1}, {334, 1}, {307, 2}});
    auto typologies = ComputeTypologies(protocol);
    EXPECT_EQ(psychogram_text::Pair(typologies.experienceType), " 2.5: 3.5");
    EXPECT_EQ(typologies.experienceTypeLabel, "Ambiekvális");
}

TEST(SecondaryFormula, Labels) {
    struct Case {
        double kinaesthetic, sensory;
        const char* label;
    };
    const Case cases[] = {
        {1, 1.5, "feszült"},
        {1.5, 0, "kinesztéziáss hangsúlyú"},
        {4, 8, "feszült"},
        {0, 1.5, "szenzoriális hangsúlyú"},
        {1, 1, "sivár"},
        {0, 0, "sivár"},
        {3.5, 5.5, "szenzoriális hangsúlyú"},
        {4, 5.5, "feszült"},
        {5.5, 3.5, "kinesztéziáss hangsúlyú"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifySecondaryFormula(c.kinaesthetic, c.sensory), c.label)
            << c.kinaesthetic << " : " << c.sensory;
    }
}

TEST(SecondaryFormula, FromTheDeterminants) {
    // B klein+ 1, asszoc.B 1 against Hd 1 (1.5), HdF 1, FHd- 1 (0.5), F(Fb)+/- 1 (0.5).
    auto protocol = WithCounts(10, {{304, 1}, {343, 1}, {338, 1}, {337, 1}, {330, 1}, {320, 1}});
    auto pair = ComputeTypologies(protocol).secondaryFormula;
    EXPECT_EQ(psychogram_text::Pair(pair), " 2.0: 3.5");
}

// Each row of the inner-tension table at the edges of its bands, with the cells without a label.
TEST(InnerTension, EveryRowAtItsBandEdges) {
    const char* const S = "sivár";
    const char* const N = "ellensúly nélküli zw hangsúlyú";
    const char* const Z = "zw hangsúlyú";
    const char* const F = "feszült";
    const char* const H = "Hd hangsúlyú";
    struct Row {
        int zw;
        std::vector<std::pair<int, const char*>> edges; // rounded shading, label
    };
    const Row rows[] = {
        {0, {{0, S}, {1, S}, {2, H}, {20, H}}},
        {1, {{1, S}, {2, F}, {3, F}, {4, H}, {20, H}}},
        {2, {{0, N}, {1, F}, {5, F}, {6, H}, {20, H}}},
        {3, {{0, N}, {1, Z}, {2, F}, {7, F}, {8, ""}, {9, H}, {20, H}}},
        {4, {{0, N}, {1, Z}, {2, Z}, {3, F}, {9, F}, {10, H}}},
        {5, {{1, N}, {2, Z}, {3, Z}, {4, F}, {11, F}, {12, H}, {20, H}}},
        {6, {{1, N}, {2, Z}, {4, Z}, {5, F}, {20, F}}},
        {7, {{1, N}, {5, Z}, {6, F}}},
        {8, {{1, N}, {6, Z}, {7, F}}},
        {9, {{1, N}, {7, Z}, {8, F}}},
        {10, {{1, N}, {8, Z}, {9, F}}},
        {11, {{1, N}, {9, Z}, {10, F}}},
        {12, {{0, N}, {1, N}, {2, Z}, {10, Z}, {11, F}, {20, F}, {21, ""}}},
        {13, {{0, ""}, {5, ""}}},
    };
    for (const auto& row : rows) {
        for (auto [shading, label] : row.edges) {
            EXPECT_EQ(ClassifyInnerTension(row.zw, shading), label)
                << "zw " << row.zw << " shading " << shading;
        }
    }
}

TEST(InnerTension, TheShadingIsRoundedHalfToEven) {
    EXPECT_EQ(ClassifyInnerTension(4, 4.5), "feszült"); // 4.5 to 4
    EXPECT_EQ(ClassifyInnerTension(0, 3), "Hd hangsúlyú");
    EXPECT_EQ(ClassifyInnerTension(2, 0.5), "ellensúly nélküli zw hangsúlyú"); // 0.5 to 0
    EXPECT_EQ(ClassifyInnerTension(0, 1.5), "Hd hangsúlyú");                   // 1.5 to 2
    EXPECT_EQ(ClassifyInnerTension(0, 2.5), "Hd hangsúlyú");                   // 2.5 to 2
    EXPECT_EQ(ClassifyInnerTension(3, 7.5), "");                               // 7.5 to 8: no label
    EXPECT_EQ(ClassifyInnerTension(1, 3.5), "Hd hangsúlyú");                   // 3.5 to 4
}

TEST(FormLevel, PercentagesAndRating) {
    auto none = ComputeTypologies(Protocol{});
    EXPECT_EQ(none.formPlusPercent1, 0);
    EXPECT_EQ(none.formPlusPercent2, 0);
    EXPECT_EQ(none.intellectRating, "Nagyon alacsony értelmi teljesítmény");

    // F+ 6, F+/- 2, F- 2.
    auto protocol = WithCounts(10, {{301, 6}, {312, 2}, {323, 2}});
    auto typologies = ComputeTypologies(protocol);
    EXPECT_EQ(psychogram_text::Percent(typologies.formPlusPercent1), "70.00");
    EXPECT_EQ(typologies.intellectRating, "Az értelmi szabályozás rosszul működik")
        << "70 is in the lower band";
    // With B+ 2, FFb+ 2 and B sec- 1 as well.
    protocol.counts.Set(302, 2);
    protocol.counts.Set(307, 2);
    protocol.counts.Set(325, 1);
    EXPECT_EQ(psychogram_text::Percent(ComputeTypologies(protocol).formPlusPercent2), "73.33");
}

TEST(FormLevel, IntellectRatingBands) {
    struct Case {
        double percent;
        const char* rating;
    };
    const Case cases[] = {
        {0, "Nagyon alacsony értelmi teljesítmény"},
        {60, "Nagyon alacsony értelmi teljesítmény"},
        {60.01, "Az értelmi szabályozás rosszul működik"},
        {70.01, "Lazább fékrendszer"},
        {80, "Lazább fékrendszer"},
        {85.71, "Optimális fékrendszer"},
        {90, "Optimális fékrendszer"},
        {90.01, "Erős fékrendszer"},
        {100, "Erős fékrendszer"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntellectRating(c.percent), c.rating) << c.percent;
    }
}

TEST(PsychogramText, Formats) {
    EXPECT_EQ(psychogram_text::Percent(75), "75.00");
    EXPECT_EQ(psychogram_text::Percent(100), "100.00");
    EXPECT_EQ(psychogram_text::Pair({2.5, 3.5}), " 2.5: 3.5");
    EXPECT_EQ(psychogram_text::Pair({12, 0}), "12.0: 0.0");
    EXPECT_EQ(psychogram_text::Spread(0), "0.0");
}

} // namespace
} // namespace quelvarin
