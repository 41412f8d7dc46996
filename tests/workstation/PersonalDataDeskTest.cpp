// The personal data as the examiner fills them in: the identity handed over by a sibling
// program, the clinic's lists and their editor, the education check, the date in the code, the
// clinical questions.
#include "indices/neiger.h"
#include "model/EducationLevels.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "support/ProtocolBuilder.h"
#include "workstation/Messages.h"
#include "workstation/PersonalDataTexts.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
namespace texts = window_texts;
using test::TestStation;

class PersonalDataDeskTest : public testing::Test {
protected:
    const PersonalData& Personal() { return ws->session.CurrentProtocol().personal; }
    fs::path HandOverFile() { return InstallPaths(ws.root).HandOverFile(); }
    void HandOver(std::string_view text) {
        fs::create_directories(HandOverFile().parent_path());
        ASSERT_TRUE(ReplaceFileAtomically(HandOverFile(), EncodeCp1250(text)));
    }
    void List(std::string_view stem, std::string_view text) {
        ASSERT_TRUE(ReplaceFileAtomically(ws.root / (std::string(stem) + ".lst"), EncodeCp1250(text)));
    }
    fs::path SavedProtocol(const std::string& name) {
        auto parsed = test::ScoredProtocol();
        parsed.protocol.personal.name = name;
        auto path = ws.root / (name + ".qvl");
        EXPECT_TRUE(ReplaceFileAtomically(path, SerializeProtocol(parsed.protocol, parsed.texts)));
        return path;
    }

    TestStation ws;
};

TEST_F(PersonalDataDeskTest, TheHandOverGivesANewProtocolItsIdentityOnceAndIsDeleted) {
    ws->personal.SetField(PersonalField::Code, "régi");
    ASSERT_TRUE(ws->lifecycle.NewProtocol());
    HandOver("kód=K-17;\r\nnév=Kovács Éva;\r\nnem=2;\r\n");
    EXPECT_TRUE(ws->personal.Open());
    EXPECT_EQ(Personal().code, "K-17");
    EXPECT_EQ(Personal().name, "Kovács Éva");
    EXPECT_EQ(Personal().sex, "nő");
    EXPECT_FALSE(fs::exists(HandOverFile()));
    EXPECT_TRUE(ws->session.Modified());

    // Opened again, the fields stay as the examiner edited them, even with a new file there.
    ws->personal.SetField(PersonalField::Name, "Kovács Éva dr.");
    HandOver("név=Másik Személy;\r\n");
    EXPECT_FALSE(ws->personal.Open());
    EXPECT_EQ(Personal().name, "Kovács Éva dr.");
    EXPECT_TRUE(fs::exists(HandOverFile()));
}

TEST_F(PersonalDataDeskTest, AProtocolFromTheArchiveIsNeverGivenTheHandedOverIdentity) {
    ws.chooser.files.push_back(SavedProtocol("Archív Alany"));
    ASSERT_TRUE(ws->lifecycle.OpenProtocol());
    HandOver("név=Új Alany;\r\nnem=1;\r\n");
    EXPECT_FALSE(ws->personal.Open());
    EXPECT_EQ(Personal().name, "Archív Alany");
    EXPECT_TRUE(fs::exists(HandOverFile()));

    // The next new protocol takes it.
    ASSERT_TRUE(ws->lifecycle.NewProtocol());
    EXPECT_TRUE(ws->personal.Open());
    EXPECT_EQ(Personal().name, "Új Alany");
    EXPECT_EQ(Personal().sex, "férfi");
}

TEST_F(PersonalDataDeskTest, TheEmptyProtocolOfTheStartCountsAsNew) {
    HandOver("kód=S1;\r\nnem=x;\r\n");
    EXPECT_TRUE(ws->personal.Open());
    EXPECT_EQ(Personal().code, "S1");
    EXPECT_EQ(Personal().sex, "");
}

TEST_F(PersonalDataDeskTest, TheListsAreReadOnEveryOpeningAndAMissingFileKeepsTheChoices) {
    ws->personal.Open();
    EXPECT_TRUE(ws->personal.Choices(ChoiceListKind::Occupation).empty());
    List("fogl", "tanár\r\nmérnök\r\n");
    List("dg", "F20.0 Paranoid schizophrenia\r\n");
    ws->personal.Open();
    EXPECT_EQ(ws->personal.Choices(ChoiceListKind::Occupation), (Lines{"tanár", "mérnök"}));
    EXPECT_EQ(ws->personal.Choices(ChoiceListKind::Diagnosis), (Lines{"F20.0 Paranoid schizophrenia"}));
    fs::remove(ws.root / "fogl.lst");
    ws->personal.Open();
    EXPECT_EQ(ws->personal.Choices(ChoiceListKind::Occupation), (Lines{"tanár", "mérnök"}));
}

TEST_F(PersonalDataDeskTest, OnlyAListedEducationIsKeptAndTheNeigerLevelFollowsIt) {
    List("isk", "főiskola I-től\r\nközépiskola IV.\r\negyetem\r\n");
    ws->personal.Open();
    EXPECT_EQ(ws->personal.EducationChoices(),
              (std::vector<std::string_view>{"főiskola I-től", "középiskola IV."}));

    EXPECT_TRUE(ws->personal.CommitEducation("középiskola IV."));
    EXPECT_EQ(Personal().education, "középiskola IV.");
    EXPECT_EQ(neiger::SchoolCorrection(EducationLevelIndex(Personal().education)), 0.5);
    EXPECT_TRUE(ws.notifier.Messages().empty());

    // A level the clinic's list leaves out, a typed text, a part of a level: emptied and told.
    for (auto typed : {"középiskola I.", "egyetem", "középiskola"}) {
        EXPECT_FALSE(ws->personal.CommitEducation(typed)) << typed;
        EXPECT_EQ(Personal().education, "");
    }
    EXPECT_EQ(ws.notifier.Messages(), std::vector<std::string>(3, std::string(messages::kOnlyFromList)));
}

