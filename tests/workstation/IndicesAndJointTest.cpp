#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using test::TestStation;

TEST(CodedIndices, SzeiAndTransferenceGoToTheSelectedAnswer) {
    TestStation ws;
    EXPECT_FALSE(ws->SetSzeiCode("B")) << "no answer selected";
    ws.AnswerOnCard(3, 2);
    ASSERT_TRUE(ws->SetSzeiCode("B"));
    ASSERT_TRUE(ws->SetTransference("Agresszió"));
    EXPECT_EQ(ws->CurrentProtocol().answer(3).szei, "B");
    EXPECT_EQ(ws->CurrentProtocol().answer(3).transference, "Agresszió");
    ws->SetTransference("két\r\nsor");
    EXPECT_EQ(ws->CurrentProtocol().answer(3).transference, "két  sor")
        << "a code stays one line of the file";
}

TEST(CodedIndices, AlcoholismTicksLiveForTheWholeRun) {
    TestStation ws;
    for (int n = 1; n <= 10; ++n) {
        ws.AnswerOnCard(n, 1);
    }
    EXPECT_EQ(ws->OpenAlcoholismChecklist().EffectiveAnswers(), 10);
    ws->SetAlcoholismTick(12, true);
    EXPECT_EQ(ws->AlcoholismChecklist().CurrentVerdict().text, "Alkoholizmus feltételezhető.");

    ws->NewProtocol();
    const auto& list = ws->OpenAlcoholismChecklist();
    EXPECT_TRUE(list.Ticked(12)) << "a new protocol keeps the ticks";
    EXPECT_EQ(list.EffectiveAnswers(), 0);
    EXPECT_EQ(list.CurrentVerdict().text, "Alkoholizmus feltételezhető.") << "until the next tick change";

    auto file = ws.root / "archivum" / "hosszu.qvl";
    std::filesystem::create_directories(file.parent_path());
    for (int n = 1; n <= 11; ++n) {
        ws.AnswerOnCard(n, 2);
    }
    ASSERT_TRUE(ws->SaveProtocol(file));
    ws->NewProtocol();
    ASSERT_TRUE(ws->LoadProtocol(file));
    EXPECT_EQ(ws->OpenAlcoholismChecklist().Required(), 2);
    EXPECT_TRUE(ws->AlcoholismChecklist().Ticked(12)) << "a loaded protocol keeps them too";
    ws->SetAlcoholismTick(1, false);
    EXPECT_EQ(ws->AlcoholismChecklist().CurrentVerdict().text, "Alkoholizmus nem feltételezhető.");
}

TEST(CodedIndices, SupplementaryTicksComeFromTheFlagsWhenTheListOpens) {
    TestStation ws;
    auto bytes = SerializeProtocol(test::ScoredProtocol().protocol, {});
    bytes = test::ProtocolBytesWithLine(bytes, 56 + 481 - 109, "2");
    auto file = ws.root / "zaszlo.qvl";
    test::WriteBytes(file, bytes);
    ASSERT_TRUE(ws->LoadProtocol(file));
    EXPECT_FALSE(ws->SupplementaryChecks()[1]) << "a load ticks only a 1";
    EXPECT_TRUE(ws->OpenSupplementaryChecks()[1]) << "opening the list ticks any flag not 0";

    ws->SetSupplementaryCheck(5, true);
    EXPECT_EQ(ws->CurrentProtocol().counts[481], 1) << "the first tick change writes the 2 back as 1";
    EXPECT_EQ(ws->CurrentProtocol().counts[485], 1);
    ws->SetSupplementaryCheck(5, false);
    EXPECT_EQ(ws->CurrentProtocol().counts[485], 0);

    ws->NewProtocol();
    EXPECT_EQ(ws->OpenSupplementaryChecks(), kieginf::Ticks{});
}

