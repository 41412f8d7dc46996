#include "SampleProtocol.h"

#include "model/AnswerTextStore.h"
#include "platform/Clock.h"
#include "platform/RecordingNotifier.h"
#include "workstation/Workstation.h"

#include <stdexcept>
#include <vector>

namespace quelvarin {
namespace {

// One answer as the examiner records it: card, the subject's words, and the signs in the
// order they are clicked (box captions, list rows or vulgar classes as they are offered).
struct SampleAnswer {
    int card;
    std::vector<std::string> text;
    std::vector<std::string> locations;
    std::vector<std::string> determinants;
    std::vector<std::string> contents;
    std::vector<std::string> frequencies; // "V-1".."V-3", "O+".."O-"
    std::vector<std::string> specialReactions;
    std::string szei;         // the SZEI category the examiner coded
    std::string transference; // the De Vos category (its heading)
};

const std::vector<SampleAnswer>& SampleAnswers() {
    // clang-format off
    static const std::vector<SampleAnswer> answers = {
        {1, {"Egy denevér, kiterjesztett szárnyakkal."}, {"G"}, {"F +"}, {"T"}, {"V-1"}, {}, "A", "Szorongás."},
        {1, {"Középen egy nőalak, felemelt kézzel,", "mintha integetne."}, {"D"}, {"B +"}, {"M"}, {}, {}, "A", "Semleges válaszok."},
        {1, {"Egy álarc, a fehér részek a szemek."}, {"Gzw"}, {"F +"}, {"Álarc I"}, {"V-2"}, {"Hézaghangsúly"}, "C", "Szorongás."},
        {2, {"Két ember, összeérintik a tenyerüket, mintha táncolnának."}, {"G"}, {"B +"}, {"M"}, {"V-1"}, {}, "A", "Pozitív érzelmek."},
        {2, {"Ez a piros itt... vér, mintha valaki megsérült volna."}, {"D"}, {"FbF"}, {"Vér"}, {}, {"Piros-ütközés"}, "E", "Agresszió."},
        {3, {"Két pincér, akik egy kosarat emelnek fel."}, {"G"}, {"B +"}, {"M", "Obj."}, {"V-1"}, {}, "A", "Semleges válaszok."},
        {3, {"Középen egy piros masni."}, {"D"}, {"FFb +"}, {"Ruha"}, {"V-2"}, {}, "C", "Semleges válaszok."},
        {4, {"Egy óriás, nagy csizmákban, alulról nézve."}, {"G"}, {"F +"}, {"(M)"}, {"V-1"}, {"Perspektíva"}, "D", "Szorongás."},
        {4, {"Szőrös állatbőr, puha lehet a tapintása."}, {"G"}, {"FHd +"}, {"Td"}, {}, {"Tapintási asszociáció"}, "A", "Testiség."},
        {5, {"Egy lepke."}, {"G"}, {"F +"}, {"T"}, {"V-1"}, {}, "A", "Semleges válaszok."},
        {5, {"Itt a szélén egy krokodilfej."}, {"Dd"}, {"F +"}, {"Td"}, {"V-3"}, {}, "C", "Agresszió."},
        {6, {"Kiterített állatbőr, mint egy szőnyeg a padlón."}, {"G"}, {"FHd +"}, {"Td"}, {"V-1"}, {}, "A", "Semleges válaszok."},
        {6, {"A tetején valami totemoszlop."}, {"D"}, {"F +/-"}, {"Obj."}, {"V-3"}, {"Bizonytalanság"}, "B", "Függőség, kiszolgáltatottság."},
        {7, {"Két kislány, copfosan, egymásra néznek."}, {"DG konf."}, {"B +"}, {"M"}, {"V-2"}, {}, "A", "Pozitív érzelmek."},
        {7, {"Füstös, szürke felhők."}, {"G"}, {"HdF"}, {"Felhő"}, {"V-3"}, {}, "D", "Szorongás."},
        {8, {"Két medve mászik fel oldalt."}, {"D"}, {"B +"}, {"T"}, {"V-1"}, {}, "A", "Semleges válaszok."},
        {8, {"Egy orvosi ábra, belső szervek, nagyon színes."}, {"G"}, {"FbF"}, {"Anat."}, {"V-3"}, {"Színleírás"}, "D", "Testiség."},
        {9, {"Nem is tudom...", "", "talán egy boszorkány, kalapban."}, {"D"}, {"F +/-"}, {"(M)"}, {}, {"Bizonytalanság"}, "D", "Szorongás."},
        {9, {"Egy virág, mint egy rózsa, a szárával."}, {"G"}, {"FFb +/-"}, {"Pfl."}, {"V-3"}, {}, "B", "Pozitív érzelmek."},
        {10, {"Kék pókok, sok lábbal."}, {"D"}, {"FFb +"}, {"T"}, {"V-1"}, {}, "A", "Szorongás."},
        {10, {"Két zöld hernyó."}, {"D"}, {"FFb +"}, {"T"}, {}, {}, "A", "Semleges válaszok."},
        {10, {"Az egész olyan, mint egy virágos kert tavasszal,", "minden színes és élő."}, {"G komb."}, {"FFb +"},
         {"Pfl.", "Táj"}, {"O+"}, {"Kombináció"}, "A", "Pozitív érzelmek."},
    };
    // clang-format on
    return answers;
}

void Require(bool ok, const std::string& what) {
    if (!ok) {
        throw std::runtime_error("sample protocol: " + what);
    }
}

void RequireEntered(const EntryResult& result, const std::string& sign) {
    Require(result.outcome == EntryOutcome::Entered, "not entered: " + sign);
}

} // namespace

std::string BuildSampleProtocol() {
    RecordingNotifier notifier;
    MemoryAnswerTextStore texts;
    SilentSoundPlayer sound;
    FixedClock clock("2026.11.05.");
    NoFileChooser chooser;
    Workstation station({InstallPaths(""), notifier, texts, sound, clock, chooser},
                        ProtocolFilesDesk::Recovery::Off);
    auto& scoring = station.scoring;
    auto& indices = station.indices;

    station.files.NewProtocol("minta_20261105");
    auto& personal = station.personal;
    personal.SetField(PersonalField::Name, "Minta Márta");
    personal.SetField(PersonalField::Number, "12/2026");
    personal.SetField(PersonalField::Occupation, "könyvelő");
    personal.SetField(PersonalField::Sex, "nő");
    personal.SetAge(34);
    personal.SetField(PersonalField::ClinicalQuestions, "Szorongás mértéke?*Személyiségszerkezet?*");
    personal.SetField(PersonalField::Ward, "Pszichiátriai Ambulancia");
    personal.SetField(PersonalField::Examiner, "Dr. Példa Péter");
    personal.SetField(PersonalField::Diagnosis, "F43.2");
    personal.SetField(PersonalField::Education, "főiskola I-től");

    // The examiner ticked these vulgar answers of the reality index.
    for (std::size_t row : {0u, 1u, 2u, 4u, 6u, 7u, 8u, 12u}) {
        indices.SetNeigerTick(row, true);
    }

    // Reaction and card times, card by card, as the stopwatch gave them: typed in while the
    // first answer of the card is selected.
    const int times[10][4] = {{0, 6, 1, 45},  {0, 14, 2, 10}, {0, 9, 1, 30}, {0, 11, 1, 50}, {0, 4, 0, 55},
                              {0, 12, 1, 40}, {0, 10, 1, 35}, {0, 18, 2, 5}, {0, 27, 2, 40}, {0, 15, 2, 20}};
    std::array<bool, kCardCount> timed{};

    int number = 0;
    for (const auto& answer : SampleAnswers()) {
        ++number;
        Require(scoring.SelectAnswer(number), "answer without a card");
        Require(scoring.ChooseCard(answer.card), "card");
        Require(scoring.StoreAnswerText(number, answer.text), "text");
        if (auto& done = timed[static_cast<std::size_t>(answer.card - 1)]; !done) {
            const auto* t = times[answer.card - 1];
            Require(scoring.SetCardTime(TimeBox::ReactionMinutes, t[0]) &&
                        scoring.SetCardTime(TimeBox::ReactionSeconds, t[1]) &&
                        scoring.SetCardTime(TimeBox::CardMinutes, t[2]) &&
                        scoring.SetCardTime(TimeBox::CardSeconds, t[3]),
                    "card time");
            done = true;
        }
        Require(indices.SetSzeiCode(answer.szei), "SZEI");
        Require(indices.SetTransference(answer.transference), "transference");
        for (const auto& name : answer.locations) {
            RequireEntered(scoring.ClickSignBox(CodeOfName(name)), name);
        }
        for (const auto& name : answer.determinants) {
            RequireEntered(scoring.ClickSignBox(CodeOfName(name)), name);
        }
        for (const auto& name : answer.contents) {
            RequireEntered(scoring.ChooseContentsRow(name), name);
        }
        for (const auto& name : answer.frequencies) {
            RequireEntered(
                name[0] == 'V' ? scoring.ChooseVulgarRow(name) : scoring.ChooseOriginalityRow(name), name);
        }
        for (const auto& name : answer.specialReactions) {
            RequireEntered(scoring.ChooseSpecialReactionRow(name), name);
        }
    }
    Require(notifier.Messages().empty(), "a message was shown");
    return station.files.ProtocolFileBytes();
}

} // namespace quelvarin
