#include "indices/Attetel.h"

#include "platform/Rounding.h"
#include "scoring/AnswerCounts.h"

#include <algorithm>

namespace quelvarin::attetel {

const std::vector<Category>& Categories() {
    static const std::vector<Category> categories = {
        {"Agresszió",
         {"Agresszió.", "Ellenséges érzések, szadisztikus késztetések, támadó cselekvések",
          "(harapás, felfalás), negatív jelzők, pejoratív megnevezések.",
          "Közvetlen agresszió: veszekedés, harc, fegyverek, atomrobbanás,",
          "vadállatok, karmok; agressziót sejtető cselekvések", "(szétvágott, széttépett)."}},
        {"Szorongás",
         {"Szorongás.", "Félelem, depresszió, halál, menekülés, fenyegető állatok",
          "vagy emberek, fenyegető természeti jelenségek, kettős lények;",
          "pók, kígyó, polip akkor is, ha vulgáris válasz; felhő, sár, piszok."}},
        {"Testiség",
         {"Testiség.", "A testtel kapcsolatos érzések és utalások:", "anatómiai és szexuális tartalmak."}},
        {"Függőség",
         {"Függőség, kiszolgáltatottság.", "Magzati helyzet, kapaszkodás, biztonságkeresés,",
          "vallás, Isten, földi hatalmak (szakrális tárgyak, korona, jogar), ház."}},
        {"Pozitív",
         {"Pozitív érzelmek.", "Öröm, örömteli cselekvések, elégedettség; orális (evés, ivás,",
          "csók), taktilis (simogatás) és melegítő tartalmak, játék,",
          "művészet, természeti szépség, virágok, díszek."}},
        {"Narcisztikus", {"Narcisztikus válaszok.", "Szereplés, tükör."}},
        {"Műveltség",
         {"Műveltségi igény kifejezése.", "A válasz azt sejteti, hogy a vizsgált személy",
          "a tudást, a művészetet és a tudományt értékként kezeli."}},
        {"Semleges",
         {"Semleges válaszok.", "Az előző kategóriák egyikébe sem sorolható be.",
          "A válaszok túlnyomó része ide tartozik. Normális", "felnőttek jegyzőkönyvében 50 %."}},
    };
    return categories;
}

const std::array<EvaluatedCategory, kEvaluatedCount>& EvaluatedCategories() {
    static const std::array<EvaluatedCategory, kEvaluatedCount> evaluated = {{
        {"Semleges:", "Semleges válaszok.", 50},
        {"Pozitív érzelmek:", "Pozitív érzelmek.", 15},
        {"Szorongás:", "Szorongás.", 15},
        {"Agresszió:", "Agresszió.", 10},
        {"Testiség:", "Testiség.", 5},
        {"Függőség:", "Függőség, kiszolgáltatottság.", 5},
    }};
    return evaluated;
}

std::array<int, kEvaluatedCount> Evaluate(const Protocol& protocol) {
    std::array<int, kEvaluatedCount> percents{};
    int answers = ComputeAnswerCounts(protocol).total;
    const auto& evaluated = EvaluatedCategories();
    for (std::size_t i = 0; i < evaluated.size(); ++i) {
        auto count =
            std::count_if(protocol.answers.begin(), protocol.answers.end(),
                          [&](const Answer& answer) { return answer.transference == evaluated[i].code; });
        percents[i] = static_cast<int>(RoundedPercent(count, answers));
    }
    return percents;
}

int EvaluationWindowWidth(const std::array<int, kEvaluatedCount>& percents) {
    int largest = std::max(50, *std::max_element(percents.begin(), percents.end()));
    return 4 * largest + 150;
}

} // namespace quelvarin::attetel
