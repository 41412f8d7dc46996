#include "reports/SheetScales.h"

#include "indices/neiger.h"
#include "model/EducationLevels.h"
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

constexpr SignCode kBPlus = 302, kBSecPlus = 303, kFFbPlus = 307, kFFbMinus = 329, kFFbParenPlus = 309,
                   kFb = 335, kFbn = 336, kFbF = 334, kHdF = 337, kHd = 338;

constexpr Band kRegressionBands[] = {
    {kLow, 89, "Regresszió"},
    {90, 129, "Valószínű regresszió"},
    {130, 185, "Valószínű normális"},
    {186, kHigh, "Normális"},
};

// The education bonus of the regression index, by the position of the education level.
constexpr int kEducationBonus[8] = {75, 75, 75, 70, 65, 60, 55, 50};

constexpr Weighted kSociabilitySigns[] = {
    {352, 4},  // Tűz
    {343, 2},  // asszoc.B
    {180, 2},  // Intenció
    {154, -5}, // Gyanakvó reakció
    {126, -3}, // Befestés
    {244, -2}, // Tagadó reakció
    {226, -1}, // Színütközés
};
constexpr Band kSociabilityBands[] = {
    {9, kHigh, "Magas fokú szociab."},
    {3, 8, "Valószínűleg jó szociab."},
    {-3, 2, "Valósz. rossz szociab."},
    {kLow, -4, "Alacsony fokú szociab."},
};

constexpr std::string_view kOrganicVerdicts[] = {"", "Org. káros. nem valószínű", "Org. károsodás valószínű",
                                                 "Org. káros. nagyon val."};

