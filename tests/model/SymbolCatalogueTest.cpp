#include "model/SymbolCatalogue.h"

#include "model/DeterminantFamilies.h"

#include <gtest/gtest.h>
#include <set>

namespace quelvarin {
namespace {

TEST(SymbolCatalogue, CodeOfName) {
    struct Case {
        const char* name;
        SignCode code;
    };
    const Case cases[] = {
        {" G komb. ", 404},   // a box caption is trimmed
        {"Feleletszám", 416}, // the duplicate name resolves to the sensitivity-paranoia component
        {"FH +", 0},          // sub-variants have no name lookup
        {"FH", 149},
        {"g", 0}, // case-sensitive
        {"", 0},
        {"F +", 301},
        {"B sec +/-", 314},
        {"nFFb -", 333},
        {"asszoc.B", 343},
        {"Álarc III", 388},
        {"Elfojtás", 97},
        {"Agressziót iml., nem agr motiv.", 497},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeOfName(c.name), c.code) << c.name;
    }
}

TEST(SymbolCatalogue, NameOfCode) {
    struct Case {
        SignCode code;
        const char* name;
    };
    const Case cases[] = {
        {413, "Szines index"},
        {268, "#"},
        {1491, "#"},
        {4101, "#"},
        {89, "#"},
        {498, "#"},
        {0, "#"},
        {312, "F +/-"},
        {322, "nFFb +/-"},
        {323, "F -"},
        {309, "F(Fb) +"},
        {397, "Feleletszám"},
        {416, "Feleletszám"},
        {400, "G"},
        {300, "O%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameOfCode(c.code), c.name) << c.code;
    }
}

// Every named code is found again by its name, except 397, whose name 416 shares; and the
// catalogue names exactly the signs it should.
TEST(SymbolCatalogue, EveryNameLeadsBackToItsCode) {
    int named = 0;
    for (int code = codes::kFirstCounter; code <= codes::kLastCounter; ++code) {
        auto sign = static_cast<SignCode>(code);
        if (NameOfCode(sign) == "#") {
            continue;
        }
        ++named;
        if (code != codes::kAnswerCount) {
            EXPECT_EQ(CodeOfName(NameOfCode(sign)), sign) << code;
        }
    }
    // 12 named categories, 159 special reactions, 8 frequencies, 44 determinants, 52 contents,
    // 3 answer counts, 13 locations, the colour index, 12 + 18 index components.
    EXPECT_EQ(named, 12 + 159 + 8 + 44 + 52 + 3 + 13 + 1 + 12 + 18);
}

TEST(SymbolCatalogue, KindsAndColumns) {
    struct Case {
        SignCode code;
        SignKind kind;
        SignColumn column;
    };
    const Case cases[] = {
        {400, SignKind::Location, SignColumn::Locations},
        {412, SignKind::Location, SignColumn::Locations},
        {301, SignKind::Determinant, SignColumn::Determinants},
        {342, SignKind::Determinant, SignColumn::Determinants},
        {343, SignKind::Determinant, SignColumn::SpecialReactions},
        {344, SignKind::Determinant, SignColumn::SpecialReactions},
        {345, SignKind::Content, SignColumn::Contents},
        {396, SignKind::Content, SignColumn::Contents},
        {293, SignKind::Frequency, SignColumn::Frequencies},
        {300, SignKind::Frequency, SignColumn::Frequencies},
        {109, SignKind::SpecialReaction, SignColumn::SpecialReactions},
        {267, SignKind::SpecialReaction, SignColumn::SpecialReactions},
        {397, SignKind::AnswerCount, SignColumn::None},
        {413, SignKind::ColourIndex, SignColumn::None},
        {416, SignKind::SensitivityParanoia, SignColumn::None},
        {480, SignKind::SupplementaryInformation, SignColumn::None},
        {97, SignKind::NamedCategory, SignColumn::None},
        {268, SignKind::None, SignColumn::None},
        {1491, SignKind::None, SignColumn::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KindOfCode(c.code), c.kind) << c.code;
        EXPECT_EQ(ColumnOfCode(c.code), c.column) << c.code;
    }
}

TEST(SymbolCatalogue, SubVariantsAreListedUnderTheirParent) {
    for (SignCode code : {SignCode{1491}, SignCode{1492}, SignCode{1493}}) {
        EXPECT_EQ(ParentOfCode(code), 149);
        EXPECT_EQ(ColumnNameOfCode(code), "FH");
        EXPECT_EQ(ColumnOfSlot(code), SignColumn::SpecialReactions);
    }
    for (SignCode code : {SignCode{4101}, SignCode{4102}, SignCode{4103}}) {
        EXPECT_EQ(ParentOfCode(code), 410);
        EXPECT_EQ(ColumnNameOfCode(code), "Dzw");
        EXPECT_EQ(ColumnOfSlot(code), SignColumn::Locations);
    }
    EXPECT_FALSE(IsSubVariant(149));
    EXPECT_FALSE(IsSubVariant(1494));
    EXPECT_EQ(ParentOfCode(4104), 4104);
}

TEST(SymbolCatalogue, CardNames) {
    const char* names[] = {"I.", "II.", "III.", "IV.", "V.", "VI.", "VII.", "VIII.", "IX.", "X."};
    for (int card = 1; card <= 10; ++card) {
        EXPECT_EQ(CardName(card), names[card - 1]);
    }
    for (int card : {0, 11, -1, 255}) {
        EXPECT_EQ(CardName(card), "**") << card;
    }
}

TEST(DeterminantFamilies, EveryDeterminantUnderExactlyOneHeading) {
    std::multiset<SignCode> members;
    for (const auto& family : DeterminantFamilies()) {
        members.insert(family.members.begin(), family.members.end());
    }
    EXPECT_EQ(members.size(), 44u);
    for (SignCode code = codes::kFirstDeterminant; code <= codes::kAbsztrB; ++code) {
        EXPECT_EQ(members.count(code), 1u) << code;
    }
    const auto& form = DeterminantFamilies()[0];
    EXPECT_EQ(form.heading, "Formaválaszok");
    EXPECT_EQ(form.members, (std::vector<SignCode>{301, 312, 323}));
    const auto& shading = DeterminantFamilies()[4];
    EXPECT_EQ(shading.heading, "Árnyékolás-válaszok");
    EXPECT_EQ(shading.members, (std::vector<SignCode>{308, 319, 330, 309, 320, 331, 337, 338}));
}

} // namespace
} // namespace quelvarin
