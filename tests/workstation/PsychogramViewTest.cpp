#include "workstation/PsychogramView.h"

#include "model/SymbolCatalogue.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace quelvarin {
namespace {

using test::TestStation;

// Every figure of the picker pages for the shipped sample: caption, value and hint as the
// main window shows them.
TEST(PsychogramView, TheSampleAsTheMainWindowShowsIt) {
    TestStation ws;
    ASSERT_TRUE(ws->files.LoadProtocol(fs::path(QUELVARIN_SHIPPED_TREE) / "archivum" / "minta.qvl"));
    auto view = BuildPsychogramView(ws->session);
    struct Row {
        Figure figure;
        const char* caption;
        const char* value;
    };
    const Row rows[] = {
        {Figure::Answers, "Feleletszám:", "22"},
        {Figure::AnswersEarly, "I. - VII.", "15"},
        {Figure::AnswersLate, "VIII. - X.", "7"},
        {Figure::ColourIndex, "Színes index:", "32"},
        {Figure::GSum, "G:", "13"},
        {Figure::DdSum, "Dd:", "1"},
        {Figure::ApprehensionFormula, "FT:", "G!-D-(Dd)-"},
        {Figure::FormPlusPercent1, "F+%1:", "85.71"},
        {Figure::FormPlusPercent2, "F+%2:", "92.11"},
        {Figure::ExperienceType, "ÉT:", " 5.0: 4.5"},
        {Figure::SecondaryFormula, "MF:", " 0.0: 2.0"},
        {Figure::InnerTension, "IT:", " 1.0: 2.0"},
        {Figure::ContentRangeCount, "tart. körök sz.:", "10"},
        {Figure::ContentSpread, "szóródása:", "1.1"},
        {Figure::ContentSum, "összege:", "24"},
        {Figure::HumanPercent, "M%:", "27.27"},
        {Figure::ObjectPercent, "Obj%:", " 9.09"},
        {Figure::VPercent, "V-%", "73"},
        {Figure::OPercent, "O-% :", "5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(view[row.figure].caption, row.caption);
        EXPECT_EQ(view[row.figure].value, row.value) << row.caption;
    }
    EXPECT_EQ(view[Figure::Answers].hint, "A mutatók kiszámításánál a \"Versagen\"-nel jelölt kérdések\r\n"
                                          " nem számítanak bele ebbe a számba. \r\n"
                                          "Versagenek száma: 0");
    EXPECT_EQ(view[Figure::GSum].hint, "G+Gkomb+Gzw+DGkomb+DGkonf+DGkont+DzwG");
    EXPECT_EQ(view[Figure::ZwSum].labelHint, "Gzw, DzwG, Dzw, Ddzw, zw");
    EXPECT_EQ(view[Figure::FormPlusPercent1].hint, "Optimális fékrendszer");
    EXPECT_EQ(view[Figure::ExperienceType].hint, "Dilatált");
    EXPECT_EQ(view[Figure::SecondaryFormula].hint, "szenzoriális hangsúlyú");
    EXPECT_EQ(view[Figure::InnerTension].hint, "") << "the IT label is not shown";
    EXPECT_EQ(view[Figure::OPlus].hint, "Jobb egérgombbal hozzáad, ballal elvesz.");
    EXPECT_EQ(view[Figure::V1].hint,
              " összesen " + std::to_string(ws->session.CurrentProtocol().counts[293]) + " ");
    EXPECT_EQ(view.vulgarHeading, "Vulgáris válaszok: 1 tábla") << "answer 1 is selected after the load";
    for (const auto& figure : view.figures) {
        EXPECT_FALSE(figure.caption.empty());
        EXPECT_FALSE(figure.value.empty()) << figure.caption;
    }
}

TEST(PsychogramView, BeforeTheFirstBuildAndWithoutACard) {
    TestStation ws;
    auto view = BuildPsychogramView(ws->session);
    EXPECT_EQ(view[Figure::ApprehensionFormula].value, "--------------");
    EXPECT_EQ(view[Figure::Answers].value, "0");
    EXPECT_EQ(view[Figure::HumanPercent].value, " 0.00");
    EXPECT_EQ(view.vulgarHeading, "") << "no answer selected, although CurrentCard is 1 at start";
    EXPECT_TRUE(ws->scoring.CurrentVulgarEntries().empty());
    ws->scoring.SelectAnswer(1);
    EXPECT_EQ(BuildPsychogramView(ws->session).vulgarHeading, "") << "an answer without a card";
    EXPECT_TRUE(ws->scoring.CurrentVulgarEntries().empty());
    ws->scoring.ChooseCard(1);
    EXPECT_EQ(BuildPsychogramView(ws->session).vulgarHeading, "Vulgáris válaszok: 1 tábla");
    EXPECT_FALSE(ws->scoring.CurrentVulgarEntries().empty());
    ws->files.NewProtocol();
    EXPECT_EQ(BuildPsychogramView(ws->session).vulgarHeading, "") << "nothing selected after új Ro.";
    EXPECT_TRUE(ws->scoring.CurrentVulgarEntries().empty());
    EXPECT_TRUE(BuildPsychogramView(ws->session).frequentContents.empty());
}

// The boxes each figure is computed from, highlighted while the mouse is over it.
TEST(PsychogramView, SourceBoxesOfTheFigures) {
    auto names = [](Figure figure) {
        std::vector<std::string> listed;
        for (auto code : SourceBoxesOf(figure)) {
            listed.emplace_back(NameOfCode(code));
        }
        return listed;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(Figure::GSum),
              (Names{"G", "G komb.", "Gzw", "DG komb.", "DG konf.", "DG kont.", "DzwG"}));
    EXPECT_EQ(names(Figure::DSum), (Names{"D", "DG komb.", "DG konf.", "DG kont."}));
    EXPECT_EQ(names(Figure::DdSum), (Names{"Dd", "Ddzw"}));
    EXPECT_EQ(names(Figure::ZwSum), (Names{"Dzw", "Ddzw", "Gzw", "DzwG", "zw"}));
    EXPECT_EQ(names(Figure::FormPlusPercent1), (Names{"F +", "F +/-", "F -"}));
    EXPECT_EQ(names(Figure::InnerTension), (Names{"FHd +", "FHd +/-", "FHd -", "HdF", "Hd"}));
    EXPECT_EQ(names(Figure::HumanPercent), (Names{"M", "(M)", "Md"}));
    EXPECT_EQ(names(Figure::AnimalPercent), (Names{"T", "Td"}));
    EXPECT_EQ(names(Figure::ObjectPercent), (Names{"Obj.", "Jármű"}));
    EXPECT_EQ(SourceBoxesOf(Figure::FormPlusPercent2).size(), 33u);
    EXPECT_EQ(SourceBoxesOf(Figure::ExperienceType).size(), 11u);
    EXPECT_EQ(SourceBoxesOf(Figure::SecondaryFormula).size(), 29u);
    for (auto code : SourceBoxesOf(Figure::SecondaryFormula)) {
        EXPECT_EQ(KindOfCode(code), SignKind::Determinant) << code;
    }
    EXPECT_TRUE(SourceBoxesOf(Figure::Answers).empty());
    EXPECT_TRUE(SourceBoxesOf(Figure::ApprehensionFormula).empty());
}

} // namespace
} // namespace quelvarin
