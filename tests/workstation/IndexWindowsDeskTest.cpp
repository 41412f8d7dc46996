// What the index windows show and keep: the Neiger initial state, the alcoholism verdict, the
// sensitivity-paranoia table, and the sheet's diagnosis without effective answers.
#include "support/EventRecorder.h"
#include "support/ProtocolBuilder.h"
#include "workstation/IndexWindowTexts.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::EventRecorder;
using test::TestStation;
using Events = std::vector<std::string>;
using NeigerTicks = IndicesDesk::NeigerTicks;

NeigerTicks Ticked(std::initializer_list<std::size_t> rows) {
    NeigerTicks ticks{};
    for (auto row : rows) {
        ticks[row] = true;
    }
    return ticks;
}

void GiveAnswers(TestStation& ws, int count) {
    for (int n = 1; n <= count; ++n) {
        ws.AnswerOnCard(n, 1);
    }
}

TEST(NeigerInitialState, RestoreReturnsTheRowsTheWindowFound) {
    TestStation ws;
    EventRecorder events(ws->session);
    ws->indices.SetNeigerTick(0, true);
    ws->indices.OpenNeiger();
    EXPECT_TRUE(ws->indices.NeigerAtInitialState());
    ws->indices.SetNeigerTick(3, true);
    ws->indices.SetNeigerTick(0, false);
    EXPECT_FALSE(ws->indices.NeigerAtInitialState()) << "a tick change releases \"kiindulási állapot\"";
    events.Take();

    ws->indices.RestoreNeigerTicks();
    EXPECT_EQ(ws->session.CurrentProtocol().neigerVulgars, Ticked({0}));
    EXPECT_TRUE(ws->indices.NeigerAtInitialState());
    EXPECT_EQ(events.Take(), Events{"checks"});
    ws->indices.RestoreNeigerTicks();
    EXPECT_EQ(events.Take(), Events{}) << "pressed again: nothing changes";

    ws->indices.SetNeigerTick(5, true);
    ws->indices.OpenNeiger(); // the window opened again
    ws->indices.RestoreNeigerTicks();
    EXPECT_EQ(ws->session.CurrentProtocol().neigerVulgars, Ticked({0, 5})) << "the rows found the last time";
}

TEST(NeigerInitialState, AReplacedProtocolIsItsOwnInitialState) {
    TestStation ws;
    auto file = ws.root / "neiger.qvl";
    test::WriteBytes(file, SerializeProtocol(test::ScoredProtocol().protocol, {})); // rows 0 and 15
    struct Case {
        const char* replacement;
        std::function<void()> replace;
        NeigerTicks rows;
    };
    const Case cases[] = {
        {"new", [&] { ws->files.NewProtocol(); }, Ticked({})},
        {"opened", [&] { ASSERT_TRUE(ws->files.LoadProtocol(file)); }, Ticked({0, 15})},
    };
    for (const auto& c : cases) {
        ws->indices.SetNeigerTick(7, true);
        ws->indices.OpenNeiger(); // the window stays open over the replacement
        ws->indices.SetNeigerTick(8, true);
        c.replace();
        EXPECT_TRUE(ws->indices.NeigerAtInitialState()) << c.replacement;
        ws->indices.SetNeigerTick(2, true);
        ws->indices.RestoreNeigerTicks();
        EXPECT_EQ(ws->session.CurrentProtocol().neigerVulgars, c.rows)
            << c.replacement << ": not the previous subject's rows";
        EXPECT_EQ(ws->indices.NeigerInitialState(), c.rows) << c.replacement;
    }
}

TEST(NeigerInitialState, TheLabelsFollowTheRowsAndTheSchoolLevel) {
    TestStation ws;
    EXPECT_EQ(ws->indices.Neiger().score, " 0.0");
    EXPECT_FALSE(ws->indices.Neiger().schoolLevel);
    ASSERT_TRUE(ws->indices.SetSchoolLevel(0));
    ws->indices.SetNeigerTick(4, true);
    auto view = ws->indices.Neiger();
    EXPECT_EQ(view.score, " 3.5");
    EXPECT_EQ(view.rating, "Valószínűleg patológiás érték");
    EXPECT_EQ(view.schoolLevel, 0);
    EXPECT_FALSE(ws->indices.SetSchoolLevel(8));
    EXPECT_EQ(ws->session.CurrentProtocol().personal.education, "általános iskola 6-ig");
}