constexpr Weighted kSociopathySigns[] = {
    {358, 3}, // (M)
    {145, 1}, // Fokozott jelentéstudat
    {226, 1}, // Színütközés
    {186, 3}, // Kilépés
    {159, 4}, // Hézaghangsúly
    {246, 2}, // Technikai deskripció
    {189, 2}, // Kitérő verbalizáció
    {155, 1}, // Gépies fordulat
    {191, 3}, // Kifejezési amnézia
    {249, 2}, // Tükör-reakció
    {192, 2}, // Kettőzés
    {149, 5}, // FH
    {131, 3}, // Dereizálás
    {154, 1}, // Gyanakvó reakció
    {263, 1}, // Válaszrontás
    {207, 2}, // Medián preferencia
};
constexpr Weighted kNeurosisSigns[] = {
    {352, 3}, // Tűz
    {242, 3}, // Szex-ütközés
    {116, 1}, // Aránytalanság
    {199, 4}, // Kettős lény
    {258, 2}, // Undor-reakció
};

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
    {124, 3},
    {218, 3},
    {kFbn, 3},
    {210, 3},
    {197, 3}, // Bizarr verb., Pozíció, Fbn, Neologizma, Kontamináció
    {151, 2}, // Fordulat az értelmezésben
    {182, 2},
    {172, 2},
    {233, 2},
    {143, 2},
    {189, 2}, // Jelentéstudat, Ideovizualitás, Számreakció,
              // Énbevonás, Kitérő verb.
    {160, 1},
    {115, 1},
    {133, 1},
    {112, 1},
    {171, 1},
    {221, 1}, // Hasonl. ill., Autolokalizáció, Defekt Fb,
              // Autiszt. magyarázat, Inverzió, Ráismerés
};
// Signs of a better prognosis, each lowering the second value by one.
constexpr SignCode kSchizophreniaRelief[] = {178, 239, 193, 222, 142, 180, 116, 214,
                                             145, 219, 254, 251, 149, 162, 235, 249};

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
    int basic = If(s.AnyPresent({138, 232, 179})) + If(s.Present(489)) + If(s.Present(486)) +
                If(s.Present(487)) + If(s.Present(258)) + If(s.AnyPresent({389, 488})) + If(s.Present(191));
    set(rows[0], basic, 0, basic >= 4 || (basic >= 3 && s.Present(258) && s.Present(191)));

    // 2. Regresszió
    basic = If(s.AnyPresent({263, 490})) + If(s.AnyPresent({kFb, kFbn, 342, 340}));
    bool drives = s.AnyPresent({213, 118, 119});
    bool allDrives = s.Present(213) && s.Present(118) && s.Present(119);
    int supplementary = If(drives) + If(allDrives && s.AnyPresent({205, 248})) +
                        If(f1 >= 90 && f2 >= 90 && s.AnyPresent({218, 192, 233}));
    set(rows[1], basic, supplementary, basic == 2 && supplementary >= 2);

    // 3. Izoláció
    bool hdWithObjectCriticism =
        s.AnswersHolding([](const Answer& a) { return Signs::Holds(a, kHd) && Signs::Holds(a, 212); }) > 0;
    basic = If(f1 >= 90 && f2 >= 90) + If(s.AnyPresent({371, 359, 348})) + If(s.AnyPresent({492, 128, 198})) +
            If(s.Present(224)) + If(!s.Present(224) && hdWithObjectCriticism);
    set(rows[2], basic, 0, basic >= 4);

    // 5. Meg nem történtté tevés
    basic = If(s.Present(109)) + If(s.Present(195));
    supplementary = s.Pairs(261, {131, 132, 142, 152}) + If(s.AnyPresent({231, 172, 217}));
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
    int bAll = s.AllLevels(kBPlus);

    // B. The regression index.
    double r = std::min(f1, f2);
    r += 10 * (s.Count(kBPlus) + s.Count(kBSecPlus) + s.Count(kFFbPlus));
    r -= e < 12 ? 50 : e < 15 ? 14 : 0;
    r -= s.Count(kFbn) >= 2 ? 40 : s.Count(kFbn) == 1 ? 20 : 0;
    r -= 15 * s.Count(kFb);
    auto education = EducationLevelIndex(protocol.personal.education);
    r += education ? kEducationBonus[*education] : 0;
    scales.regressionIndex = r;
    scales.regressionVerdict = RegressionVerdict(r);

    // C. Sociability.
    int social = PresentPoints(s, kSociabilitySigns);
    social += s.AllLevels(kFFbPlus) >= 4 ? 4 : 0;
    social += If(mfLabel == "feszült") + If(bAll >= 2) +
              If(apprehension.formula.find("G!") != std::string::npos) +
              If(scales.regressionVerdict == "Normális") + If(etLabel == "Ambiekvális");
    social -= If(mfLabel == "szenzoriális hangsúlyú") + If(etLabel == "Introverzió nélküli extr.");
    scales.sociability = social;
    scales.sociabilityVerdict = SociabilityVerdict(social);

    // D. The organic scale.
    int strong = If(s.Present(kFbn)) + If(s.CardsWith(215) >= 3) + s.Pairs(245, {109, 212, 223}) +
                 s.Pairs(122, {182, 244, 184}) + If(s.Present(155));
    int organic = If(e < 15) + If(bAll <= 1 && s.AllLevels(kBSecPlus) <= 1) + If(f1 <= 65 || f2 <= 65) +
                  If(neiger::VulgarPercent(protocol) <= 30) + strong;
    int unbestimmtWithPoorForm = s.Pairs(255, {323});
    int organicMore = If(s.Present(191)) + If(unbestimmtWithPoorForm >= 2) + If(s.Present(220)) +
                      If(s.Present(159)) + If(s.Present(340)) +
                      If(s.Count(184) + s.Count(244) + s.Count(109) + s.Count(259) >= e / 4);
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
    p += s.AnyPresent({196, 407}) ? 3 : 0;
    p += s.Count(207) >= 3 ? 1 : 0;
    p += s.Count(254) >= 3 ? 2 : 0;
    p += s.Count(156) >= 3 ? 2 : 0;
    bool gFlag = apprehension.Flag(ApprehensionFlag::G), zwFlag = apprehension.Flag(ApprehensionFlag::Zw);
    int n = PresentPoints(s, kNeurosisSigns);
    n += !gFlag && !zwFlag ? 3 : 0;
    n += !gFlag && zwFlag ? 1 : 0;
    n += apprehension.Flag(ApprehensionFlag::DoEmphasised) || apprehension.Flag(ApprehensionFlag::DoStrong)
             ? 2
             : 0;
    n += etLabel == "Extravertált" || etLabel == "Dilatatív extravertált" ? 4 : 0;
    n += s.Count(kFbF) >= 2 ? 2 : 0;
    n += mfLabel == "sivár" ? 3 : 0;
    n += (et.left < et.right && mf.left > mf.right) || (et.left > et.right && mf.left < mf.right) ? 3 : 0;
    n += itLabel == "ellensúly nélküli zw hangsúlyú" ? 2 : 0;
    n += s.Count(345) >= 4 && s.Count(345) > s.Count(371) ? 2 : 0;
    n += s.Count(kHdF) >= 2 ? 1 : 0;
    n += s.Count(377) >= 2 ? 1 : 0;
    n += s.AnyAnswerOnCardHolds(4, {260, 225}) ? 7 : 0;
    scales.sociopathy = p;
    scales.neurosis = n;
    scales.sociopathyNeurosisVerdict = SociopathyNeurosisVerdict(p, n);

    // F. Epileptoid and hysteroid conversion.
    int h = If(bAll <= 1) + If(f1 < 70 && f2 < 70) + If(s.Present(kFbn)) + If(s.Count(215) >= 3) +
            If(s.Count(293) <= 4) + If(s.CardsWith(220) >= 5) + If(s.AnyPresent({228, 158, 187})) +
            If(s.AnyPresent({229, 168, 256})) + If(s.Count(400) >= 5 && s.Count(400) <= 10) +
            If(s.AnyPresent({121, 129}));
    scales.epileptoidHysteroid = h;
    scales.epileptoidHysteroidVerdict = EpileptoidHysteroidVerdict(h);

    // G. Signs of suicide danger.
    int colourWithShading = s.AnswersHolding([](const Answer& a) {
        return Signs::HoldsAnyLevel(a, kFFbPlus) && Signs::HoldsAnyLevel(a, kFFbParenPlus);
    });
    scales.suicideBasic = If(s.Count(181) >= 2) + colourWithShading;
    scales.suicideSupplementary =
        If(s.AnyPresent({132, 133, 134})) + If(r <= 89) + If(f1 > f2) + If(s.Present(kFFbMinus));

    // H. Suicide prediction: no items are scored, so the score stays 0.
    scales.suicidePrediction = 0;
    scales.suicidePredictionVerdict = SuicidePredictionVerdict(scales.suicidePrediction);

    // I. Schizoid signs.
    bool introverted = std::find(std::begin(kIntrovertedLabels), std::end(kIntrovertedLabels), etLabel) !=
                       std::end(kIntrovertedLabels);
    scales.schizoid = If(etLabel == "Introvertált") + If(introverted && s.Count(codes::kColourIndex) > 35) +
                      If(s.AnyPresent({394, 113, 344})) + If(s.Present(350)) + If(s.Present(195)) +
                      If(s.Present(144)) + If(s.Present(179)) + If(colourWithShading > 0);

    // J. The schizophrenia scale.
    int q = PresentPoints(s, kSchizophreniaSigns);
    q += s.Count(215) >= 2 ? 3 : 0;
    q += s.AnyAnswerOnCardHolds(3, {260, 225}) ? 1 : 0;
    q += e < 17 ? 2 : 0;
    q += f1 + f2 < 140 ? 3 : 0;
    q += et.left == 0 || et.right == 0 ? 2 : 0;
    q += s.Count(codes::kVersagen) > 3 ? 3 : 0;
    int q2 = q;
    for (auto code : kSchizophreniaRelief) {
        q2 -= If(s.Present(code));
    }
    q2 -= If(s.Count(229) >= 2);
    q2 -= s.Count(kFFbPlus) >= 2 ? 2 : 0;
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
