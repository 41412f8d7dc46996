// The coding windows of SZEI and of the transference scale, and what their evaluation windows
// show, through the indices desk.
#include "support/ProtocolBuilder.h"
#include "workstation/Messages.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

// Counts the times the SZEI coding window is told to follow the desk.
struct SzeiCodingEvents : SessionObserver {
    explicit SzeiCodingEvents(Session& s) : session(s) { session.AddObserver(*this); }
    ~SzeiCodingEvents() override { session.RemoveObserver(*this); }
    void SzeiCodingChanged() override { ++count; }
    Session& session;
    int count = 0;
};

// Answers 1.. on card 1, coded as given.
void CodeAnswers(TestStation& ws, std::initializer_list<const char*> codes) {
    int n = 1;
    for (const char* code : codes) {
        ws.AnswerOnCard(n++, 1);
        ASSERT_TRUE(ws->indices.SetSzeiCode(code));
    }
}

TEST(SzeiCodingWindow, ARowClickSetsTheTabByItsCodeAndOpensModallyOnlyWhenUncoded) {
    struct Case {
        const char* code;
        std::optional<int> tab;
        bool modal;
    };
    constexpr int kBefore = 2; // "D", chosen before the click
    const Case cases[] = {
        {"A", 0, false},
        {"E", 1, false},
        {"D", 2, false},
        {"C", 3, false},
        {"B", 4, false},
        {"0", std::nullopt, false},
        {"x", std::nullopt, false},
        {"?", kBefore, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TestStation ws;
        ws.AnswerOnCard(7, 4);
        ASSERT_TRUE(ws->indices.SetSzeiCode(c.code));
        ws->scoring.SelectAnswer(1, CardChoice::HeldBack);
        // Shown read only from the evaluation window before, on another tab.
        ws->indices.ShowSzeiCategory(kBefore);
        ws->indices.SzeiWindowOpened();

        ws->indices.ClickSzeiRow(7);
        const auto& coding = ws->indices.SzeiCodingWindow();
        EXPECT_EQ(ws->session.CurrentAnswer(), 7);
        EXPECT_EQ(coding.Tab(), c.tab);
        EXPECT_EQ(coding.Mode(), CodingMode::Coding);
        EXPECT_EQ(ws->indices.SzeiWindowRequested(),
                  c.modal ? std::optional<WindowOpening>(WindowOpening::Modal) : std::nullopt);
        EXPECT_EQ(coding.CanMark(), c.tab.has_value());
    }
}

TEST(SzeiCodingWindow, ADoubleClickOrEnterAsksForTheWindowNotModally) {
    TestStation ws;
    CodeAnswers(ws, {"C", "?"});
    for (int answer : {1, 2}) {
        ws->indices.OpenSzeiRow(answer);
        EXPECT_EQ(ws->session.CurrentAnswer(), answer);
        EXPECT_EQ(ws->indices.SzeiWindowRequested(), WindowOpening::Modeless);
        ws->indices.SzeiWindowOpened();
        EXPECT_EQ(ws->indices.SzeiWindowRequested(), std::nullopt);
    }
    EXPECT_EQ(ws->indices.SzeiCodingWindow().Tab(), 3) << "the uncoded row left the tab of C";
}

TEST(SzeiCodingWindow, AnAnswerWithoutACardHasItsCardChosenBeforeTheWindowOpens) {
    TestStation ws;
    SzeiCodingEvents events(ws->session);
    ws->indices.ClickSzeiRow(4);
    EXPECT_TRUE(ws->session.CardChoiceWanted()) << "selected as the answer list selects it";
    EXPECT_EQ(ws->indices.SzeiWindowRequested(), std::nullopt);
    int before = events.count;
    ASSERT_TRUE(ws->scoring.ChooseCard(5));
    EXPECT_GT(events.count, before) << "the window is told once the choice is over";
    EXPECT_EQ(ws->indices.SzeiWindowRequested(), WindowOpening::Modal);

    // Closing the card choice without a card opens it as well.
    ws->indices.SzeiWindowOpened();
    ws->indices.ClickSzeiRow(5);
    ws->scoring.CloseCardChoice();
    EXPECT_EQ(ws->indices.SzeiWindowRequested(), WindowOpening::Modal);
    // A protocol replaced drops what was asked for the previous one.
    ws->files.NewProtocol();
    EXPECT_EQ(ws->indices.SzeiWindowRequested(), std::nullopt);
}

TEST(SzeiCodingWindow, ShowingACategoryIsReadOnly) {
    TestStation ws;
    CodeAnswers(ws, {"A"});
    ws->indices.ShowSzeiCategory(4);
    const auto& coding = ws->indices.SzeiCodingWindow();
    EXPECT_EQ(coding.Mode(), CodingMode::ReadOnly);
    EXPECT_EQ(coding.Tab(), 4);
    EXPECT_EQ(ws->indices.SzeiWindowRequested(), WindowOpening::Modal);
    ws->indices.ChooseSzeiTab(1);
    EXPECT_EQ(coding.Tab(), 4) << "its tabs are disabled";
    EXPECT_FALSE(ws->indices.MarkSzei());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).szei, "A");

    ws->indices.ClickSzeiRow(1);
    ws->indices.ChooseSzeiTab(1);
    EXPECT_EQ(coding.Tab(), 1);
    EXPECT_TRUE(ws->indices.MarkSzei());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).szei, "E");
}

