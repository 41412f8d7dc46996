#include "reports/SheetScales.h"

#include "indices/neiger.h"
#include "model/EducationLevels.h"
#include "model/SignNames.h"
#include "platform/Utf8.h"
#include "scoring/AnswerCounts.h"
#include "scoring/Apprehension.h"
#include "scoring/ContentFigures.h"
#include "scoring/Typologies.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <span>

namespace quelvarin::reports {
namespace {

// --- Reading the protocol -------------------------------------------------------------------

class Signs {
public:
    explicit Signs(const Protocol& protocol) : m_protocol(protocol) {}

    int Count(SignCode code) const { return m_protocol.counts[code]; }
    bool Present(SignCode code) const { return Count(code) >= 1; }
    bool AnyPresent(std::initializer_list<SignCode> codes) const {
        int sum = 0;
        for (auto code : codes) {
            sum += Count(code);
        }
        return sum > 0;
    }
    // The three form levels of a determinant stem (its "+" code).
    int AllLevels(SignCode plus) const {
        return Count(plus) + Count(static_cast<SignCode>(plus + 11)) +
               Count(static_cast<SignCode>(plus + 22));
    }
    static bool Holds(const Answer& answer, SignCode code) {
        return std::find(answer.slots.begin(), answer.slots.end(), code) != answer.slots.end();
    }
    static bool HoldsAnyLevel(const Answer& answer, SignCode plus) {
        return Holds(answer, plus) || Holds(answer, static_cast<SignCode>(plus + 11)) ||
               Holds(answer, static_cast<SignCode>(plus + 22));
    }
    static int Occurrences(const Answer& answer, std::initializer_list<SignCode> codes) {
        int n = 0;
        for (auto slot : answer.slots) {
            n += std::find(codes.begin(), codes.end(), slot) != codes.end() ? 1 : 0;
        }
        return n;
    }
    // Pairs of a slot holding `first` and a slot of the same answer holding one of `others`.
    int Pairs(SignCode first, std::initializer_list<SignCode> others) const {
        int pairs = 0;
        for (const auto& answer : m_protocol.answers) {
            pairs += Occurrences(answer, {first}) * Occurrences(answer, others);
        }
        return pairs;
    }
    int AnswersHolding(bool (*holds)(const Answer&)) const {
        return static_cast<int>(std::count_if(m_protocol.answers.begin(), m_protocol.answers.end(), holds));
    }
    bool AnyAnswerOnCardHolds(int card, std::initializer_list<SignCode> codes) const {
        return std::any_of(m_protocol.answers.begin(), m_protocol.answers.end(), [&](const Answer& answer) {
            return answer.card == card && Occurrences(answer, codes) > 0;
        });
    }
    int CardsWith(SignCode code) const {
        std::set<int> cards;
        for (const auto& answer : m_protocol.answers) {
            if (IsCard(answer.card) && Holds(answer, code)) {
                cards.insert(answer.card);
            }
        }
        return static_cast<int>(cards.size());
    }

private:
    const Protocol& m_protocol;
};

int If(bool condition) {
    return condition ? 1 : 0;
}

// A sign and the points its presence gives.
struct Weighted {
    SignCode code;
    int points;
};
int PresentPoints(const Signs& signs, std::span<const Weighted> items) {
    int total = 0;
    for (const auto& item : items) {
        total += signs.Present(item.code) ? item.points : 0;
    }
    return total;
}

// A verdict by bands of a score: the first band whose range holds it.
struct Band {
    double low;
    double high;
    std::string_view verdict;
};
constexpr double kLow = -1e300, kHigh = 1e300;

std::string VerdictOf(std::span<const Band> bands, double score) {
    for (const auto& band : bands) {
        if (score >= band.low && score <= band.high) {
            return CutVerdict(band.verdict);
        }
    }
    return std::string(kNotInterpretable);
}

// --- The scales' tables -----------------------------------------------------------------------

constexpr Band kRegressionBands[] = {
    {kLow, 89, "Regresszió"},
    {90, 129, "Valószínű regresszió"},
    {130, 185, "Valószínű normális"},
    {186, kHigh, "Normális"},
};

// The education bonus of the regression index, by the position of the education level.
constexpr int kEducationBonus[8] = {75, 75, 75, 70, 65, 60, 55, 50};

// clang-format off
constexpr Weighted kSociabilitySigns[] = {
    {Sign("Tűz"), 4},
    {Sign("asszoc.B"), 2},
    {Sign("Intenció"), 2},
    {Sign("Gyanakvó reakció"), -5},
    {Sign("Befestés"), -3},
    {Sign("Tagadó reakció"), -2},
    {Sign("Színütközés"), -1},
};
// clang-format on
constexpr Band kSociabilityBands[] = {
    {9, kHigh, "Magas fokú szociab."},
    {3, 8, "Valószínűleg jó szociab."},
    {-3, 2, "Valósz. rossz szociab."},
    {kLow, -4, "Alacsony fokú szociab."},
};

constexpr std::string_view kOrganicVerdicts[] = {"", "Org. káros. nem valószínű", "Org. károsodás valószínű",
                                                 "Org. káros. nagyon val."};

constexpr Weighted kSociopathySigns[] = {
    {Sign("(M)"), 3},
    {Sign("Fokozott jelentéstudat"), 1},
    {Sign("Színütközés"), 1},
    {Sign("Kilépés"), 3},
    {Sign("Hézaghangsúly"), 4},
    {Sign("Technikai deskripció"), 2},
    {Sign("Kitérő verbalizáció"), 2},
    {Sign("Gépies fordulat"), 1},
    {Sign("Kifejezési amnézia"), 3},
    {Sign("Tükör-reakció"), 2},
    {Sign("Kettőzés"), 2},
    {Sign("FH"), 5},
    {Sign("Dereizálás"), 3},
    {Sign("Gyanakvó reakció"), 1},
    {Sign("Válaszrontás"), 1},
    {Sign("Medián preferencia"), 2},
};
// clang-format off
constexpr Weighted kNeurosisSigns[] = {
    {Sign("Tűz"), 3},
    {Sign("Szex-ütközés"), 3},
    {Sign("Aránytalanság"), 1},
    {Sign("Kettős lény"), 4},
    {Sign("Undor-reakció"), 2},
};
// clang-format on

// The class of the sociopathy-neurosis scale by the sociopathy score: up to `antisocial` neurosis
// points class 1, up to `unclear` class 4, above that `otherwise` (2 or 3).
struct SociopathyRow {
    int antisocial; // -1: never class 1
    int unclear;
    int otherwise;
};
constexpr SociopathyRow kSociopathyRows[] = {
    {-1, 4, 2}, {-1, 5, 2}, {-1, 6, 2}, {-1, 7, 2}, {-1, 8, 2}, {0, 9, 2},  {1, 10, 2},
    {2, 10, 2}, {3, 10, 2}, {4, 10, 3}, {5, 10, 3}, {6, 10, 3}, {7, 10, 3}, {10, 10, 3}, // 13 and above
};
constexpr std::string_view kSociopathyVerdicts[] = {
    "",
    "antiszociális személyiségfejlődés valószínű",
    "neurotikus személyiségfejlődés valószínű",
    "neurotikus hátterű pszichopatizálódási folyamat",
    "az indikáció nem egyértelmű",
};

constexpr Band kEpileptoidBands[] = {
    {kLow, 4, "Hiszteroid-konverziós tünetképződés"},
    {5, kHigh, "Epileptoid-konverziós tünetképződés"},
};

constexpr Band kSuicidePredictionBands[] = {
    {4, kHigh, "Ha volt szuicid kisérlet, akkor megismétlődése várható"},
    {kLow, 3, "Szuicid kisérlet nem valószínű"},
};

constexpr Weighted kSchizophreniaSigns[] = {
    {Sign("Bizarr verbalizáció"), 3},
    {Sign("Pozíció"), 3},
    {Sign("Fbn"), 3},
    {Sign("Neologizma"), 3},
    {Sign("Kontamináció"), 3},
    {Sign("Fordulat az értelmezésben"), 2},
    {Sign("Jelentéstudat"), 2},
    {Sign("Ideovizualitás"), 2},
    {Sign("Számreakció"), 2},
    {Sign("Énbevonás"), 2},
    {Sign("Kitérő verbalizáció"), 2},
    {Sign("Hasonlósági illúzió"), 1},
    {Sign("Autolokalizáció"), 1},
    {Sign("Defekt Fb"), 1},
    {Sign("Autisztikus magyarázat"), 1},
    {Sign("Inverzió"), 1},
    {Sign("Ráismerés"), 1},
};
// Signs of a better prognosis, each lowering the second value by one.
constexpr SignCode kSchizophreniaRelief[] = {Sign("Int. Fb"),
                                             Sign("Színdicséret"),
                                             Sign("Kombináció"),
                                             Sign("Rejtett értelmezés"),
                                             Sign("Élettelenítés"),
                                             Sign("Intenció"),
                                             Sign("Aránytalanság"),
                                             Sign("Piros-ütközés"),
                                             Sign("Fokozott jelentéstudat"),
                                             Sign("Perspektíva"),
                                             Sign("Takarás"),
                                             Sign("Távolítás"),
                                             Sign("FH"),
                                             Sign("Hd-elaboráció"),
                                             Sign("Színelaboráció"),
                                             Sign("Tükör-reakció")};

const std::string_view kIntrovertedLabels[] = {"Introvertált", "Extraverzió nélküli intr.",
                                               "Dilatatív introvertált", "Ellensúlyos introvertált"};

} // namespace

std::string RegressionVerdict(double index) {
    return VerdictOf(kRegressionBands, index);
}
std::string SociabilityVerdict(int score) {
    return VerdictOf(kSociabilityBands, score);
}
std::string EpileptoidHysteroidVerdict(int score) {
    return VerdictOf(kEpileptoidBands, score);
}
std::string SuicidePredictionVerdict(int score) {
    return VerdictOf(kSuicidePredictionBands, score);
}

std::string SociopathyNeurosisVerdict(int sociopathy, int neurosis) {
    const auto& row = kSociopathyRows[std::min<std::size_t>(static_cast<std::size_t>(std::max(sociopathy, 0)),
                                                            std::size(kSociopathyRows) - 1)];
    int category = neurosis <= row.antisocial ? 1 : neurosis <= row.unclear ? 4 : row.otherwise;
    return CutVerdict(kSociopathyVerdicts[category]);
}

std::string CutVerdict(std::string_view verdict) {
    constexpr std::size_t kLimit = 42;
    Utf8Reader reader(verdict);
    std::size_t characters = 0;
    while (reader.Next()) {
        if (++characters == kLimit) {
            return std::string(verdict.substr(0, reader.Position()));
        }
    }
    return std::string(verdict);
}

Constellations ComputeConstellations(const Protocol& protocol) {
    Signs s(protocol);
    double f1 = FormPlusPercent1(protocol), f2 = FormPlusPercent2(protocol);
    Constellations rows{};
    auto set = [](ConstellationRow& row, int basic, int supplementary, bool preferred) {
        row.basic = static_cast<std::uint8_t>(basic);
        row.supplementary = static_cast<std::uint8_t>(supplementary);
        row.verdict = std::string(preferred ? kPreferred : kNotPreferred);
    };

    // 1. Elfojtás
    int basic = If(s.AnyPresent({Sign("Értékelés"), Sign("Szubj. reakció"), Sign("Impresszió")})) +
                If(s.Present(codes::kFlagNaiveSecuritySeeking)) +
                If(s.Present(codes::kFlagDefusingTendency)) + If(s.Present(codes::kFlagHiddenDramatisation)) +
                If(s.Present(Sign("Undor-reakció"))) +
                If(s.AnyPresent({Sign("Sacrum"), codes::kFlagAuthorityContent})) +
                If(s.Present(Sign("Kifejezési amnézia")));
    set(rows[0], basic, 0,
        basic >= 4 ||
            (basic >= 3 && s.Present(Sign("Undor-reakció")) && s.Present(Sign("Kifejezési amnézia"))));

    // 2. Regresszió
    basic = If(s.AnyPresent({Sign("Válaszrontás"), codes::kFlagAnswerSpoiling})) +
            If(s.AnyPresent({Sign("Fb"), Sign("Fbn"), Sign("aFb"), Sign("nFb")}));
    bool drives = s.AnyPresent({Sign("Orális"), Sign("Anális"), Sign("A tergo")});
    bool allDrives = s.Present(Sign("Orális")) && s.Present(Sign("Anális")) && s.Present(Sign("A tergo"));
    int supplementary =
        If(drives) + If(allDrives && s.AnyPresent({Sign("Molekula-reakció"), Sign("Transzparencia")})) +
        If(f1 >= 90 && f2 >= 90 && s.AnyPresent({Sign("Pozíció"), Sign("Kettőzés"), Sign("Számreakció")}));
    set(rows[1], basic, supplementary, basic == 2 && supplementary >= 2);

    // 3. Izoláció
    bool hdWithObjectCriticism = s.AnswersHolding([](const Answer& a) {
        return Signs::Holds(a, Sign("Hd")) && Signs::Holds(a, Sign("Obj. Kritika"));
    }) > 0;
    basic = If(f1 >= 90 && f2 >= 90) + If(s.AnyPresent({Sign("Md"), Sign("Td"), Sign("Obj.")})) +
            If(s.AnyPresent({codes::kFlagBelittlingContents, Sign("Bagatellizálás"), Sign("Kicsinyítés")})) +
            If(s.Present(Sign("Színkritika"))) + If(!s.Present(Sign("Színkritika")) && hdWithObjectCriticism);
    set(rows[2], basic, 0, basic >= 4);

    // 5. Meg nem történtté tevés
    basic = If(s.Present(Sign("Annullálás"))) + If(s.Present(Sign("Kettős B")));
    supplementary = s.Pairs(Sign("Visszatérés"), {Sign("Dereizálás"), Sign("Deformálás"),
                                                  Sign("Élettelenítés"), Sign("Frusztráció")}) +
                    If(s.AnyPresent({Sign("Sűrítés"), Sign("Ideovizualitás"), Sign("Ppt")}));
    set(rows[4], basic, supplementary, basic == 2);

    // 4, 6, 7, 8, 12 stay 0, 0, "nem prefer"; 9, 10, 11 carry no values on the sheet.
    return rows;
}

SheetScales ComputeSheetScales(const Protocol& protocol) {
    Signs s(protocol);
    SheetScales scales;
    int e = EffectiveAnswerCount(protocol);
    double f1 = FormPlusPercent1(protocol), f2 = FormPlusPercent2(protocol);
    auto et = ExperienceType(protocol);
    auto mf = SecondaryFormula(protocol);
    auto it = InnerTension(protocol);
    auto etLabel = ClassifyExperienceType(et.left, et.right);
    auto mfLabel = ClassifySecondaryFormula(mf.left, mf.right);
    auto itLabel = ClassifyInnerTension(it.left, it.right);
    auto apprehension = BuildApprehensionFormula(protocol);
    int bAll = s.AllLevels(Sign("B +"));

    // B. The regression index.
    double r = std::min(f1, f2);
    r += 10 * (s.Count(Sign("B +")) + s.Count(Sign("B sec +")) + s.Count(Sign("FFb +")));
    r -= e < 12 ? 50 : e < 15 ? 14 : 0;
    r -= s.Count(Sign("Fbn")) >= 2 ? 40 : s.Count(Sign("Fbn")) == 1 ? 20 : 0;
    r -= 15 * s.Count(Sign("Fb"));
    auto education = EducationLevelIndex(protocol.personal.education);
    r += education ? kEducationBonus[*education] : 0;
    scales.regressionIndex = r;
    scales.regressionVerdict = RegressionVerdict(r);

    // C. Sociability.
    int social = PresentPoints(s, kSociabilitySigns);
    social += s.AllLevels(Sign("FFb +")) >= 4 ? 4 : 0;
    social += If(mfLabel == "feszült") + If(bAll >= 2) +
              If(apprehension.formula.find("G!") != std::string::npos) +
              If(scales.regressionVerdict == "Normális") + If(etLabel == "Ambiekvális");
    social -= If(mfLabel == "szenzoriális hangsúlyú") + If(etLabel == "Introverzió nélküli extr.");
    scales.sociability = social;
    scales.sociabilityVerdict = SociabilityVerdict(social);

    // D. The organic scale.
    int strong =
        If(s.Present(Sign("Fbn"))) + If(s.CardsWith(Sign("Perszeveráció")) >= 3) +
        s.Pairs(Sign("Tehetetlenség"), {Sign("Annullálás"), Sign("Obj. Kritika"), Sign("Szubj. Kritika")}) +
        s.Pairs(Sign("Bizonytalanság"),
                {Sign("Jelentéstudat"), Sign("Tagadó reakció"), Sign("Kérdő reakció")}) +
        If(s.Present(Sign("Gépies fordulat")));
    int organic = If(e < 15) + If(bAll <= 1 && s.AllLevels(Sign("B sec +")) <= 1) + If(f1 <= 65 || f2 <= 65) +
                  If(neiger::VulgarPercent(protocol) <= 30) + strong;
    int unbestimmtWithPoorForm = s.Pairs(Sign("Unbestimmt"), {Sign("F -")});
    int organicMore = If(s.Present(Sign("Kifejezési amnézia"))) + If(unbestimmtWithPoorForm >= 2) +
                      If(s.Present(Sign("Részletezés"))) + If(s.Present(Sign("Hézaghangsúly"))) +
                      If(s.Present(Sign("nFb"))) +
                      If(s.Count(Sign("Kérdő reakció")) + s.Count(Sign("Tagadó reakció")) +
                             s.Count(Sign("Annullálás")) + s.Count(Sign("Vagy-vagy")) >=
                         e / 4);
    int organicClass = organic <= 3                    ? 1
                       : organic <= 5 && strong <= 1   ? 1
                       : organic <= 5 && strong <= 10  ? 2
                       : organic >= 6 && organic <= 10 ? 2
                                                       : 0;
    if (organicClass == 2 && organicMore > 2) {
        organicClass = 3;
    }
    scales.organic = organic;
    scales.organicStrong = strong;
    scales.organicSupplementary = organicMore;
    scales.organicVerdict =
        organicClass ? std::string(kOrganicVerdicts[organicClass]) : std::string(kNotInterpretable);

    // E. Sociopathy and neurosis.
    int p = PresentPoints(s, kSociopathySigns);
    p += etLabel == "Koartatív" ? 3 : 0;
    p += etLabel == "Extraverzió nélküli intr." ? 2 : 0;
    p += s.AnyPresent({Sign("Konfabuláció"), Sign("DG konf.")}) ? 3 : 0;
    p += s.Count(Sign("Medián preferencia")) >= 3 ? 1 : 0;
    p += s.Count(Sign("Takarás")) >= 3 ? 2 : 0;
    p += s.Count(Sign("Groteszk")) >= 3 ? 2 : 0;
    bool gFlag = apprehension.Flag(ApprehensionFlag::G), zwFlag = apprehension.Flag(ApprehensionFlag::Zw);
    int n = PresentPoints(s, kNeurosisSigns);
    n += !gFlag && !zwFlag ? 3 : 0;
    n += !gFlag && zwFlag ? 1 : 0;
    n += apprehension.Flag(ApprehensionFlag::DoEmphasised) || apprehension.Flag(ApprehensionFlag::DoStrong)
             ? 2
             : 0;
    n += etLabel == "Extravertált" || etLabel == "Dilatatív extravertált" ? 4 : 0;
    n += s.Count(Sign("FbF")) >= 2 ? 2 : 0;
    n += mfLabel == "sivár" ? 3 : 0;
    n += (et.left < et.right && mf.left > mf.right) || (et.left > et.right && mf.left < mf.right) ? 3 : 0;
    n += itLabel == "ellensúly nélküli zw hangsúlyú" ? 2 : 0;
    n += s.Count(Sign("M")) >= 4 && s.Count(Sign("M")) > s.Count(Sign("Md")) ? 2 : 0;
    n += s.Count(Sign("HdF")) >= 2 ? 1 : 0;
    n += s.Count(Sign("Hegy")) >= 2 ? 1 : 0;
    n += s.AnyAnswerOnCardHolds(4, {Sign("Versagen"), Sign("Sokk /Hd, szín/")}) ? 7 : 0;
    scales.sociopathy = p;
    scales.neurosis = n;
    scales.sociopathyNeurosisVerdict = SociopathyNeurosisVerdict(p, n);

    // F. Epileptoid and hysteroid conversion.
    int h = If(bAll <= 1) + If(f1 < 70 && f2 < 70) + If(s.Present(Sign("Fbn"))) +
            If(s.Count(Sign("Perszeveráció")) >= 3) + If(s.Count(Sign("V-1")) <= 4) +
            If(s.CardsWith(Sign("Részletezés")) >= 5) +
            If(s.AnyPresent({Sign("Színleírás"), Sign("Hd-leírás"), Sign("Képleírás")})) +
            If(s.AnyPresent({Sign("Szimmetria"), Sign("Hiány-reakció"), Sign("Ütközés")})) +
            If(s.Count(Sign("G")) >= 5 && s.Count(Sign("G")) <= 10) +
            If(s.AnyPresent({Sign("Agresszió"), Sign("Csonkítás")}));
    scales.epileptoidHysteroid = h;
    scales.epileptoidHysteroidVerdict = EpileptoidHysteroidVerdict(h);

    // G. Signs of suicide danger.
    int colourWithShading = s.AnswersHolding([](const Answer& a) {
        return Signs::HoldsAnyLevel(a, Sign("FFb +")) && Signs::HoldsAnyLevel(a, Sign("F(Fb) +"));
    });
    scales.suicideBasic = If(s.Count(Sign("Inadekvát kinesztézia")) >= 2) + colourWithShading;
    scales.suicideSupplementary =
        If(s.AnyPresent({Sign("Deformálás"), Sign("Defekt Fb"), Sign("Defekt Hd")})) + If(r <= 89) +
        If(f1 > f2) + If(s.Present(Sign("FFb -")));

    // H. Suicide prediction: no items are scored, so the score stays 0.
    scales.suicidePrediction = 0;
    scales.suicidePredictionVerdict = SuicidePredictionVerdict(scales.suicidePrediction);

    // I. Schizoid signs.
    bool introverted = std::find(std::begin(kIntrovertedLabels), std::end(kIntrovertedLabels), etLabel) !=
                       std::end(kIntrovertedLabels);
    scales.schizoid = If(etLabel == "Introvertált") + If(introverted && s.Count(codes::kColourIndex) > 35) +
                      If(s.AnyPresent({Sign("Absztr."), Sign("Absztrakt szóhasználat"), Sign("absztr.B")})) +
                      If(s.Present(Sign("Táj"))) + If(s.Present(Sign("Kettős B"))) +
                      If(s.Present(Sign("Elfojtott B"))) + If(s.Present(Sign("Impresszió"))) +
                      If(colourWithShading > 0);

    // J. The schizophrenia scale.
    int q = PresentPoints(s, kSchizophreniaSigns);
    q += s.Count(Sign("Perszeveráció")) >= 2 ? 3 : 0;
    q += s.AnyAnswerOnCardHolds(3, {Sign("Versagen"), Sign("Sokk /Hd, szín/")}) ? 1 : 0;
    q += e < 17 ? 2 : 0;
    q += f1 + f2 < 140 ? 3 : 0;
    q += et.left == 0 || et.right == 0 ? 2 : 0;
    q += s.Count(codes::kVersagen) > 3 ? 3 : 0;
    int q2 = q;
    for (auto code : kSchizophreniaRelief) {
        q2 -= If(s.Present(code));
    }
    q2 -= If(s.Count(Sign("Szimmetria")) >= 2);
    q2 -= s.Count(Sign("FFb +")) >= 2 ? 2 : 0;
    q2 += f1 + f2 >= 160 && f1 + f2 < 180 ? 2 : 0;
    q2 += f1 + f2 >= 180 && f1 + f2 <= 190 ? 3 : 0;
    int contentSum = ContentSum(protocol);
    q2 += contentSum >= 10 && contentSum <= 14 ? 2 : 0;
    q2 += contentSum >= 15 ? 3 : 0;
    scales.schizophreniaPlus = q;
    scales.schizophreniaSecond = q2;
    return scales;
}

} // namespace quelvarin::reports
