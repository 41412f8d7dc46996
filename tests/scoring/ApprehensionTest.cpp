#include "scoring/Apprehension.h"

#include "support/CountsBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::WithCounts;
constexpr SignCode G = 400, D = 401, Dd = 402, Do = 403, GKomb = 404, Gzw = 405, DGKomb = 406, DGKonf = 407,
                   DGKont = 408, DzwG = 409, Dzw = 410, Ddzw = 411, Zw = 412;

TEST(Apprehension, CombinedLocationsCountInSeveralSums) {
    auto protocol = WithCounts(10, {{G, 1},
                                    {D, 2},
                                    {Dd, 3},
                                    {GKomb, 1},
                                    {Gzw, 1},
                                    {DGKomb, 1},
                                    {DGKonf, 1},
                                    {DGKont, 1},
                                    {DzwG, 1},
                                    {Dzw, 1},
                                    {Ddzw, 1},
                                    {Zw, 1}});
    EXPECT_EQ(ComputeLocationSums(protocol), (LocationSums{7, 5, 4, 5}));
}

TEST(Apprehension, TheDocumentedExample) {
    auto protocol = WithCounts(20, {{G, 8}, {D, 10}, {Dd, 1}, {Zw, 3}});
    EXPECT_EQ(BuildApprehensionFormula(protocol).formula, "G-D-(Dd)-zw-");
}

TEST(Apprehension, AnEmptyProtocol) {
    auto figures = BuildApprehensionFormula(Protocol{});
    EXPECT_EQ(figures.formula, "");
    EXPECT_EQ(figures.sums, LocationSums{});
    EXPECT_EQ(figures.flags, ApprehensionFlags{});
}

// The main grades at the edges of the bands of R and of their ranges.
TEST(Apprehension, MainGradesAtTheEdges) {
    enum Which { OfG, OfD, OfDd, OfZw };
    struct Case {
        int answers;
        Which which;
        int count;
        Grade grade;
    };
    const Case cases[] = {
        {5, OfG, 5, Grade::None}, // no grading below six answers
        {0, OfD, 3, Grade::None},
        {6, OfG, 1, Grade::None}, // below the first range
        {6, OfG, 2, Grade::UnderRepresented},
        {7, OfG, 7, Grade::Emphasised},
        {7, OfG, 8, Grade::Emphasised}, // no strongly emphasised G with six or seven answers
        {6, OfDd, 0, Grade::None},
        {6, OfDd, 1, Grade::Normal}, // Dd is never under-represented there
        {6, OfZw, 3, Grade::StronglyEmphasised},
        {8, OfG, 8, Grade::StronglyEmphasised},
        {8, OfG, 9, Grade::StronglyEmphasised}, // the cell's top "8" holds more G as well
        {8, OfDd, 3, Grade::Emphasised},
        {9, OfG, 10, Grade::StronglyEmphasised},
        {11, OfG, 9, Grade::Emphasised},
        {12, OfD, 1, Grade::None},
        {14, OfD, 8, Grade::StronglyEmphasised},
        {15, OfDd, 1, Grade::UnderRepresented},
        {16, OfZw, 2, Grade::UnderRepresented},
        {17, OfG, 15, Grade::StronglyEmphasised},
        {18, OfG, 15, Grade::Emphasised},
        {22, OfD, 15, Grade::StronglyEmphasised},
        {23, OfD, 16, Grade::Normal},
        {25, OfG, 20, Grade::StronglyEmphasised},
        {29, OfZw, 4, Grade::Normal},
        {35, OfDd, 12, Grade::StronglyEmphasised},
        {36, OfZw, 2, Grade::None},
        {44, OfD, 34, Grade::Emphasised},
        {45, OfG, 19, Grade::StronglyEmphasised},
        {56, OfDd, 6, Grade::None},
        {57, OfZw, 13, Grade::StronglyEmphasised},
        {70, OfD, 26, Grade::UnderRepresented},
        {71, OfG, 8, Grade::UnderRepresented},
        {89, OfDd, 27, Grade::StronglyEmphasised},
        {90, OfG, 9, Grade::UnderRepresented},
        {90, OfZw, 18, Grade::StronglyEmphasised},
        {91, OfG, 10, Grade::Normal}, // beyond 90 the last band holds
    };
    for (const auto& c : cases) {
        LocationSums sums;
        (c.which == OfG ? sums.g : c.which == OfD ? sums.d : c.which == OfDd ? sums.dd : sums.zw) = c.count;
        auto grades = GradeMainLocations(c.answers, sums);
        Grade got = c.which == OfG    ? grades.g
                    : c.which == OfD  ? grades.d
                    : c.which == OfDd ? grades.dd
                                      : grades.zw;
        EXPECT_EQ(got, c.grade) << "R " << c.answers << " column " << c.which << " count " << c.count;
    }
}

