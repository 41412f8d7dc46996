#include "joint/JointExamination.h"

#include "platform/Cp1250.h"
#include "support/FailingWrites.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quelvarin::joint {
namespace {

JointExamination NewRecord() {
    return JointExamination(ReadDescriptions("/nincs/ilyen/krv.txt"));
}

TEST(JointExamination, TheFirstSignAppendsARowAfterThePlaceholder) {
    auto record = NewRecord();
    int card = 1;
    ASSERT_TRUE(record.Record(3, card));
    const auto& rows = record.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].left, "nem használt");
    EXPECT_EQ(rows[0].right, "nem használt");
    EXPECT_EQ(rows[0].text, "nem használt");
    EXPECT_EQ(rows[1].left, "Indító kérdés (>?)/1");
    EXPECT_EQ(rows[1].right, " -");
    EXPECT_EQ(rows[1].text, "");
    EXPECT_EQ(record.SelectedTextRow(), 1u);
    EXPECT_FALSE(record.Record(32, card)) << "there is no sign 32";
    EXPECT_EQ(record.Rows().size(), 2u);
}

TEST(JointExamination, AClearedRowIsFilledAgainWithoutANewRow) {
    auto record = NewRecord();
    int card = 1;
    ASSERT_TRUE(record.Record(3, card));
    ASSERT_TRUE(record.Record(8, card));
    record.ClickSignRow(1, card);
    record.ClearSelectedRow();
    EXPECT_EQ(record.Rows()[1].left, "");
    EXPECT_EQ(record.Rows()[1].right, "");

    record.ClickSignRow(1, card); // the cleared row, selected
    record.SelectPerson(2);
    card = 5;
    ASSERT_TRUE(record.Record(24, card));
    ASSERT_EQ(record.Rows().size(), 3u);
    EXPECT_EQ(record.Rows()[1].left, " -");
    EXPECT_EQ(record.Rows()[1].right, "Saját záróválasz (zvS)/5");
}

TEST(JointExamination, AClickOnARowMakesItsPersonAndCardCurrent) {
    auto record = NewRecord();
    int card = 7;
    record.SelectPerson(2);
    ASSERT_TRUE(record.Record(26, card));
    record.SelectPerson(1);
    card = 2;
    ASSERT_TRUE(record.Record(2, card));
    EXPECT_EQ(record.CurrentPerson(), 1);

    record.ClickSignRow(1, card);
    EXPECT_EQ(record.CurrentPerson(), 2);
    EXPECT_EQ(card, 7);
    EXPECT_EQ(record.SelectedTextRow(), 1u);
    record.ClickSignRow(2, card);
    EXPECT_EQ(record.CurrentPerson(), 1);
    EXPECT_EQ(card, 2);
    record.ClickSignRow(0, card); // the placeholder belongs to nobody
    EXPECT_EQ(record.CurrentPerson(), 1);
    EXPECT_EQ(card, 2);
}

TEST(JointExamination, RecordingLeavesTheSignColumnsSelectionWhereItWas) {
    auto record = NewRecord();
    int card = 4;
    record.SelectPerson(2);
    ASSERT_TRUE(record.Record(8, card));
    record.ClickSignRow(1, card); // person 2's row
    record.SelectPerson(1);
    card = 6;
    ASSERT_TRUE(record.Record(9, card));
    ASSERT_EQ(record.Rows().size(), 3u) << "a filled row selected: the sign is appended";
    EXPECT_EQ(record.Rows()[2].left, "Tisztázó magyarázat ($)/6");
    EXPECT_EQ(record.SelectedSignRow(), 1u);
    // As a click on the selected row would: its person and card become current.
    EXPECT_EQ(record.CurrentPerson(), 2);
    EXPECT_EQ(card, 4);
}

TEST(JointExamination, ThePlaceholderCanBeNeitherClearedNorEdited) {
    auto record = NewRecord();
    int card = 1;
    record.ClickSignRow(0, card);
    record.ClearSelectedRow();
    record.SetSelectedRowText("szöveg");
    EXPECT_EQ(record.Rows()[0].left, "nem használt");
    EXPECT_EQ(record.Rows()[0].text, "nem használt");
    ASSERT_TRUE(record.Record(1, card));
    EXPECT_EQ(record.Rows().size(), 2u) << "a sign is never stored in the placeholder";
    record.SetSelectedRowText("Szerintem denevér.");
    EXPECT_EQ(record.EditorText(), "Szerintem denevér.");
    EXPECT_EQ(record.Rows()[1].text, "Szerintem denevér.");
}

