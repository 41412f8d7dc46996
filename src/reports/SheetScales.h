#pragma once

#include "model/Protocol.h"

#include <array>
#include <string>
#include <string_view>

// The clinical scales and defence constellations of the examination sheet.
namespace quelvarin::reports {

inline constexpr std::string_view kNotInterpretable = "nem értelmezhető";
inline constexpr std::string_view kPreferred = "preferált";
inline constexpr std::string_view kNotPreferred = "nem prefer";

struct ConstellationRow {
    std::uint8_t basic = 0;
    std::uint8_t supplementary = 0;
    std::string verdict = std::string(kNotPreferred);
};

// Elfojtás, Regresszió, Izoláció, Projekció, Meg nem történtté tevés, Reakcióképzés, Azonosítás,
// Kompenzáció, Mentális színvonal, Kontaktus, Tolerancia, Elaboráció.
using Constellations = std::array<ConstellationRow, 12>;
Constellations ComputeConstellations(const Protocol& protocol);

struct SheetScales {
    int sociability = 0;
    std::string sociabilityVerdict = std::string(kNotInterpretable);
    double regressionIndex = 0;
    std::string regressionVerdict = std::string(kNotInterpretable);
    int organic = 0;
    int organicStrong = 0;
    int organicSupplementary = 0;
    std::string organicVerdict = std::string(kNotInterpretable);
    int alcoholism = 0; // the sheet computes none: the alcoholism window does
    std::string alcoholismVerdict = std::string(kNotInterpretable);
    int sociopathy = 0;
    int neurosis = 0;
    std::string sociopathyNeurosisVerdict = std::string(kNotInterpretable);
    int epileptoidHysteroid = 0;
    std::string epileptoidHysteroidVerdict = std::string(kNotInterpretable);
    int suicideBasic = 0;
    int suicideSupplementary = 0;
    int suicidePrediction = 0;
    std::string suicidePredictionVerdict = std::string(kNotInterpretable);
    int schizoid = 0;
    int schizophreniaPlus = 0;
    int schizophreniaSecond = 0;
};

SheetScales ComputeSheetScales(const Protocol& protocol);

// The verdicts by their scores ("nem értelmezhető" for a score in no band).
std::string RegressionVerdict(double index);
std::string SociabilityVerdict(int score);
std::string EpileptoidHysteroidVerdict(int score);
std::string SuicidePredictionVerdict(int score);
std::string SociopathyNeurosisVerdict(int sociopathy, int neurosis);

// Verdicts hold at most 42 characters; a longer one is cut, as the sheet shows it.
std::string CutVerdict(std::string_view verdict);

} // namespace quelvarin::reports
