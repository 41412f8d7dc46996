#include "indices/neiger.h"
#include "model/ProtocolFile.h"
#include "scoring/AnswerCounts.h"
#include "scoring/PsychogramText.h"
#include "support/ProtocolBuilder.h"
#include "support/SessionTestAccess.h"
#include "workstation/PsychogramView.h"

#include <functional>
#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

// Whether the workstation's copy of a figure group agrees with the protocol as it is now.
bool Current(Workstation& ws, RefreshStep step) {
    const auto& protocol = ws.session.CurrentProtocol();
    const auto& figures = ws.session.Figures();
    switch (step) {
    case RefreshStep::ApprehensionMode:
        return figures.apprehension == BuildApprehensionFormula(protocol);
    case RefreshStep::AnswerCounts:
        return protocol.counts[397] == ComputeAnswerCounts(protocol).total &&
               protocol.counts[413] == ComputeAnswerCounts(protocol).colourIndex;
    case RefreshStep::DeterminantFigures:
        return figures.typologies == ComputeTypologies(protocol);
    case RefreshStep::ContentFigures:
        return figures.contents == ComputeContentFigures(protocol);
    case RefreshStep::VulgarPercent:
        return protocol.counts[296] == neiger::VulgarPercent(protocol);
    case RefreshStep::OriginalityPercent:
        return protocol.counts[300] == neiger::OriginalityPercent(protocol);
    case RefreshStep::AnswersPerCard:
        return figures.answersPerCard == CountAnswersPerCard(protocol);
    }
    return false;
}

constexpr RefreshStep kAllSteps[] = {RefreshStep::ApprehensionMode,   RefreshStep::AnswerCounts,
                                     RefreshStep::DeterminantFigures, RefreshStep::ContentFigures,
                                     RefreshStep::VulgarPercent,      RefreshStep::OriginalityPercent,
                                     RefreshStep::AnswersPerCard};

// A scored protocol whose every figure group the workstation holds is then made stale behind
// its back, so that an event shows exactly which groups it recomputes.
void PrepareStaleFigures(TestStation& ws) {
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    ws->scoring.ClickSignBox(302);
    ws->scoring.ClickSignBox(345);
    ws.AnswerOnCard(2, 8);
    ws->scoring.ClickSignBox(401);
    ws->scoring.ClickSignBox(335);
    ws->scoring.ChooseVulgarRow("V-1");
    ws->scoring.ChooseOriginalityRow("O+");
    auto& protocol = SessionTestAccess::ProtocolOf(ws->session);
    protocol.answer(3).card = 4;  // another answer: R, the percentages and the cards change
    protocol.counts.Set(400, 9);  // G
    protocol.counts.Set(302, 4);  // B +
    protocol.counts.Set(347, 3);  // Anat.
    protocol.counts.Set(293, 2);  // V-1
    protocol.counts.Set(299, 2);  // O-
    protocol.counts.Set(397, 77); // a stale answer count
    for (auto step : kAllSteps) {
        ASSERT_FALSE(Current(*ws, step)) << static_cast<int>(step) << " is not stale";
    }
    ws->scoring.SelectAnswer(2);
}

TEST(PsychogramRefresh, EachEventRecomputesExactlyWhatItNames) {
    struct Case {
        const char* event;
        std::function<void(Workstation&)> act;
        RefreshSteps steps;
    };
    const Case cases[] = {
        {"location", [](Workstation& w) { w.scoring.ClickSignBox(402); }, refresh::kLocationEntered},
        {"determinant", [](Workstation& w) { w.scoring.ClickSignBox(312); }, refresh::kDeterminantEntered},
        {"content box", [](Workstation& w) { w.scoring.ClickSignBox(348); }, refresh::kContentEntered},
        {"contents list", [](Workstation& w) { w.scoring.ChooseContentsRow("Td"); },
         refresh::kContentEntered},
        {"vulgar", [](Workstation& w) { w.scoring.ChooseVulgarRow("V-3"); }, refresh::kVulgarEntered},
        {"originality", [](Workstation& w) { w.scoring.RightClickOriginalityBox(298); },
         refresh::kOriginalityEntered},
        {"special reaction", [](Workstation& w) { w.scoring.ChooseSpecialReactionRow("Sztereotípia"); },
         refresh::kSpecialReactionEntered},
        {"Versagen", [](Workstation& w) { w.scoring.ChooseSpecialReactionRow("Versagen"); },
         refresh::kVersagenEntered},
        {"removal", [](Workstation& w) { w.scoring.RemoveColumnEntry(SignColumn::Determinants, 0); },
         refresh::kSignRemoved},
        {"card", [](Workstation& w) { w.scoring.ChooseCard(5); }, refresh::kCardChosen},
    };
    for (const auto& c : cases) {
        TestStation ws;
        PrepareStaleFigures(ws);
        c.act(*ws);
        EXPECT_EQ(ws->session.LastRefresh(), c.steps) << c.event;
        for (auto step : kAllSteps) {
            EXPECT_EQ(Current(*ws, step), c.steps.Has(step))
                << c.event << ": step " << static_cast<int>(step);
        }
    }
}

