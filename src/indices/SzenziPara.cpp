#include "indices/SzenziPara.h"

#include "model/SignNames.h"
#include "platform/Rounding.h"
#include "scoring/AnswerCounts.h"

namespace quelvarin::szenzipara {
namespace {

constexpr Category kCategories[] = {
    {"Szem-tartalmak", {Sign("Szem")}, 81},
    {"Gyanakvások", {Sign("Gyanakvó reakció")}, 59},
    {"Tartalmatlanítások", {Sign("Amorf")}, 21},
    {"Percepciós jellemzők", {Sign("Dd"), Sign("Hasonlósági illúzió")}, 22},
    {"Indulattalanítás-veszélytelenítés", {Sign("Élettelenítés"), Sign("Dereizálás")}, 26},
    {"Rejtőzködések", {Sign("Ruha"), Sign("Álarc I"), Sign("Álarc II"), Sign("Álarc III")}, 15},
    {"Tulajdonítások", {Sign("Intenció")}, 25},
    {"Jelentésadást kísérő bagatellizálások", {Sign("Obj. Kritika")}, 25},
    {"Szimmetria hangsúlyozások", {Sign("Szimmetria")}, 7},
    {"Jelentésadás nélküli bagatellizálások", {Sign("Bagatellizálás")}, -46},
    {"Veszély-projekciók", {Sign("Veszély-projekció")}, -30},
};
static_assert(std::size(kCategories) == kCategoryCount);

// The zones by the rounded index: up to and including the bound.
struct ZoneBand {
    long long upTo;
    Zone zone;
    ZoneInfo texts;
};
constexpr ZoneBand kZones[] = {
    {136,
     Zone::Healthy,
     {"Indikált diagnózis: egészséges, adekvációs esély: 100%.", "Alternatív diagnózis: nincs."}},
    {236,
     Zone::NonPsychoticParanoid,
     {"Indikált diagnózis: nem pszichotikus paranoid, adekv. esély: 64%.",
      "Alternatív diagnózis: egészséges (12%), pszich. paranoid (24%)."}},
    {1LL << 62,
     Zone::PsychoticParanoid,
     {"Indikált diagnózis: pszichotikus paranoid, adekv. esély: 94%.",
      "Alternatív diagnózis: nem pszichotikus paranoid (6%)."}},
};

} // namespace

std::span<const Category> Categories() {
    return kCategories;
}

ZoneInfo ZoneTexts(Zone zone) {
    for (const auto& band : kZones) {
        if (band.zone == zone) {
            return band.texts;
        }
    }
    return {};
}

Zone ZoneOf(double index) {
    auto rounded = RoundHalfEven(index);
    for (const auto& band : kZones) {
        if (rounded <= band.upTo) {
            return band.zone;
        }
    }
    return Zone::PsychoticParanoid;
}

std::optional<Result> Compute(const Protocol& protocol) {
    Result result;
    result.answers = EffectiveAnswerCount(protocol);
    if (result.answers == 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        for (auto code : kCategories[i].signs) {
            result.frequencies[i] += code == 0 ? 0 : protocol.counts[code];
        }
        result.products[i] = result.frequencies[i] * kCategories[i].weight;
        result.sum += result.products[i];
    }
    double n = result.answers;
    result.index = ((result.sum / n) + 10) * 10 - n;
    result.rounded = RoundHalfEven(result.index);
    result.zone = ZoneOf(result.index);
    return result;
}

// The categories' counters follow N's in category order, from "Szem-projekciók" to
// "Veszély-projekciók".
static_assert(codes::kSpDangerProjections == codes::kSpEyeProjections + kCategoryCount - 1);

void StoreFigures(Protocol& protocol, const Result& result) {
    protocol.counts.Set(codes::kSpAnswers, SymbolCounts::Saturate(result.answers));
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        protocol.counts.Set(static_cast<SignCode>(codes::kSpEyeProjections + i),
                            SymbolCounts::Saturate(result.frequencies[i]));
    }
}

void Recompute(Protocol& protocol, Standing& standing) {
    auto result = Compute(protocol);
    if (!result) {
        standing = Standing{};
        standing.index = kNoEffectiveAnswers;
        return;
    }
    StoreFigures(protocol, *result);
    auto texts = ZoneTexts(result->zone);
    standing.index = result->rounded;
    standing.zone = result->zone;
    standing.indicated = std::string(texts.indicated);
    standing.alternative = std::string(texts.alternative);
    standing.figures = result;
}

} // namespace quelvarin::szenzipara
