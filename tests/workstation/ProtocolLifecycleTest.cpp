// The protocol's life as the examiner drives it: the start, "új Ro.", "nyit", "ment", the two
// ways out and the statistics runs that replace the protocol, with every question and dialog
// answered from a script.
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "support/FailingWrites.h"
#include "support/ProtocolBuilder.h"
#include "workstation/Messages.h"
#include "workstation/ProtocolFileTexts.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

namespace fs = std::filesystem;
namespace texts = window_texts;
using test::TestStation;

// The bytes of a protocol file whose examinee's name tells it apart, with a text for answer 2.
std::string ProtocolNamed(const std::string& name, const std::string& answer2) {
    auto parsed = test::ScoredProtocol();
    parsed.protocol.personal.name = name;
    parsed.texts[1] = {answer2};
    return SerializeProtocol(parsed.protocol, parsed.texts);
}

// The examinee's name in a protocol file ("?" when it does not load).
std::string NameIn(const fs::path& file) {
    auto bytes = ReadFileBytes(file);
    auto parse = ParseProtocol(bytes.value_or(""));
    return parse ? parse.parsed->protocol.personal.name : "?";
}

Lines TextIn(const fs::path& file, int answer) {
    auto parse = ParseProtocol(ReadFileBytes(file).value_or(""));
    return parse ? parse.parsed->texts[static_cast<std::size_t>(answer - 1)] : Lines{"?"};
}

void Answer(TestStation& ws, std::initializer_list<bool> answers) {
    for (bool answer : answers) {
        ws.notifier.QueueAnswer(answer);
    }
}

// Something scored: the protocol is started and has unsaved changes.
void Score(TestStation& ws) {
    ws.AnswerOnCard(1, 1);
    ASSERT_EQ(ws->scoring.ClickSignBox(400).outcome, EntryOutcome::Entered);
}