TEST(SzeiCodingWindow, TheDescriptionOfTheChosenTabKeepsItsTrailingBlanks) {
    TestStation ws;
    const auto& tabs = ws->indices.SzeiCodingWindow().Tabs();
    EXPECT_TRUE(tabs.Description().empty());
    ws->indices.ChooseSzeiTab(0);
    auto lines = tabs.Description();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "SZEI-A: ");
    EXPECT_EQ(lines[2], "tartalma, vagy jelképes tartalma bizonytalan. ");
    ws->indices.ChooseSzeiTab(9);
    EXPECT_EQ(ws->indices.SzeiCodingWindow().Tab(), std::nullopt) << "a tab out of the strip is none";
}

TEST(SzeiCodingWindow, MarkingStoresNothingWithoutATabOrWithoutASelectedAnswer) {
    TestStation ws;
    ws->indices.ChooseSzeiTab(4);
    EXPECT_FALSE(ws->indices.MarkSzei());
    EXPECT_EQ(ws.notifier.Messages(), std::vector<std::string>{std::string(messages::kNoAnswerSelected)});
    EXPECT_FALSE(ws->session.Modified());

    ws.AnswerOnCard(3, 2);
    ws->indices.ClickSzeiRow(3); // "?": the tab of B stays
    ws->indices.ChooseSzeiTab(std::nullopt);
    EXPECT_FALSE(ws->indices.MarkSzei());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).szei, "?");

    ws->indices.ChooseSzeiTab(4);
    EXPECT_TRUE(ws->indices.MarkSzei());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).szei, "B");
    EXPECT_EQ(ws.notifier.Messages().size(), 1u);
}

TEST(TransferenceCodingWindow, MarkingStoresTheHeadingAndMakesItTheFieldsHint) {
    TestStation ws;
    const auto& tabs = ws->indices.TransferenceCodingWindow();
    ASSERT_EQ(tabs.Tabs().size(), 8u);
    EXPECT_EQ(ws->indices.TransferenceFieldHint(), "Ktttintson az ÁTTÉTEL beviteléhez!");
    EXPECT_FALSE(ws->indices.MarkTransference()) << "no tab";

    ws->indices.ChooseTransferenceTab(3);
    EXPECT_EQ(tabs.Description().front(), "Függőség, kiszolgáltatottság.");
    EXPECT_FALSE(ws->indices.MarkTransference()) << "no answer";
    EXPECT_EQ(ws.notifier.Messages(), std::vector<std::string>{std::string(messages::kNoAnswerSelected)});
    EXPECT_EQ(ws->indices.TransferenceFieldHint(), "Ktttintson az ÁTTÉTEL beviteléhez!");

    ws.AnswerOnCard(2, 6);
    EXPECT_TRUE(ws->indices.MarkTransference());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(2).transference, "Függőség, kiszolgáltatottság.");
    EXPECT_EQ(ws->indices.TransferenceFieldHint(), "Függőség, kiszolgáltatottság.");

    ws->indices.ChooseTransferenceTab(7);
    EXPECT_EQ(tabs.Description(),
              (std::vector<std::string>{
                  "Semleges válaszok.", "Az előző kategóriák egyikébe sem sorolható be.",
                  "A válaszok túlnyomó része ide tartozik. Normális", "felnőttek jegyzőkönyvében 50 %."}));
    ws->indices.ChooseTransferenceTab(std::nullopt);
    EXPECT_FALSE(ws->indices.MarkTransference());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(2).transference, "Függőség, kiszolgáltatottság.");
}