TEST(AlcoholismWindow, TheVerdictAgreesWithTheRequiredNumberWhenTheListOpens) {
    struct Case {
        int answers;
        int ticks;
        const char* required;
        const char* verdict;
        bool highlighted;
        bool shortProtocolTick;
    };
    const Case cases[] = {
        {10, 1, "1", "Alkoholizmus feltételezhető.", true, true},
        {11, 1, "2", "Alkoholizmus nem feltételezhető.", false, false},
        {11, 2, "2", "Alkoholizmus feltételezhető.", true, false},
        {31, 3, "4", "Alkoholizmus nem feltételezhető.", false, false},
        {31, 4, "4", "Alkoholizmus feltételezhető.", true, false},
    };
    TestStation ws;
    for (const auto& c : cases) {
        ws->files.NewProtocol();
        ws->indices.OpenAlcoholismChecklist();
        for (int item = 1; item <= 13; ++item) {
            ws->indices.SetAlcoholismTick(item, item <= c.ticks);
        }
        GiveAnswers(ws, c.answers); // the protocol grows after the ticks were given
        ws->indices.OpenAlcoholismChecklist();
        auto view = ws->indices.Alcoholism();
        EXPECT_EQ(view.answers, std::to_string(c.answers));
        EXPECT_EQ(view.required, c.required) << c.answers;
        EXPECT_EQ(view.ticked, std::to_string(c.ticks));
        EXPECT_EQ(view.verdict, c.verdict) << c.answers << " answers, " << c.ticks << " ticked";
        EXPECT_EQ(view.highlighted, c.highlighted);
        EXPECT_EQ(view.shortProtocolTickEnabled, c.shortProtocolTick) << c.answers;
    }
}

TEST(AlcoholismWindow, TheCaptionNamesTheIndexAsItsMenuItemDoes) {
    EXPECT_EQ(window_texts::index_windows::AlcoholismCaption(), "Az alkoholizmus szindrómája");
}

TEST(SensitivityParanoiaWindow, TheTableOfAComputation) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseContentsRow("Szem");
    ws.AnswerOnCard(2, 4);
    ws->indices.ComputeSensitivityParanoia();
    auto view = ws->indices.SensitivityParanoiaTable();
    ASSERT_EQ(view.rows.size(), 12u);
    EXPECT_EQ(view.rows[0].label, "Feleletszám");
    EXPECT_EQ(view.rows[0].frequency, "2");
    EXPECT_EQ(view.rows[1].label, "Szem-tartalmak");
    EXPECT_EQ(view.rows[1].weight, "81");
    EXPECT_EQ(view.rows[1].frequency, "1");
    EXPECT_EQ(view.rows[1].product, "81");
    EXPECT_EQ(view.rows[10].weight, "-46");
    EXPECT_EQ(view.rows[10].product, "0");
    EXPECT_EQ(view.sum, "81");
    EXPECT_EQ(view.index, "503"); // ((81 / 2) + 10) * 10 - 2
    EXPECT_EQ(view.zone, szenzipara::Zone::PsychoticParanoid);
    EXPECT_EQ(view.note, "");
}

TEST(SensitivityParanoiaWindow, NothingOfAnEarlierComputationWithoutEffectiveAnswers) {
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseContentsRow("Szem");
    ws->indices.ComputeSensitivityParanoia();
    ASSERT_TRUE(ws->indices.SensitivityParanoia().zone);

    ws->files.NewProtocol();
    EXPECT_EQ(ws->indices.SensitivityParanoia().indicated, "") << "the replaced protocol's diagnosis";
    EXPECT_FALSE(ws->indices.SensitivityParanoia().figures);

    ws->indices.ComputeSensitivityParanoia();
    auto view = ws->indices.SensitivityParanoiaTable();
    EXPECT_EQ(view.note, "Nincs értékelhető felelet: az index nem számítható.");
    EXPECT_FALSE(view.zone);
    EXPECT_EQ(view.index, "");
    EXPECT_EQ(view.sum, "");
    for (const auto& row : view.rows) {
        EXPECT_EQ(row.frequency, "") << row.label;
        EXPECT_EQ(row.product, "") << row.label;
    }
    EXPECT_EQ(view.rows[1].weight, "81") << "the weights are no figures of the subject";
    EXPECT_EQ(ws->indices.SensitivityParanoia().index, 10000);
}

TEST(ExaminationSheet, NoDiagnosisWithoutEffectiveAnswers) {
    auto diagnosisLines = [](const Lines& lines) {
        int found = 0;
        for (const auto& line : lines) {
            found += line.find("diagnózis:") != std::string::npos ? 1 : 0;
        }
        return found;
    };
    TestStation ws;
    ws.AnswerOnCard(1, 1);
    ws->scoring.ChooseContentsRow("Szem");
    ASSERT_EQ(diagnosisLines(ws->reports.ExaminationSheetLines()), 2);

    ws->scoring.ChooseCard(0); // the protocol's only answer taken back
    auto lines = ws->reports.ExaminationSheetLines();
    EXPECT_EQ(diagnosisLines(lines), 0);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "<P><B>Szenzitivitás-paranoiditás index: 10000</B><BR>"),
              lines.end());

    ws.AnswerOnCard(1, 1);
    ws->reports.ExaminationSheetLines();
    ws->files.NewProtocol(); // another subject
    EXPECT_EQ(diagnosisLines(ws->reports.ExaminationSheetLines()), 0);
}

} // namespace
} // namespace quelvarin
