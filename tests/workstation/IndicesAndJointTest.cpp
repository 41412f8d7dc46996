#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

TEST(CodedIndices, SzeiAndTransferenceGoToTheSelectedAnswer) {
    TestStation ws;
    EXPECT_FALSE(ws->indices.SetSzeiCode("B")) << "no answer selected";
    ws.AnswerOnCard(3, 2);
    ASSERT_TRUE(ws->indices.SetSzeiCode("B"));
    ASSERT_TRUE(ws->indices.SetTransference("Agresszió"));
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).szei, "B");
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).transference, "Agresszió");
    ws->indices.SetTransference("két\r\nsor");
    EXPECT_EQ(ws->session.CurrentProtocol().answer(3).transference, "két  sor")
        << "a code stays one line of the file";
}

TEST(CodedIndices, AlcoholismTicksLiveForTheWholeRun) {
    TestStation ws;
    for (int n = 1; n <= 10; ++n) {
        ws.AnswerOnCard(n, 1);
    }
    EXPECT_EQ(ws->indices.OpenAlcoholismChecklist().EffectiveAnswers(), 10);
    ws->indices.SetAlcoholismTick(12, true);
    EXPECT_EQ(ws->indices.AlcoholismChecklist().CurrentVerdict().text, "Alkoholizmus feltételezhető.");

    ws->files.NewProtocol();
    const auto& list = ws->indices.OpenAlcoholismChecklist();
    EXPECT_TRUE(list.Ticked(12)) << "a new protocol keeps the ticks";
    EXPECT_EQ(list.EffectiveAnswers(), 0);
    EXPECT_EQ(list.CurrentVerdict().text, "Alkoholizmus feltételezhető.")
        << "one sign suffices for no answer";

    auto file = ws.root / "archivum" / "hosszu.qvl";
    std::filesystem::create_directories(file.parent_path());
    for (int n = 1; n <= 11; ++n) {
        ws.AnswerOnCard(n, 2);
    }
    ASSERT_TRUE(ws->files.SaveProtocol(file));
    ws->files.NewProtocol();
    ASSERT_TRUE(ws->files.LoadProtocol(file));
    EXPECT_EQ(ws->indices.OpenAlcoholismChecklist().Required(), 2);
    EXPECT_TRUE(ws->indices.AlcoholismChecklist().Ticked(12)) << "a loaded protocol keeps them too";
    EXPECT_EQ(ws->indices.AlcoholismChecklist().CurrentVerdict().text, "Alkoholizmus nem feltételezhető.")
        << "the verdict agrees with the required number as soon as the list opens";
}

TEST(CodedIndices, SupplementaryTicksComeFromTheFlagsWhenTheListOpens) {
    TestStation ws;
    auto bytes = SerializeProtocol(test::ScoredProtocol().protocol, {});
    bytes = test::ProtocolBytesWithLine(bytes, 56 + 481 - 109, "2");
    auto file = ws.root / "zaszlo.qvl";
    test::WriteBytes(file, bytes);
    ASSERT_TRUE(ws->files.LoadProtocol(file));
    EXPECT_FALSE(ws->indices.SupplementaryChecks()[1]) << "a load ticks only a 1";
    EXPECT_TRUE(ws->indices.OpenSupplementaryChecks()[1]) << "opening the list ticks any flag not 0";

    ws->indices.SetSupplementaryCheck(5, true);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[481], 1) << "the first tick change writes the 2 back as 1";
    EXPECT_EQ(ws->session.CurrentProtocol().counts[485], 1);
    ws->indices.SetSupplementaryCheck(5, false);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[485], 0);

    ws->files.NewProtocol();
    EXPECT_EQ(ws->indices.OpenSupplementaryChecks(), kieginf::Ticks{});
}

TEST(CodedIndices, ANewProtocolDoesNotInheritTheTicksShown) {
    TestStation ws;
    ws->indices.OpenSupplementaryChecks();
    ws->indices.SetSupplementaryCheck(3, true);
    ws->files.NewProtocol(); // the list stays open
    ws->indices.SetSupplementaryCheck(0, true);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[480], 1);
    EXPECT_EQ(ws->session.CurrentProtocol().counts[483], 0) << "the previous subject's tick";
}

TEST(CodedIndices, SupplementaryItemsShowTheirHelp) {
    TestStation ws;
    auto texts = ws->indices.PointAtSupplementaryItem(16);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->code, 496);
    EXPECT_FALSE(ws->indices.PointAtSupplementaryItem(16));
    EXPECT_FALSE(ws->indices.ClickSupplementaryItemForEditing(2)) << "only in HelpEditMode";
    ws->help.SetHelpEditMode(true);
    EXPECT_FALSE(ws->indices.PointAtSupplementaryItem(2));
    ASSERT_TRUE(ws->indices.ClickSupplementaryItemForEditing(2));
    EXPECT_EQ(ws->session.LastHelpCode(), 482) << "the help windows store into the item's sign";
}