TEST(IndexEvaluations, SzeiCountsMeanAndTheSentence) {
    TestStation ws;
    // A 0, E -2, C +1 twice, B +2 and a "0" in the base: 2 / 6 = 0.33.
    CodeAnswers(ws, {"A", "C", "C", "B", "E", "0"});
    auto view = ws->indices.SzeiEvaluation();
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& row : view.rows) {
        rows.emplace_back(row.label, row.value);
    }
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{
                        {"Nincs megragadható szimbolikus tartalom (0 pont)", "1"},
                        {"Elsődleges szexuális vagy agresszív tartalom (-2 pont)", "1"},
                        {"Eltávolodott, áttételes válasz (-1 pont)", "0"},
                        {"Áttett és megszelidített tartalom (+1 pont)", "2"},
                        {"Szexuális és agresszív hátterű szimbolikus válasz (+2 pont)", "1"},
                        {"A fentiek szerint súlypontozott átlag:", " 0.3"},
                    }));
    EXPECT_EQ(view.interpretation, "Az észlelt személyiségzavarok, antiszociális cselekvések, életvezetési "
                                   "válságok inkább pszichopátiás folyamatra vezethetők vissza.");
}

TEST(IndexEvaluations, TransferenceBarsAndTheWindowsWidth) {
    struct Case {
        std::vector<const char*> codes;
        std::array<int, 6> percents; // Semleges, Pozitív, Szorongás, Agresszió, Testiség, Függőség
        int width;
    };
    const Case cases[] = {
        {{}, {0, 0, 0, 0, 0, 0}, 350},
        {{"Semleges válaszok.", "Semleges válaszok.", "Agresszió.", "-"}, {50, 0, 0, 25, 0, 0}, 350},
        {{"Testiség.", "-", "-", "-", "-", "-", "-", "-"}, {0, 0, 0, 0, 12, 0}, 350},
        {{"Semleges válaszok.", "Semleges válaszok.", "Semleges válaszok."}, {100, 0, 0, 0, 0, 0}, 550},
        {{"Szorongás.", "Szorongás.", "Szorongás.", "Agresszió"}, {0, 0, 75, 0, 0, 0}, 450},
    };
    const std::array<int, 6> references = {50, 15, 15, 10, 5, 5};
    for (const auto& c : cases) {
        TestStation ws;
        int n = 1;
        for (const char* code : c.codes) {
            ws.AnswerOnCard(n++, 2);
            ASSERT_TRUE(ws->indices.SetTransference(code));
        }
        auto view = ws->indices.TransferenceEvaluation();
        EXPECT_EQ(view.windowWidth, c.width);
        for (std::size_t i = 0; i < view.bars.size(); ++i) {
            SCOPED_TRACE(view.bars[i].label);
            EXPECT_EQ(view.bars[i].referenceLength, 4 * references[i]);
            EXPECT_EQ(view.bars[i].length, 4 * c.percents[i]);
            EXPECT_EQ(view.bars[i].value, std::to_string(c.percents[i]) + "%");
            EXPECT_EQ(view.bars[i].valueLeft, 106 + 4 * c.percents[i]);
            // The value stays inside the window.
            EXPECT_LE(view.bars[i].valueLeft + 40, view.windowWidth);
        }
    }
}

} // namespace
} // namespace quelvarin