TEST(JointExamination, CardsStepCyclically) {
    EXPECT_EQ(PreviousCard(1), 10);
    EXPECT_EQ(NextCard(10), 1);
    EXPECT_EQ(NextCard(3), 4);
    EXPECT_EQ(PreviousCard(3), 2);
}

TEST(JointExamination, CellsReadBack) {
    struct Case {
        const char* cell;
        const char* code;
        std::optional<int> card;
    };
    const Case cases[] = {
        {"Indító kérdés (>?)/3", ">?", 3},
        {"Független döntés (§<)/10", "§<", 10},
        {" -", "", std::nullopt},
        {"", "", std::nullopt},
        {"Kérdés (?)/0", "?", std::nullopt},
        {"Kérdés (?)/x", "?", std::nullopt},
        {"a (b) (c)/2", "c", 2},
        {"zárójel nélkül/2", "", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeOfCell(c.cell), c.code) << c.cell;
        EXPECT_EQ(CardOfCell(c.cell), c.card) << c.cell;
    }
}

TEST(JointExamination, PersonalDataNameThePersons) {
    auto record = NewRecord();
    record.SetPersonalData(1, "Kiss Anna\r\n34 éves");
    record.SetPersonalData(2, "Nagy Péter");
    EXPECT_EQ(record.Persons()[0].name, "") << "the names follow when the window closes";
    record.ClosePersonalData();
    EXPECT_EQ(record.Persons()[0].name, "Kiss Anna");
    EXPECT_EQ(record.Persons()[1].name, "Nagy Péter");
    EXPECT_EQ(record.PersonalDataCaption(1), "Kiss Anna személyi adatai");
    EXPECT_EQ(record.Persons()[1].caption, "Jobboldalt ülő személy");
}

TEST(SignDescriptions, TheFileReplacesTheBuiltInLinesItHas) {
    test::TempDir dir;
    auto file = dir / "krv.txt";
    auto builtIn = ReadDescriptions(file);
    EXPECT_EQ(builtIn[7],
              "Kérdés (?): együttműködési szándékra utal. Az egyén mástól várja a megoldást, megerősítést. "
              "Alárendelődésre, igazodásra, megegyezésre törekszik.");
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto& sign = InteractionSigns()[i];
        EXPECT_EQ(builtIn[i].rfind(std::string(sign.name) + " (" + std::string(sign.code) + "): ", 0), 0u)
            << "line " << i + 1 << " names its sign";
    }

    test::WriteBytes(file, EncodeCp1250("Saját első sor.\r\nMásodik.\r\n"));
    auto lines = ReadDescriptions(file);
    EXPECT_EQ(lines[0], "Saját első sor.");
    EXPECT_EQ(lines[1], "Második.");
    EXPECT_EQ(lines[2], builtIn[2]) << "a short file keeps the built-in rest";
}

// krv.txt written part way keeps its earlier lines, and no temporary beside it.
TEST(SignDescriptions, AWriteFailingPartWayLeavesTheEarlierFile) {
    test::TempDir dir;
    auto file = dir / "krv.txt";
    test::WriteBytes(file, EncodeCp1250("Saját első sor.\r\n"));
    auto lines = ReadDescriptions(file);
    lines[1] = "Második, átírva.";
    test::ExpectFailedWritesLeaveWholeFiles(dir.Path(), [&] { return WriteDescriptions(file, lines); });
    EXPECT_EQ(ReadDescriptions(file), lines);
}

TEST(SignDescriptions, AHoverShowsALineOnlyWhenItChanges) {
    auto record = NewRecord();
    EXPECT_TRUE(record.PointAtSign(8));
    EXPECT_FALSE(record.PointAtSign(8));
    EXPECT_TRUE(record.PointAtSign(9));
    EXPECT_FALSE(record.PointAtSign(0));
}

} // namespace
} // namespace quelvarin::joint
