#include "model/ContentsOrder.h"

#include "model/SignNames.h"
#include "model/SymbolCatalogue.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {
namespace {

// A small Hungarian comparison of its own, to check the fixed table against: the letters of
// the Hungarian alphabet in order, each accented vowel sharing the rank of its plain one.
struct Letter {
    std::string_view spelling; // lower case
    int rank;
    bool accented;
};
// clang-format off
constexpr Letter kLetters[] = {
    {"a", 1, false}, {"á", 1, true}, {"b", 2, false}, {"c", 3, false}, {"cs", 4, false},
    {"d", 5, false}, {"dz", 6, false}, {"dzs", 7, false}, {"e", 8, false}, {"é", 8, true},
    {"f", 9, false}, {"g", 10, false}, {"gy", 11, false}, {"h", 12, false}, {"i", 13, false},
    {"í", 13, true}, {"j", 14, false}, {"k", 15, false}, {"l", 16, false}, {"ly", 17, false},
    {"m", 18, false}, {"n", 19, false}, {"ny", 20, false}, {"o", 21, false}, {"ó", 21, true},
    {"ö", 22, false}, {"ő", 22, true}, {"p", 23, false}, {"q", 24, false}, {"r", 25, false},
    {"s", 26, false}, {"sz", 27, false}, {"t", 28, false}, {"ty", 29, false}, {"u", 30, false},
    {"ú", 30, true}, {"ü", 31, false}, {"ű", 31, true}, {"v", 32, false}, {"w", 33, false},
    {"x", 34, false}, {"y", 35, false}, {"z", 36, false}, {"zs", 37, false},
};
constexpr std::pair<std::string_view, std::string_view> kCapitals[] = {
    {"Á", "á"}, {"É", "é"}, {"Í", "í"}, {"Ó", "ó"}, {"Ö", "ö"}, {"Ő", "ő"}, {"Ú", "ú"}, {"Ü", "ü"}, {"Ű", "ű"},
};
// clang-format on
constexpr int kBlank = 0;

struct SortKey {
    std::vector<int> ranks;    // a blank is 0, before every letter
    std::vector<bool> accents; // breaks a tie: the plain letter first
    int ignored = 0;           // breaks the last tie: "M" before "(M)"
};

std::string LowerCase(std::string_view name) {
    std::string lower;
    for (std::size_t i = 0; i < name.size();) {
        bool capital = false;
        for (auto [upper, small] : kCapitals) {
            if (name.substr(i, upper.size()) == upper) {
                lower += small;
                i += upper.size();
                capital = true;
                break;
            }
        }
        if (!capital) {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
            ++i;
        }
    }
    return lower;
}

SortKey KeyOf(std::string_view name) {
    SortKey key;
    std::string lower = LowerCase(name);
    std::string_view rest = lower;
    while (!rest.empty()) {
        if (rest.front() == '.' || rest.front() == '(' || rest.front() == ')') {
            ++key.ignored;
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == ' ') {
            key.ranks.push_back(kBlank);
            key.accents.push_back(false);
            rest.remove_prefix(1);
            continue;
        }
        const Letter* longest = nullptr;
        for (const auto& letter : kLetters) {
            if (rest.starts_with(letter.spelling) &&
                (!longest || letter.spelling.size() > longest->spelling.size())) {
                longest = &letter;
            }
        }
        if (!longest) {
            ADD_FAILURE() << "no Hungarian letter at \"" << rest << "\" of \"" << name << "\"";
            return key;
        }
        key.ranks.push_back(longest->rank);
        key.accents.push_back(longest->accented);
        rest.remove_prefix(longest->spelling.size());
    }
    return key;
}

bool Before(std::string_view left, std::string_view right) {
    auto a = KeyOf(left);
    auto b = KeyOf(right);
    if (a.ranks != b.ranks) {
        return a.ranks < b.ranks;
    }
    if (a.accents != b.accents) {
        return a.accents < b.accents;
    }
    return a.ignored < b.ignored;
}

TEST(ContentsOrder, TheTestsComparisonFollowsTheHungarianRule) {
    struct Case {
        std::string_view earlier;
        std::string_view later;
    };
    const Case cases[] = {
        {"kor", "kór"},                             // accents only break a tie
        {"kór", "korea"},                           // ... and a shorter word goes first
        {"Álarc", "Anat."},                         // á and a are one letter at first
        {"osztás", "öt"},                           // o and ö are two letters
        {"uzsonna", "ütés"},                        // ... and u and ü
        {"cukor", "csak"},                          // cs is a letter after c
        {"Sár", "Szcéna"},                          // sz after s
        {"tűz", "tyúk"},                            // ty after t
        {"madzag", "mag"},                          // dz after d, but before g
        {"Md", "Md Obj."},                          // the blank before every letter
        {"Md Obj.", "Mda"},  {"M", "(M)"},          // parentheses are ignored but for the last tie
        {"(M)", "Ma"},       {"Anat.", "Anatómia"}, // the full stop is ignored
        {"Tőr", "Tűz"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Before(c.earlier, c.later)) << c.earlier << " < " << c.later;
        EXPECT_FALSE(Before(c.later, c.earlier)) << c.later << " < " << c.earlier;
    }
}

TEST(ContentsOrder, HoldsEachContentExactlyOnce) {
    auto order = ContentsInAlphabeticalOrder();
    std::vector<SignCode> codes(order.begin(), order.end());
    std::sort(codes.begin(), codes.end());
    std::vector<SignCode> contents;
    for (SignCode code = codes::kFirstContent; code <= codes::kLastContent; ++code) {
        contents.push_back(code);
    }
    EXPECT_EQ(codes, contents);
    for (SignCode code : order) {
        EXPECT_EQ(KindOfCode(code), SignKind::Content) << code;
    }
}

TEST(ContentsOrder, IsInHungarianAlphabeticalOrder) {
    auto order = ContentsInAlphabeticalOrder();
    ASSERT_EQ(order.size(), 52u);
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_TRUE(Before(NameOfCode(order[i - 1]), NameOfCode(order[i])))
            << "row " << i << ": \"" << NameOfCode(order[i - 1]) << "\" before \"" << NameOfCode(order[i])
            << "\"";
    }
}