TEST(PsychogramRefresh, ALoadRecomputesEverything) {
    TestStation ws;
    auto scored = test::ScoredProtocol();
    test::WriteBytes(ws.dir / "k.qvl", SerializeProtocol(scored.protocol, scored.texts));
    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "k.qvl"));
    for (auto step : kAllSteps) {
        EXPECT_TRUE(Current(*ws, step)) << static_cast<int>(step);
    }
}

TEST(PsychogramRefresh, RemovingTheOnlyMovementChangesTheExperienceTypeAtOnce) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(302); // B +
    ws->scoring.ClickSignBox(335); // Fb
    EXPECT_EQ(psychogram_text::Pair(ws->session.Figures().typologies.experienceType), " 1.0: 1.5");
    EXPECT_EQ(ws->session.Figures().typologies.experienceTypeLabel, "Ambiekvális");
    ws->scoring.RemoveColumnEntry(SignColumn::Determinants, 0);
    EXPECT_EQ(psychogram_text::Pair(ws->session.Figures().typologies.experienceType), " 0.0: 1.5");
    EXPECT_EQ(ws->session.Figures().typologies.experienceTypeLabel, "Introverzió nélküli extr.");
}

TEST(PsychogramRefresh, RemovingTheOnlyAnatLowersTheContentFiguresAtOnce) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseContentsRow("Anat.");
    ws->scoring.ChooseContentsRow("M");
    ASSERT_EQ(ws->session.Figures().contents.sum, 2);
    ASSERT_EQ(ws->session.Figures().contents.rangeCount, 2);
    ws->scoring.RemoveColumnEntry(SignColumn::Contents, 0);
    EXPECT_EQ(ws->session.Figures().contents.sum, 1);
    EXPECT_EQ(ws->session.Figures().contents.rangeCount, 1);
}

TEST(PsychogramRefresh, TheFormulaLabelBeforeTheFirstBuild) {
    TestStation ws;
    EXPECT_EQ(BuildPsychogramView(ws->session)[Figure::ApprehensionFormula].value, "--------------");
    ws.AnswerOnCard(1, 1);
    ws->scoring.ClickSignBox(400);
    EXPECT_EQ(BuildPsychogramView(ws->session)[Figure::ApprehensionFormula].value, "")
        << "one answer grades nothing";
}

TEST(SensitivityParanoiaWindow, ComputesAndShowsNoEarlierResultWithoutAnswers) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseContentsRow("Szem");
    const auto& standing = ws->indices.ComputeSensitivityParanoia();
    EXPECT_EQ(standing.index, 909); // ((81 / 1) + 10) * 10 - 1
    EXPECT_EQ(standing.zone, szenzipara::Zone::PsychoticParanoid);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[416], 1);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[417], 1);

    ws->scoring.ChooseCard(0); // no answer left
    ws->indices.ComputeSensitivityParanoia();
    EXPECT_EQ(ws->indices.SensitivityParanoia().index, 10000);
    EXPECT_FALSE(ws->indices.SensitivityParanoia().zone);
    EXPECT_EQ(ws->indices.SensitivityParanoia().indicated, "");
    EXPECT_FALSE(ws->indices.SensitivityParanoia().figures);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[416], 1) << "the counters keep the last computation";
}

} // namespace
} // namespace quelvarin