TEST(ProtocolLifecycle, TheStartWithARecoveryCopyAFileAndTextsOfAnEarlierRun) {
    struct Case {
        const char* what;
        bool copy; // a crash left a recovery copy
        bool file; // a protocol file named on the command line
        std::initializer_list<bool> answers;
        const char* chosen; // the save dialog's answer ("" cancels)
        int questions;      // how many of: recover, open over it, save it
        const char* current;
        bool copyKept;
    };
    const Case cases[] = {
        {"a clean start", false, false, {}, "", 0, "", false},
        {"a file named", false, true, {}, "", 0, "Fájl Ferenc", false},
        {"recovered", true, false, {true}, "", 1, "Mentetlen Márta", true},
        {"recovery declined", true, false, {false}, "", 1, "", false},
        {"declined, then the file", true, true, {false}, "", 1, "Fájl Ferenc", false},
        {"recovered, the file not over it", true, true, {true, false}, "", 2, "Mentetlen Márta", true},
        {"recovered, the file over it unsaved", true, true, {true, true, false}, "", 3, "Fájl Ferenc", false},
        {"recovered, its save cancelled", true, true, {true, true, true}, "", 3, "Mentetlen Márta", true},
        {"recovered, saved, then the file",
         true,
         true,
         {true, true, true},
         "mentett.qvl",
         3,
         "Fájl Ferenc",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        auto copy = ws.root / "aktualis" / "mentetlen.qvl";
        auto file = ws.dir / "fajl.qvl";
        test::WriteBytes(file, ProtocolNamed("Fájl Ferenc", "a fájl szövege"));
        // The earlier run's texts: answer 7's text belongs to no protocol of this run.
        test::WriteBytes(ws.root / "aktualis" / "7.txt", "r\xE9gi sz\xF6veg\r\n");
        if (c.copy) {
            test::WriteBytes(copy, ProtocolNamed("Mentetlen Márta", "mentetlen szöveg"));
        }
        Answer(ws, c.answers);
        ws.chooser.files.push_back(*c.chosen ? ws.dir / c.chosen : fs::path());

        ws->lifecycle.StartUp(c.file ? std::optional<fs::path>(file) : std::nullopt);

        const std::vector<std::string> asked = {std::string(texts::kAskRecover),
                                                texts::AskOpenOverRecovered(file.string()),
                                                std::string(messages::kAskSaveCurrent)};
        EXPECT_EQ(ws.notifier.Questions(),
                  std::vector<std::string>(asked.begin(), asked.begin() + c.questions));
        const auto& protocol = ws->session.CurrentProtocol();
        EXPECT_EQ(protocol.personal.name, c.current);
        EXPECT_EQ(fs::exists(copy), c.copyKept) << "kept only while a recovered protocol is unsaved";
        EXPECT_EQ(ws->session.Modified(), c.copyKept);
        EXPECT_TRUE(ws->session.AnswerTextOf(7).empty()) << "no text of an earlier run";
        EXPECT_FALSE(fs::exists(ws.root / "aktualis" / "7.txt"));
        if (std::string(c.current).empty()) {
            EXPECT_TRUE(ws->session.AnswerTextOf(2).empty());
        } else {
            EXPECT_EQ(ws->session.AnswerTextOf(2),
                      (Lines{c.copyKept ? "mentetlen szöveg" : "a fájl szövege"}));
        }
        if (*c.chosen) {
            EXPECT_EQ(NameIn(ws.dir / c.chosen), "Mentetlen Márta") << "the recovered work was saved";
        }
        EXPECT_TRUE(ws.notifier.Messages().empty());
    }
}

TEST(ProtocolLifecycle, NewProtocolOffersToSaveAStartedOne) {
    struct Case {
        const char* what;
        bool scored;
        std::initializer_list<bool> answers;
        const char* chosen; // "" cancels the save dialog
        bool made;
    };
    const Case cases[] = {
        {"nothing started", false, {}, "", true},
        {"not saved", true, {false}, "", true},
        {"save cancelled", true, {true}, "", false},
        {"saved", true, {true}, "ko_1.qvl", true},
        {"save failed", true, {true}, "nincs/ko_1.qvl", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        if (c.scored) {
            Score(ws);
        }
        Answer(ws, c.answers);
        ws.chooser.files.push_back(*c.chosen ? ws.dir / c.chosen : fs::path());
        EXPECT_EQ(ws->lifecycle.NewProtocol(), c.made);
        EXPECT_EQ(ws.notifier.Questions().size(), c.scored ? 1u : 0u);
        EXPECT_EQ(ws->session.CurrentProtocol().answer(1).card, c.made ? 0 : 1);
        bool saved = std::string(c.chosen) == "ko_1.qvl";
        EXPECT_EQ(ws->session.CurrentProtocol().personal.code, saved ? "ko_1" : "")
            << "the code of a new protocol is the name last chosen in the save dialog";
        EXPECT_EQ(ws.notifier.Warnings().size(), std::string(c.chosen).starts_with("nincs") ? 1u : 0u);
    }
}

TEST(ProtocolLifecycle, OpenOffersToSaveUnsavedChanges) {
    struct Case {
        const char* what;
        bool scored;
        std::initializer_list<bool> answers;
        std::vector<const char*> chosen; // the dialogs' answers in order ("" cancels)
        bool opened;
    };
    const Case cases[] = {
        {"nothing unsaved", false, {}, {"b.qvl"}, true},
        {"not saved", true, {false}, {"b.qvl"}, true},
        {"saved first", true, {true}, {"a.qvl", "b.qvl"}, true},
        {"its save cancelled", true, {true}, {"", "b.qvl"}, false},
        {"the open dialog cancelled", true, {false}, {""}, false},
        {"a file that is not a protocol", false, {}, {"rossz.qvl"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        test::WriteBytes(ws.dir / "b.qvl", ProtocolNamed("Bodor Béla", ""));
        test::WriteBytes(ws.dir / "rossz.qvl", "nem jegyzőkönyv\r\n");
        if (c.scored) {
            Score(ws);
        }
        Answer(ws, c.answers);
        for (auto* chosen : c.chosen) {
            ws.chooser.files.push_back(*chosen ? ws.dir / chosen : fs::path());
        }
        EXPECT_EQ(ws->lifecycle.OpenProtocol(), c.opened);
        EXPECT_EQ(ws->session.CurrentProtocol().personal.name, c.opened ? "Bodor Béla" : "");
        EXPECT_EQ(ws->session.CurrentProtocol().answer(1).card, c.opened || c.scored ? 1 : 0)
            << "a protocol not replaced keeps its scoring";
        EXPECT_EQ(ws.notifier.Questions().size(), c.scored ? 1u : 0u);
        const auto& open = ws.chooser.dialogs.back();
        if (ws.chooser.files.empty()) {
            EXPECT_EQ(open.title, "Rorschach jkv. megnyitása");
            EXPECT_EQ(open.filter, "Rorschach mentett fájl (*.qvl)");
            EXPECT_EQ(open.folder, ws.root / "archivum");
        } else {
            EXPECT_EQ(ws.chooser.dialogs.size(), 1u) << "no open dialog after a cancelled save";
        }
        if (c.answers.size() && *c.answers.begin() && c.opened) {
            EXPECT_EQ(ws->session.Modified(), false);
            EXPECT_EQ(
                ParseProtocol(ReadFileBytes(ws.dir / "a.qvl").value_or("")).parsed->protocol.answer(1).card,
                1);
        }
    }
}

TEST(ProtocolLifecycle, SaveProposesTheCodeAddsTheExtensionAndGoesBackToTheDialogOnNo) {
    TestStation ws;
    ws->files.NewProtocol("ko_2026");
    Score(ws);
    auto target = ws.dir / "ko_2026.qvl";
    test::WriteBytes(target, "régi");
    // "ko_2026" typed without an extension; "Nem" to the overwrite question; back in the
    // dialog, which proposes the name typed; cancelled.
    ws.chooser.files = {ws.dir / "ko_2026", fs::path()};
    Answer(ws, {false});
    EXPECT_FALSE(ws->lifecycle.SaveProtocol());
    ASSERT_EQ(ws.chooser.dialogs.size(), 2u);
    const auto& first = ws.chooser.dialogs[0];
    EXPECT_EQ(first.title, "Rorschach jkv. lemezre írása");
    EXPECT_EQ(first.filter, "Rorschach mentett fájl (*.qvl)");
    EXPECT_EQ(first.folder, ws.root / "archivum");
    EXPECT_EQ(first.proposedName, "ko_2026");
    EXPECT_EQ(first.defaultExtension, "qvl");
    EXPECT_EQ(ws.chooser.dialogs[1].folder, ws.dir.Path());
    EXPECT_EQ(ws.chooser.dialogs[1].proposedName, "ko_2026.qvl");
    EXPECT_EQ(ws.notifier.Questions(), std::vector<std::string>{texts::AskOverwrite(target.string())});
    EXPECT_EQ(test::ReadBytes(target), "régi");
    EXPECT_TRUE(ws->session.Modified());
    EXPECT_EQ(ws->lifecycle.LastSaveName(), "");

    ws.chooser.files = {target};
    Answer(ws, {true});
    EXPECT_TRUE(ws->lifecycle.SaveProtocol());
    EXPECT_TRUE(test::ReadBytes(target).starts_with("Quelvarin_Win32"));
    EXPECT_FALSE(ws->session.Modified());
    EXPECT_EQ(ws->lifecycle.LastSaveName(), "ko_2026");
}

TEST(ProtocolLifecycle, TheTwoWaysOut) {
    enum class Way { Close, Quit };
    struct Case {
        const char* what;
        Way way;
        bool scored;
        std::initializer_list<bool> answers;
        const char* chosen;
        std::vector<std::string_view> questions;
        bool ends;
    };
    const auto exit = messages::kAskExit;
    const auto save = messages::kAskSaveChanges;
    const Case cases[] = {
        {"stays", Way::Close, true, {false}, "", {exit}, false},
        {"ends unsaved", Way::Close, true, {true, false}, "", {exit, save}, true},
        {"save cancelled", Way::Close, true, {true, true}, "", {exit, save}, false},
        {"saved", Way::Close, true, {true, true}, "vege.qvl", {exit, save}, true},
        {"a save that fails", Way::Close, true, {true, true}, "nincs/vege.qvl", {exit, save}, false},
        {"asked even with nothing unsaved", Way::Close, false, {true, false}, "", {exit, save}, true},
        {"quit at once", Way::Quit, false, {}, "", {}, true},
        {"quit, unsaved", Way::Quit, true, {false}, "", {save}, true},
        {"quit, save cancelled", Way::Quit, true, {true}, "", {save}, false},
        {"quit, saved", Way::Quit, true, {true}, "vege.qvl", {save}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        if (c.scored) {
            Score(ws);
            ASSERT_TRUE(ws->files.WriteRecoveryCopy());
        }
        Answer(ws, c.answers);
        ws.chooser.files.push_back(*c.chosen ? ws.dir / c.chosen : fs::path());
        bool ended = c.way == Way::Close ? ws->lifecycle.Exit() : ws->lifecycle.Quit();
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(ws.notifier.Questions(), std::vector<std::string>(c.questions.begin(), c.questions.end()));
        EXPECT_EQ(fs::exists(ws.root / "aktualis" / "mentetlen.qvl"), c.scored && !c.ends)
            << "the copy stays while the program does";
        EXPECT_EQ(fs::exists(ws.dir / "vege.qvl"), std::string(c.chosen) == "vege.qvl");
    }
}

// A batch run and the summary export leave a stored protocol in place of the current one.
TEST(ProtocolLifecycle, TheStatisticsRunsOfferToSaveFirst) {
    struct Case {
        const char* what;
        bool scored;
        std::initializer_list<bool> answers;
        bool runs;
    };
    const Case cases[] = {
        {"nothing unsaved", false, {}, true},
        {"not saved", true, {false}, true},
        {"save cancelled", true, {true}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        fs::create_directories(ws.root / "archivum");
        test::WriteBytes(ws.root / "archivum" / "b.qvl", ProtocolNamed("Bodor Béla", ""));
        auto target = ws.dir / "kutatas.dat";
        test::WriteBytes(target, "");
        for (int run = 0; run < 2; ++run) {
            if (c.scored) {
                Score(ws);
            }
            Answer(ws, c.answers);
            bool done = run == 0
                            ? ws->statistics.AttachBatch(target, {ws.root / "archivum" / "b.qvl"}).rows == 1
                            : ws->statistics.ExportSummary();
            EXPECT_EQ(done, c.runs) << run;
            EXPECT_EQ(ws->session.CurrentProtocol().personal.name, c.runs ? "Bodor Béla" : "") << run;
            if (!c.runs) {
                EXPECT_EQ(ws->session.CurrentProtocol().answer(1).card, 1) << "the scoring stays";
            }
        }
    }
}

// What the examiner types into the answer-text window is part of the protocol's unsaved changes
// until it is in its file, and never reaches another protocol.
TEST(PendingAnswerText, StoredBeforeAnythingReplacesSavesOrEndsTheProtocol) {
    struct Case {
        const char* what;
        std::function<void(TestStation&)> run;
        // Where the typed text ended: the answer text file of answer 3, a saved protocol file.
        bool inTextFile;
        const char* savedTo;
        bool inCurrentProtocol;
    };
    const Case cases[] = {
        {"another answer selected", [](TestStation& ws) { ws->scoring.SelectAnswer(4); }, true, "", true},
        {"the typing ended", [](TestStation& ws) { ws->scoring.CommitAnswerText(); }, true, "", true},
        {"saved",
         [](TestStation& ws) {
             ws.chooser.files.push_back(ws.dir / "a.qvl");
             ws->lifecycle.SaveProtocol();
         },
         true, "a.qvl", true},
        {"opened, saved first",
         [](TestStation& ws) {
             Answer(ws, {true});
             ws.chooser.files = {ws.dir / "a.qvl", ws.dir / "b.qvl"};
             ws->lifecycle.OpenProtocol();
         },
         false, "a.qvl", false},
        {"opened, not saved",
         [](TestStation& ws) {
             Answer(ws, {false});
             ws.chooser.files = {ws.dir / "b.qvl"};
             ws->lifecycle.OpenProtocol();
         },
         false, "", false},
        {"typing ended, then opened",
         [](TestStation& ws) {
             ws->scoring.CommitAnswerText();
             Answer(ws, {false});
             ws.chooser.files = {ws.dir / "b.qvl"};
             ws->lifecycle.OpenProtocol();
         },
         false, "", false},
        {"új Ro., saved first",
         [](TestStation& ws) {
             Answer(ws, {true});
             ws.chooser.files = {ws.dir / "a.qvl"};
             ws->lifecycle.NewProtocol();
         },
         false, "a.qvl", false},
        {"új Ro., not saved",
         [](TestStation& ws) {
             Answer(ws, {false});
             ws->lifecycle.NewProtocol();
         },
         false, "", false},
        {"the program closed and saved",
         [](TestStation& ws) {
             Answer(ws, {true, true});
             ws.chooser.files = {ws.dir / "a.qvl"};
             ws->lifecycle.Exit();
         },
         true, "a.qvl", true},
        {"a batch run, saved first",
         [](TestStation& ws) {
             Answer(ws, {true});
             ws.chooser.files = {ws.dir / "a.qvl"};
             test::WriteBytes(ws.dir / "k.dat", "");
             ws->statistics.AttachBatch(ws.dir / "k.dat", {ws.dir / "b.qvl"});
         },
         false, "a.qvl", false},
        {"the protocol page", [](TestStation& ws) { ws->reports.WriteProtocolPage(); }, true, "", true},
    };
    const Lines typed = {"Két medve", "táncol."};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestStation ws;
        test::WriteBytes(ws.dir / "b.qvl", ProtocolNamed("Bodor Béla", ""));
        ws.AnswerOnCard(3, 2);
        ASSERT_TRUE(ws->scoring.StoreAnswerText(3, {"régi"}));
        ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "elotte.qvl"));
        ASSERT_TRUE(ws->scoring.EditAnswerText(3, typed));
        EXPECT_TRUE(ws->session.Modified()) << "typing is a change of the protocol";
        EXPECT_EQ(ws->session.AnswerTextOf(3), typed);
        EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "3.txt"), "r\xE9gi\r\n") << "not written at once";

        c.run(ws);

        auto file = ws.root / "aktualis" / "3.txt";
        EXPECT_EQ(ReadFileBytes(file).value_or("") == "K\xE9t medve\r\nt\xE1ncol.\r\n", c.inTextFile);
        EXPECT_EQ(ws->session.AnswerTextOf(3) == typed, c.inCurrentProtocol);
        if (*c.savedTo) {
            EXPECT_EQ(TextIn(ws.dir / c.savedTo, 3), typed);
        }
        if (!c.inCurrentProtocol) {
            EXPECT_NE(ws->session.AnswerTextOf(3), typed) << "the typed text reached another protocol";
        }
        EXPECT_TRUE(ws.notifier.Messages().empty());
    }
}

TEST(PendingAnswerText, OnlyTheSelectedAnswerTakesATextAndTheRecoveryCopyHoldsIt) {
    TestStation ws;
    EXPECT_FALSE(ws->scoring.EditAnswerText(1, {"semmi"})) << "no answer selected";
    ws.AnswerOnCard(2, 5);
    EXPECT_FALSE(ws->scoring.EditAnswerText(3, {"másik"}));
    EXPECT_TRUE(ws->session.AnswerTextOf(3).empty());
    ASSERT_TRUE(ws->scoring.EditAnswerText(2, {"Egy lepke."}));
    ASSERT_TRUE(ws->files.WriteRecoveryCopy());
    EXPECT_EQ(TextIn(ws.root / "aktualis" / "mentetlen.qvl", 2), Lines{"Egy lepke."});
    EXPECT_FALSE(fs::exists(ws.root / "aktualis" / "2.txt"));
}

// A typed text whose file cannot be written is reported and stays typed: a save still takes
// it, and typing for the next answer does not push it out.
TEST(PendingAnswerText, ATextThatCannotBeWrittenStaysTyped) {
    TestStation ws;
    ws.AnswerOnCard(2, 5);
    ASSERT_TRUE(ws->scoring.EditAnswerText(2, {"Egy lepke."}));
    {
        test::FailWritesAfter failing(0);
        ws->scoring.SelectAnswer(3, CardChoice::HeldBack);
        EXPECT_TRUE(failing.Tripped());
        EXPECT_FALSE(ws->scoring.EditAnswerText(3, {"Két medve."}));
    }
    EXPECT_EQ(ws.notifier.Warnings().size(), 2u);
    EXPECT_EQ(ws->session.AnswerTextOf(2), Lines{"Egy lepke."});
    EXPECT_TRUE(ws->session.AnswerTextPending(2));
    ASSERT_TRUE(ws->files.SaveProtocol(ws.dir / "a.qvl"));
    EXPECT_EQ(TextIn(ws.dir / "a.qvl", 2), Lines{"Egy lepke."});
    ASSERT_TRUE(ws->scoring.EditAnswerText(3, {"Két medve."})) << "written now, so the next may be typed";
    EXPECT_EQ(test::ReadBytes(ws.root / "aktualis" / "2.txt"), "Egy lepke.\r\n");
}

TEST(PendingEdits, TheEditsOfTheOtherWindowsAreSettledAtTheEnd) {
    TestStation ws;
    // A sign's help edited in its window and not stored: offered for storing.
    ws->help.PointAtSign(400);
    ws->help.EditHelp(HelpFile::Scoring, {"Egész válasz."});
    // A topic help edited: saved without asking.
    ASSERT_TRUE(ws->topics.ShowTopic("szei.hlp"));
    ws->topics.Edit(TopicBox::Notes, {"Saját jegyzet."});
    // A text file edited: offered for saving.
    test::WriteBytes(ws.dir / "lista.txt", "egy\r\n");
    ASSERT_TRUE(ws->textFiles.OpenFile(ws.dir / "lista.txt"));
    ASSERT_TRUE(ws->textFiles.InsertLine(std::nullopt));
    Answer(ws, {true, true, true, false}); // exit, store the help, save the file, do not save the protocol
    EXPECT_TRUE(ws->lifecycle.Exit());
    ASSERT_EQ(ws.notifier.Questions().size(), 4u);
    EXPECT_EQ(ws.notifier.Questions()[1], messages::AskStoreEditedHelp("G"));
    EXPECT_EQ(ws->help.HelpTextsOf(400).scoring, Lines{"Egész válasz."});
    EXPECT_EQ(test::ReadBytes(ws.root / "jegyzet" / "szei.hlp"), "Saj\xE1t jegyzet.\r\n");
    EXPECT_EQ(test::ReadBytes(ws.dir / "lista.txt"), "egy\r\n\xFAj sor\r\n");
}

// The card choice is offered for an answer without a card, preselecting the card of the
// answer selected before; from the card list also for an answer with one, preselecting it.
TEST(CardChoice, OfferedWithTheCardToPreselect) {
    TestStation ws;
    ws->scoring.SelectAnswer(1);
    EXPECT_EQ(ws->session.CardChoiceOffered(), CardChoiceOffer{1}) << "CurrentCard is 1 at start";
    ASSERT_TRUE(ws->scoring.ChooseCard(3));
    EXPECT_FALSE(ws->session.CardChoiceOffered()) << "a choice takes the offer back";
    ws->scoring.SelectAnswer(2);
    EXPECT_EQ(ws->session.CardChoiceOffered(), CardChoiceOffer{3});
    ws->scoring.CloseCardChoice();
    EXPECT_FALSE(ws->session.CardChoiceOffered());
    EXPECT_EQ(ws->session.CurrentProtocol().answer(2).card, 0) << "closed without a choice";

    ws->scoring.SelectAnswer(1);
    ws->scoring.OfferCardChoiceFor(5);
    EXPECT_EQ(ws->session.CurrentAnswer(), 5);
    EXPECT_EQ(ws->session.CardChoiceOffered(), CardChoiceOffer{3}) << "the card before, for a card of 0";
    ASSERT_TRUE(ws->scoring.ChooseCard(7));
    ws->scoring.OfferCardChoiceFor(1);
    EXPECT_EQ(ws->session.CardChoiceOffered(), CardChoiceOffer{3}) << "the answer's own card";
    ws->scoring.SelectAnswer(5, CardChoice::HeldBack);
    EXPECT_FALSE(ws->session.CardChoiceOffered()) << "another selection takes the offer back";
}

} // namespace
} // namespace quelvarin