TEST(ContentsOrder, RowsAProofreaderChecks) {
    auto order = ContentsInAlphabeticalOrder();
    auto rowOf = [&order](SignCode code) {
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), code) - order.begin());
    };
    EXPECT_EQ(order.front(), Sign("Absztr."));
    EXPECT_EQ(order.back(), Sign("Víz"));
    EXPECT_EQ(rowOf(Sign("Álarc I")), 1u) << "Á counts as A: Álarc before Amorf and Anat.";
    EXPECT_LT(rowOf(Sign("Álarc I")), rowOf(Sign("Anat.")));
    EXPECT_EQ(rowOf(Sign("Álarc II")), rowOf(Sign("Álarc I")) + 1);
    EXPECT_EQ(rowOf(Sign("Álarc III")), rowOf(Sign("Álarc II")) + 1);
    EXPECT_EQ(rowOf(Sign("(M)")), rowOf(Sign("M")) + 1);
    EXPECT_EQ(rowOf(Sign("Md Obj.")), rowOf(Sign("Md")) + 1);
    EXPECT_GT(rowOf(Sign("Szcéna")), rowOf(Sign("Sár"))) << "sz is a letter after s";
    EXPECT_EQ(rowOf(Sign("Sár")), rowOf(Sign("Sacrum")) + 1);
    EXPECT_EQ(rowOf(Sign("Tűz")), rowOf(Sign("Tőr")) + 1);
    EXPECT_EQ(rowOf(Sign("Füst")), rowOf(Sign("Festmény")) + 1);
    EXPECT_EQ(rowOf(Sign("Szörny")), rowOf(Sign("Szobor")) + 1);
}

} // namespace
} // namespace quelvarin
