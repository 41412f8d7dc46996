#include "model/LocationList.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

// A line: the picture name before the first "=" without its "&"s, the label after it up to the
// next ";". Nothing after that ";" reaches the label.
TEST(LocationList, SplitsALineIntoPictureAndLabel) {
    struct Case {
        std::string line;
        std::string picture;
        std::string label;
    };
    const Case cases[] = {
        {"fej=1 'G' 'D';a fej", "fej", "1 'G' 'D'"},
        {"&bal&szárny=2 'D';", "balszárny", "2 'D'"},
        {"k=3 'Dd';megjegyzés; még egy;", "k", "3 'Dd'"},
        {"a=b=4 'D';", "a", "b=4 'D'"},     // only the first "=" divides
        {"5 'Do';nincs kép", "", "5 'Do'"}, // no "=": the label runs from the start
        {"kép=6 'zw'", "kép", ""},          // no ";" after the "="
        {"csak szöveg", "", ""},            // neither
        {"x;y=7 'G';", "x;y", "7 'G'"},     // a ";" before the "=" belongs to the name
        {"=;", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        auto location = ParseLocationLine(c.line);
        EXPECT_EQ(location.line, c.line);
        EXPECT_EQ(location.picture, c.picture) << c.line;
        EXPECT_EQ(location.label, c.label) << c.line;
    }
}

// The sign names a label offers, in the order they stand.
TEST(LocationList, TheQuotedRunsOfALabelAreItsSignNames) {
    struct Case {
        std::string label;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"1 'G' 'D'", {"G", "D"}},
        {"2 D Dd", {}},                 // no apostrophes
        {"3 'DG komb.'", {"DG komb."}}, // the last character closes the name
        {"'Dd''zw'", {"Dd", "zw"}},     // adjacent pairs
        {"4 'G' 'D", {"G"}},            // an apostrophe without its pair
        {"5 '' 'Do'", {"Do"}},          // an empty pair names nothing
        {"'", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedSignNames(c.label), c.names) << c.label;
    }
}

TEST(LocationList, ReadsAWindows1250FileOfCrLfLines) {
    test::TempDir dir;
    test::WriteBytes(dir / "4.lok", "fej=1 'G' ;k\xF6zep\r\n&sz\xE1rny=2 '\xC1' 'D';\r\n\r\n3 'Dd'\n");
    auto locations = ReadLocationList(dir / "4.lok");
    ASSERT_TRUE(locations);
    ASSERT_EQ(locations->size(), 4u) << "an empty line is a location without a label";
    EXPECT_EQ((*locations)[0], (Location{"fej=1 'G' ;közep", "fej", "1 'G' "}));
    EXPECT_EQ((*locations)[1].picture, "szárny");
    EXPECT_EQ(QuotedSignNames((*locations)[1].label), (std::vector<std::string>{"Á", "D"}));
    EXPECT_EQ((*locations)[3].label, "") << "no \";\"";
    EXPECT_FALSE(ReadLocationList(dir / "5.lok"));
}

} // namespace
} // namespace quelvarin