TEST(Apprehension, DoBands) {
    struct Case {
        int answers, count;
        Grade grade;
    };
    const Case cases[] = {
        {10, 0, Grade::None},
        {10, 1, Grade::Normal},
        {20, 1, Grade::UnderRepresented},
        {17, 2, Grade::Emphasised},
        {18, 2, Grade::Normal},
        {17, 3, Grade::StronglyEmphasised},
        {18, 3, Grade::Emphasised},
        {18, 4, Grade::StronglyEmphasised},
        {5, 20, Grade::StronglyEmphasised},
        {30, 21, Grade::None},
        {0, 3, Grade::None},
        {0, 4, Grade::StronglyEmphasised},
        {0, 21, Grade::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GradeDo(c.answers, c.count), c.grade) << "R " << c.answers << " Do " << c.count;
    }
}

TEST(Apprehension, CombinedLocationsAtOneTwoThreeTwentyAndTwentyOne) {
    struct Case {
        const char* element;
        int answers, count;
        Grade grade;
    };
    const Case cases[] = {
        {"DGkonf", 10, 1, Grade::UnderRepresented},
        {"DGkonf", 20, 1, Grade::None},
        {"DGkonf", 0, 1, Grade::None},
        {"DzwG", 0, 2, Grade::Normal},
        {"DzwG", 20, 3, Grade::Emphasised},
        {"DGkonf", 20, 20, Grade::StronglyEmphasised},
        {"DGkonf", 20, 21, Grade::None},
        {"DGkomb", 10, 1, Grade::None},
        {"Gzw", 10, 2, Grade::Normal},
        {"Gkomb", 20, 2, Grade::UnderRepresented},
        {"DGkomb", 20, 3, Grade::Normal},
        {"Gzw", 17, 3, Grade::Emphasised},
        {"Gkomb", 10, 20, Grade::StronglyEmphasised},
        {"DGkomb", 20, 20, Grade::Emphasised},
        {"Gzw", 0, 3, Grade::None},
        {"Gkomb", 20, 21, Grade::None},
        {"DGkont", 0, 1, Grade::Normal},
        {"DGkont", 30, 2, Grade::Emphasised},
        {"DGkont", 5, 3, Grade::StronglyEmphasised},
        {"DGkont", 5, 20, Grade::StronglyEmphasised},
        {"DGkont", 5, 21, Grade::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GradeCombinedLocation(c.element, c.answers, c.count), c.grade)
            << c.element << " R " << c.answers << " n " << c.count;
    }
}

TEST(Apprehension, FormulaOrderAndWriting) {
    auto protocol = WithCounts(10, {{G, 5},
                                    {D, 4},
                                    {Dd, 1},
                                    {Do, 2},
                                    {DGKonf, 2},
                                    {DGKomb, 2},
                                    {Gzw, 3},
                                    {GKomb, 4},
                                    {DzwG, 1},
                                    {DGKont, 1}});
    // G 5 + 2 + 2 + 3 + 4 + 1 + 1 = 18, D 4 + 2 + 2 + 1 = 9, Dd 1, zw 3 + 1 = 4 with ten answers.
    EXPECT_EQ(BuildApprehensionFormula(protocol).formula,
              "G!!-D!!-Dd-zw!!-Do!-DGkonf-DGkomb-Gzw!-Gkomb!!-(DzwG)-DGkont-");
}

TEST(Apprehension, Flags) {
    struct Case {
        Protocol protocol;
        std::vector<ApprehensionFlag> set;
    };
    using F = ApprehensionFlag;
    const Case cases[] = {
        {WithCounts(25, {{G, 20}}), {F::G, F::GEmphasised, F::GStrong}},
        {WithCounts(16, {{Zw, 2}}), {F::Zw}},
        {WithCounts(20, {{G, 8}, {Do, 3}}), {F::G, F::Do, F::DoEmphasised}},
        {WithCounts(10, {{D, 6}, {Dd, 4}, {DGKont, 2}}), {}}, // D, Dd and combined set no flag
        {WithCounts(5, {{G, 5}, {Do, 4}}), {F::Do, F::DoEmphasised, F::DoStrong}},
    };
    for (const auto& c : cases) {
        auto figures = BuildApprehensionFormula(c.protocol);
        ApprehensionFlags expected{};
        for (auto flag : c.set) {
            expected[static_cast<std::size_t>(flag)] = true;
        }
        EXPECT_EQ(figures.flags, expected) << figures.formula;
    }
}

TEST(Apprehension, ADGKonfAnswerCountsForGAndDAndFromTwoOnWritesItsOwnElement) {
    auto one = WithCounts(20, {{G, 7}, {D, 8}, {DGKonf, 1}});
    EXPECT_EQ(BuildApprehensionFormula(one).formula, "G-D-");
    auto two = WithCounts(20, {{G, 6}, {D, 7}, {DGKonf, 2}, {Do, 1}});
    EXPECT_EQ(BuildApprehensionFormula(two).formula, "G-D-(Do)-DGkonf-");
}

TEST(Apprehension, RIsTheAnswersWithACard) {
    auto protocol = WithCounts(20, {{G, 8}});
    protocol.counts.Set(397, 3); // a stale counter: R comes from the cards
    EXPECT_EQ(BuildApprehensionFormula(protocol).formula, "G-");
}

} // namespace
} // namespace quelvarin
