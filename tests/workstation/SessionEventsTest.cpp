#include "support/EventRecorder.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::EventRecorder;
using test::TestStation;
using Events = std::vector<std::string>;

// An examiner's first steps on a fresh protocol, each with exactly the events it raises.
TEST(SessionEvents, ScoringRaisesWhatChangedInOrder) {
    TestStation ws;
    EventRecorder events(ws->session);
    auto& scoring = ws->scoring;

    scoring.SelectAnswer(5);
    EXPECT_EQ(events.Take(), (Events{"selection: answer 5 card 0", "card choice 1"}))
        << "no card yet: the choice is offered, preselecting CurrentCard as it was";

    scoring.ChooseCard(3);
    EXPECT_EQ(events.Take(),
              (Events{"selection: answer 5 card 3", "card choice closed", "modified on", "answer 5",
                      "figures: apprehension-mode answer-counts contents V% O% answers-per-card"}));

    scoring.ClickSignBox(400); // G
    EXPECT_EQ(events.Take(), (Events{"answer 5", "figures: apprehension-mode answer-counts"}))
        << "the modified flag is already on";

    scoring.ClickSignBox(302); // B +
    EXPECT_EQ(events.Take(), (Events{"answer 5", "figures: determinants"}));

    scoring.ChooseSpecialReactionRow("Annullálás");
    EXPECT_EQ(events.Take(), (Events{"answer 5"})) << "a special reaction recomputes nothing";

    scoring.ClickSignBox(410); // Dzw, then "lyuk" from its menu
    events.Take();
    scoring.ChooseSubVariant(1);
    EXPECT_EQ(events.Take(), (Events{"answer 5"}));

    scoring.RemoveColumnEntry(SignColumn::Locations, 0);
    EXPECT_EQ(events.Take(),
              (Events{"answer 5", "figures: apprehension-mode answer-counts determinants contents V% O%"}));

    scoring.StoreAnswerText(5, {"Egy denevér."});
    EXPECT_EQ(events.Take(), (Events{"answer text 5"}));
    scoring.StoreAnswerText(5, {"Egy denevér."});
    EXPECT_EQ(events.Take(), Events{}) << "the same text again changes nothing";
}

TEST(SessionEvents, RefusedOrIgnoredActionsRaiseNothing) {
    TestStation ws;
    EventRecorder events(ws->session);
    ws->scoring.ClickSignBox(400); // no answer selected
    ws->scoring.ChooseContentsRow("Nincs ilyen");
    ws->scoring.ChooseCard(2);
    ws->scoring.RemoveColumnEntry(SignColumn::Locations, 0);
    ws->scoring.ChooseSubVariant(0);
    ws->scoring.StoreAnswerText(0, {"szöveg"});
    EXPECT_EQ(events.Take(), Events{});
    ws.AnswerOnCard(1, 2);
    events.Take();
    ws->scoring.ChooseSpecialReactionRow("Hd-kompenzálás"); // refused on card II
    EXPECT_EQ(events.Take(), Events{});
    EXPECT_EQ(ws->session.CurrentProtocol().answer(1).slots[0], 0);
}

TEST(SessionEvents, NewOpenAndSaveReplaceTheProtocolAndClearTheModifiedFlag) {
    TestStation ws;
    EventRecorder events(ws->session);
    test::WriteBytes(ws.dir / "k.qvl", SerializeProtocol(test::ScoredProtocol().protocol, AnswerTexts{}));

    ASSERT_TRUE(ws->files.LoadProtocol(ws.dir / "k.qvl"));
    const Events loaded{
        "figures: apprehension-mode answer-counts determinants contents V% O% answers-per-card",
        "replaced: opened"};
    EXPECT_EQ(events.Take(), loaded) << "a freshly opened protocol is not modified";

    ws->indices.SetSzeiCode("B");
    EXPECT_EQ(events.Take(), (Events{"modified on", "answer 1"}));
    ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "k2.qvl"));
    EXPECT_EQ(events.Take(), (Events{"modified off"}));

    ws->personal.SetField(PersonalField::Name, "Új Név");
    events.Take();
    ws->files.NewProtocol("uj");
    EXPECT_EQ(events.Take(),
              (Events{"figures: apprehension-mode answer-counts determinants contents V% O% answers-per-card",
                      "modified off", "replaced: new"}));
    EXPECT_FALSE(ws->session.Modified());
}

TEST(SessionEvents, DesksOtherThanScoringTellWhatTheyChanged) {
    TestStation ws;
    EventRecorder events(ws->session);
    ws.AnswerOnCard(4, 3);
    events.Take();

    ws->personal.SetField(PersonalField::Examiner, "Dr. Példa");
    EXPECT_EQ(events.Take(), (Events{"personal data"}));
    ws->personal.SetField(PersonalField::Examiner, "Dr. Példa");
    ws->personal.SetAge(0);
    EXPECT_EQ(events.Take(), Events{}) << "nothing changed";
    ws->personal.SetAge(41);
    EXPECT_EQ(events.Take(), (Events{"personal data"}));
    ws->indices.SetSchoolLevel(2);
    EXPECT_EQ(events.Take(), (Events{"personal data"}));

    ws->scoring.SetCardTime(TimeBox::ReactionSeconds, 12);
    EXPECT_EQ(events.Take(), (Events{"card times 3"}));
    ws->indices.SetNeigerTick(3, true);
    ws->indices.SetSupplementaryCheck(2, true);
    ws->indices.SetAlcoholismTick(1, true);
    EXPECT_EQ(events.Take(), (Events{"checks", "checks", "checks"}));
    ws->indices.SetTransference("Semleges");
    EXPECT_EQ(events.Take(), (Events{"answer 4"}));

    ws->reports.BuildGlossary();
    EXPECT_EQ(events.Take(), (Events{"figures: answer-counts"}));
}

TEST(SessionEvents, HelpTextsAndModes) {
    TestStation ws;
    EventRecorder events(ws->session);
    ws->help.PointAtSign(400);
    ws->help.PointAtSign(400);
    EXPECT_EQ(events.Take(), (Events{"help 400"})) << "the same sign loads once";
    ws->help.ForgetShownHelp();
    ws->help.PointAtSign(400);
    EXPECT_EQ(events.Take(), (Events{"help cleared", "help 400"}));

    ws->help.SetHelpEditMode(true);
    ws->scoring.ClickSignBox(345); // shows its help instead of scoring
    EXPECT_EQ(events.Take(), (Events{"mode", "help 345"}));
    ws->scoring.SetSoundLanguage(SoundLanguage::Angol);
    ws->scoring.SetSoundLanguage(SoundLanguage::Angol);
    EXPECT_EQ(events.Take(), (Events{"mode"}));
}

TEST(SessionEvents, ObserversAreToldInTheOrderTheyCameAndCanLeave) {
    TestStation ws;
    std::vector<std::string> order;
    struct Named : SessionObserver {
        Named(std::vector<std::string>& into, std::string called) : log(into), name(std::move(called)) {}
        void SelectionChanged() override { log.push_back(name); }
        std::vector<std::string>& log;
        std::string name;
    };
    Named first(order, "first"), second(order, "second");
    ws->session.AddObserver(first);
    ws->session.AddObserver(second);
    ws->session.AddObserver(first); // once is enough
    ws->scoring.SelectAnswer(1);
    ws->session.RemoveObserver(first);
    ws->scoring.SelectAnswer(2);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "second"}));
    ws->session.RemoveObserver(second);
}

} // namespace
} // namespace quelvarin