TEST(CodedIndices, ANewProtocolDoesNotInheritTheTicksShown) {
    TestStation ws;
    ws->OpenSupplementaryChecks();
    ws->SetSupplementaryCheck(3, true);
    ws->NewProtocol(); // the list stays open
    ws->SetSupplementaryCheck(0, true);
    EXPECT_EQ(ws->CurrentProtocol().counts[480], 1);
    EXPECT_EQ(ws->CurrentProtocol().counts[483], 0) << "the previous subject's tick";
}

TEST(CodedIndices, SupplementaryItemsShowTheirHelp) {
    TestStation ws;
    auto texts = ws->PointAtSupplementaryItem(16);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->code, 496);
    EXPECT_FALSE(ws->PointAtSupplementaryItem(16));
    EXPECT_FALSE(ws->ClickSupplementaryItemForEditing(2)) << "only in HelpEditMode";
    ws->SetHelpEditMode(true);
    EXPECT_FALSE(ws->PointAtSupplementaryItem(2));
    ASSERT_TRUE(ws->ClickSupplementaryItemForEditing(2));
    EXPECT_EQ(ws->LastHelpCode(), 482) << "the help windows store into the item's sign";
}

TEST(WorkstationJoint, TheRecordsCardIsTheWorkstationsCurrentCard) {
    TestStation ws;
    ws.AnswerOnCard(1, 6);
    ws->OpenJointExamination();
    EXPECT_TRUE(ws->JointSignButton(26).recorded);
    EXPECT_EQ(ws->Joint().Rows()[1].left, "Közös döntés (zvW)/6");
    ws->JointStepCard(true);
    ws->JointStepCard(true);
    EXPECT_EQ(ws->CurrentCard(), 8);
    ws->EditableJoint().SelectPerson(2);
    ws->JointSignButton(8);
    ws->JointClickSignRow(1);
    EXPECT_EQ(ws->CurrentCard(), 6);
    EXPECT_EQ(ws->Joint().CurrentPerson(), 1);

    ws->SelectAnswer(2); // an answer without a card
    EXPECT_EQ(ws->CurrentCard(), 0);
    ws->OpenJointExamination();
    EXPECT_EQ(ws->CurrentCard(), 1);
}

TEST(WorkstationJoint, EditedDescriptionsGoToTheFileThatIsRead) {
    TestStation ws;
    ws->SetHelpEditMode(true);
    auto pressed = ws->JointSignButton(8);
    EXPECT_FALSE(pressed.recorded);
    ASSERT_TRUE(pressed.description);
    EXPECT_EQ(pressed.description->rfind("Kérdés (?): ", 0), 0u);
    EXPECT_FALSE(ws->JointPointAtSign(9)) << "hovering shows nothing while editing";
    ws->EditableJoint().EditDescription("Kérdés (?): átírt magyarázat.");
    ASSERT_TRUE(ws->CloseJointExamination());
    EXPECT_EQ(ws->Joint().Rows().size(), 1u) << "no sign was recorded";

    TestStation next(ws.root); // the file is read at start
    EXPECT_EQ(next->Joint().Descriptions()[7], "Kérdés (?): átírt magyarázat.");
    EXPECT_EQ(next->Joint().Descriptions()[8], ws->Joint().Descriptions()[8]);
    EXPECT_TRUE(next->JointPointAtSign(8));
}

TEST(WorkstationJoint, TheReportIsWrittenOrTheFailureSaid) {
    TestStation ws;
    ws->JointSignButton(3);
    auto path = ws->WriteJointReport();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, ws.root / "html" / "__.html");
    auto bytes = test::ReadBytes(*path);
    EXPECT_EQ(bytes.rfind("<HTML><HEAD>\r\n<TITLE>Tamrel KRV jkv.</TITLE>\r\n", 0), 0u);

    std::filesystem::remove(*path);
    std::filesystem::create_directories(*path); // a folder where the page should be
    EXPECT_FALSE(ws->WriteJointReport());
    ASSERT_FALSE(ws.notifier.Messages().empty());
    EXPECT_NE(ws.notifier.Messages().back().find("__.html"), std::string::npos);
}

} // namespace
} // namespace quelvarin