TEST_F(PersonalDataDeskTest, ADateChosenTwiceLeavesOneSuffixAndTheExaminersUnderscoreStays) {
    ws->personal.SetField(PersonalField::Code, "kovacs_eva");
    ws->personal.SetDate("2004.05.12.");
    ws->personal.SetDate("2004.05.12.");
    EXPECT_EQ(Personal().date, "2004.05.12.");
    EXPECT_EQ(Personal().code, "kovacs_eva_20040512");
    ws->personal.SetDate("2005.01.02.");
    EXPECT_EQ(Personal().code, "kovacs_eva_20050102");
}

TEST_F(PersonalDataDeskTest, TheAgeStaysWithinALifetime) {
    for (auto [typed, kept] : {std::pair{42, 42}, {-3, 0}, {0, 0}, {120, 120}, {999, 120}}) {
        ws->personal.SetAge(typed);
        EXPECT_EQ(Personal().age, kept) << typed;
    }
}

TEST_F(PersonalDataDeskTest, AQuestionPickedTwiceIsToldOnceAndKeptOnce) {
    ws->personal.AddClinicalQuestions({"Pszichotikus folyamat?", "Szuicid veszély?"});
    ws->personal.AddClinicalQuestions({"Szuicid veszély?", "Organikus érintettség?"});
    EXPECT_EQ(ws->personal.ClinicalQuestions(),
              (Lines{"Pszichotikus folyamat?", "Szuicid veszély?", "Organikus érintettség?"}));
    EXPECT_EQ(Personal().clinicalQuestions,
              "Pszichotikus folyamat?*Szuicid veszély?*Organikus érintettség?*");
    EXPECT_EQ(ws.notifier.Messages(),
              (std::vector<std::string>{texts::QuestionAlreadyListed("Szuicid veszély?")}));
    // A "*" would cut a question in two.
    ws->personal.AddClinicalQuestions({"a*b"});
    EXPECT_EQ(ws->personal.ClinicalQuestions().back(), "a b");
}

TEST_F(PersonalDataDeskTest, AQuestionDeletedIsGoneFromTheSavedProtocol) {
    ws->personal.AddClinicalQuestions({"első", "második", "harmadik", "negyedik"});
    ws->personal.DeleteClinicalQuestions({3, 1, 7, -1, 1});
    EXPECT_EQ(ws->personal.ClinicalQuestions(), (Lines{"első", "harmadik"}));
    auto file = ws.root / "archivum" / "k.qvl";
    fs::create_directories(file.parent_path());
    ws.chooser.files.push_back(file);
    ASSERT_TRUE(ws->lifecycle.SaveProtocol());
    auto parse = ParseProtocol(ReadFileBytes(file).value_or(""));
    ASSERT_TRUE(parse);
    EXPECT_EQ(parse.parsed->protocol.personal.clinicalQuestions, "első*harmadik*");
}

TEST_F(PersonalDataDeskTest, TheListEditorWritesOnOkAndLeavesTheFileOnCancel) {
    List("vv", "Dr. Minta Anna\r\n");
    const auto& editing = ws->personal.OpenListEditor(ChoiceListKind::Examiner);
    EXPECT_EQ(editing.title, texts::kExaminerListTitle);
    EXPECT_EQ(editing.path, ws.root / "vv.lst");
    EXPECT_EQ(editing.lines, (Lines{"Dr. Minta Anna"}));
    ws->personal.CancelListEditor();
    EXPECT_EQ(ReadFileBytes(ws.root / "vv.lst"), EncodeCp1250("Dr. Minta Anna\r\n"));

    // "mégse" where there was no file makes none.
    ws->personal.OpenListEditor(ChoiceListKind::ClinicalQuestions);
    ws->personal.CancelListEditor();
    EXPECT_FALSE(fs::exists(ws.root / "klinker.lst"));

    ws->personal.OpenListEditor(ChoiceListKind::Examiner);
    EXPECT_TRUE(ws->personal.SaveListEditor({"Dr. Minta Anna", "Próba Péter", ""}));
    EXPECT_EQ(ReadFileBytes(ws.root / "vv.lst"), EncodeCp1250("Dr. Minta Anna\r\nPróba Péter\r\n\r\n"));
    EXPECT_EQ(ws->personal.Choices(ChoiceListKind::Examiner), (Lines{"Dr. Minta Anna", "Próba Péter"}));
    EXPECT_FALSE(ws->personal.ListEditor());
}

TEST_F(PersonalDataDeskTest, AListThatCannotBeWrittenIsToldAndStaysOpen) {
    fs::create_directories(ws.root / "oszt.lst"); // a folder where the file should be
    ws->personal.OpenListEditor(ChoiceListKind::Ward);
    EXPECT_FALSE(ws->personal.SaveListEditor({"Belgyógyászat"}));
    EXPECT_EQ(ws.notifier.Warnings().size(), 1u);
    EXPECT_TRUE(ws->personal.ListEditor());
}

} // namespace
} // namespace quelvarin