TEST(WorkstationJoint, TheRecordsCardIsTheWorkstationsCurrentCard) {
    TestStation ws;
    ws.AnswerOnCard(1, 6);
    ws->joint.OpenJointExamination();
    EXPECT_TRUE(ws->joint.SignButton(26).recorded);
    EXPECT_EQ(ws->joint.Joint().Rows()[1].left, "Közös döntés (zvW)/6");
    ws->joint.StepCard(true);
    ws->joint.StepCard(true);
    EXPECT_EQ(ws->session.CurrentCard(), 8);
    ws->joint.SelectPerson(2);
    ws->joint.SignButton(8);
    ws->joint.ClickSignRow(1);
    EXPECT_EQ(ws->session.CurrentCard(), 6);
    EXPECT_EQ(ws->joint.Joint().CurrentPerson(), 1);

    ws->scoring.SelectAnswer(2); // an answer without a card
    EXPECT_EQ(ws->session.CurrentCard(), 0);
    ws->joint.OpenJointExamination();
    EXPECT_EQ(ws->session.CurrentCard(), 1);
}

TEST(WorkstationJoint, EditedDescriptionsGoToTheFileThatIsRead) {
    TestStation ws;
    ws->help.SetHelpEditMode(true);
    auto pressed = ws->joint.SignButton(8);
    EXPECT_FALSE(pressed.recorded);
    ASSERT_TRUE(pressed.description);
    EXPECT_EQ(pressed.description->rfind("Kérdés (?): ", 0), 0u);
    EXPECT_FALSE(ws->joint.PointAtSign(9)) << "hovering shows nothing while editing";
    ws->joint.EditDescription("Kérdés (?): átírt magyarázat.");
    ASSERT_TRUE(ws->joint.CloseJointExamination());
    EXPECT_EQ(ws->joint.Joint().Rows().size(), 1u) << "no sign was recorded";

    TestStation next(ws.root); // the file is read at start
    EXPECT_EQ(next->joint.Joint().Descriptions()[7], "Kérdés (?): átírt magyarázat.");
    EXPECT_EQ(next->joint.Joint().Descriptions()[8], ws->joint.Joint().Descriptions()[8]);
    EXPECT_TRUE(next->joint.PointAtSign(8));
}

TEST(WorkstationJoint, TheReportIsWrittenOrTheFailureSaid) {
    TestStation ws;
    ws->joint.SignButton(3);
    auto path = ws->joint.WriteJointReport();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, ws.root / "html" / "__.html");
    auto bytes = test::ReadBytes(*path);
    EXPECT_EQ(bytes.rfind("<HTML><HEAD>\r\n<TITLE>Tamrel KRV jkv.</TITLE>\r\n", 0), 0u);

    std::filesystem::remove(*path);
    std::filesystem::create_directories(*path); // a folder where the page should be
    EXPECT_FALSE(ws->joint.WriteJointReport());
    ASSERT_FALSE(ws.notifier.Messages().empty());
    EXPECT_NE(ws.notifier.Messages().back().find("__.html"), std::string::npos);
}

TEST(WorkstationJoint, CardStepsTellTheMainWindowAndWrap) {
    TestStation ws;
    struct Cards : SessionObserver {
        explicit Cards(const Session& s) : session(s) {}
        void SelectionChanged() override { seen.push_back(session.CurrentCard()); }
        const Session& session;
        std::vector<int> seen;
    } cards(ws->session);
    ws->session.AddObserver(cards);
    ws->joint.OpenJointExamination();
    ws->joint.StepCard(false);
    EXPECT_EQ(ws->joint.CardLabel(), "10. tábla");
    ws->joint.StepCard(true);
    EXPECT_EQ(ws->joint.CardLabel(), "1. tábla");
    ws->joint.SelectPerson(2);
    for (int step = 0; step < 6; ++step) {
        ws->joint.StepCard(true);
    }
    ws->joint.SignButton(8);
    ws->joint.SelectPerson(1);
    ws->joint.StepCard(true);
    ws->joint.ClickSignRow(1); // person 2's row on card 7
    EXPECT_EQ(ws->joint.Joint().CurrentPerson(), 2);
    EXPECT_EQ(ws->session.CurrentCard(), 7);
    EXPECT_EQ(cards.seen, (std::vector<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 7}))
        << "every card the joint window makes current reaches the main window";
    ws->session.RemoveObserver(cards);
}

TEST(WorkstationJoint, PersonalDataButtonsNeverGoBlank) {
    TestStation ws;
    EXPECT_EQ(ws->joint.PersonalDataButton(1), "Baloldalt ülő személy");
    ws->joint.SetPersonalData(2, "Nagy Béla\nszül. 1970");
    EXPECT_EQ(ws->joint.PersonalDataButton(2), "Nagy Béla");
    EXPECT_EQ(ws->joint.Joint().PersonalDataCaption(2), "Nagy Béla személyi adatai");
    EXPECT_EQ(ws->joint.PersonalDataButton(3), "");
}

} // namespace
} // namespace quelvarin
