#include "indices/Alkohol.h"

#include <algorithm>

namespace quelvarin::alkohol {
namespace {

// Required signs by the effective answer count: the first row whose limit is not exceeded.
struct RequiredBand {
    int upToAnswers;
    int required;
};
constexpr RequiredBand kRequired[] = {
    {10, 1},
    {20, 2},
    {30, 3},
};
constexpr int kRequiredBeyond = 4;

} // namespace

const std::array<std::string_view, kItemCount>& Items() {
    static constexpr std::array<std::string_view, kItemCount> items = {
        "1. Elsődleges orális jegyek.",
        "2. Parazitizmus.",
        "3. Kapaszkodás verbalizálása.",
        "4. Virág.",
        "5. Elsődleges uretrális jegyek.",
        "6. Uretrális jegy eldolgozott formában.",
        "7. Analitás.",
        "8. VI. táblán anus, csáp, saját szexus.",
        "9. VI. táblán Versagen.",
        "10. VI. táblán halálfej, vipera.",
        "11. Bohóc.",
        "12. Színhívás.",
        "13. Merevség.",
    };
    return items;
}

const std::vector<ExplanationBlock>& ExplanationBlocks() {
    static const std::vector<ExplanationBlock> blocks = {
        {1,
         4,
         {"Orális jegyek:", "1. Elsődleges: harapás, köpködés", "   szopás, női mellek.",
          "2. Parazitizmus: élősdiség, hernyó,", "   megrágott levél, szívóberendezéssel",
          "   ellátott állat, csáp, vámpír.", "3. Kapaszkodás verbalizálása.", "4. Virág."}},
        {5,
         6,
         {"Uretrális jegyek:", "5. Elsődleges: vizelési funkció vagy szerv,", "    vizet fröcskölnek.",
          "6. Eldolgozott forma: vízben úszó vagy", "    ázó élőlény, \"díszes\" vagy másként",
          "    kidolgozott szökőkút, forrás."}},
        {7,
         7,
         {"Analitás:", "7. Elsődleges: Anus, podex, exkréció.", "    Eldolgozott formában: pénz, féldrágakő,",
          "    patkánybőr."}},
        {8,
         10,
         {"Szexuális zavar:", "8. VI. táblán anus, csáp, saját szexus.", "9. VI. táblán Versagen.",
          "10. VI. táblán halálfej, vipera."}},
        {11, 12, {"Cirkuláris jegyek:", "11. Bohóc.", "12. Színhívás."}},
        {13, 13, {"Parkinzonizmus:", "13. Merevség (szobor, cseppkő, szikladarab)."}},
    };
    return blocks;
}

const ExplanationBlock& BlockOfItem(int item) {
    const auto& blocks = ExplanationBlocks();
    auto found = std::find_if(blocks.begin(), blocks.end(), [item](const ExplanationBlock& b) {
        return item >= b.firstItem && item <= b.lastItem;
    });
    return found != blocks.end() ? *found : blocks.front();
}

const std::vector<std::string_view>& ShortProtocolNote() {
    // Trailing blanks are part of the lines.
    static const std::vector<std::string_view> note = {
        "Az 1-10 válaszos jkv-ben egy jegy mellé a VI. ",
        "táblán valamilyen negatív reakció jelenléte ",
        "szükséges (kígyó, leértékelő, elutasító ",
        "megjegyzés stb.) és orális jellegű vagy defekt ",
        "válasznak is kell lennie.",
    };
    return note;
}

int RequiredSigns(int effectiveAnswers) {
    for (const auto& band : kRequired) {
        if (effectiveAnswers <= band.upToAnswers) {
            return band.required;
        }
    }
    return kRequiredBeyond;
}

Verdict Judge(int ticked, int required) {
    if (ticked >= required) {
        return {kAssumed, true};
    }
    return {kNotAssumed, false};
}

void Checklist::Open(int effectiveAnswers) {
    m_effectiveAnswers = effectiveAnswers;
    m_verdict = Judge(TickedCount(), Required());
}

void Checklist::SetTick(int item, bool ticked) {
    if (!IsItem(item)) {
        return;
    }
    m_ticks[static_cast<std::size_t>(item - 1)] = ticked;
    m_verdict = Judge(TickedCount(), Required());
}

int Checklist::TickedCount() const {
    return static_cast<int>(std::count(m_ticks.begin(), m_ticks.end(), true));
}

} // namespace quelvarin::alkohol
