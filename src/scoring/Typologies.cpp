#include "scoring/Typologies.h"

#include "model/SignNames.h"
#include "platform/Rounding.h"
#include "scoring/Apprehension.h"
#include "scoring/CountRanges.h"
#include "scoring/TypologyTables.h"

#include <initializer_list>
#include <vector>

namespace quelvarin {
namespace tables = typology_tables;

namespace {

// The three form levels of a stem with a form level (0 = F .. 10 = nFFb).
int AllLevels(const Protocol& protocol, int stem) {
    int sum = 0;
    for (int level = 0; level < 3; ++level) {
        sum += protocol.counts[static_cast<SignCode>(codes::kFirstDeterminant + 11 * level + stem)];
    }
    return sum;
}

int Sum(const Protocol& protocol, std::initializer_list<SignCode> signs) {
    int sum = 0;
    for (auto code : signs) {
        sum += protocol.counts[code];
    }
    return sum;
}

int LevelSum(const Protocol& protocol, int level) {
    int sum = 0;
    for (int stem = 0; stem < 11; ++stem) {
        sum += protocol.counts[static_cast<SignCode>(codes::kFirstDeterminant + 11 * level + stem)];
    }
    return sum;
}

enum Stem { F, B, BSec, BKlein, BF, b, FFb, FHd, FFbParen, aFFb, nFFb };

std::string_view FirstRuleThatHolds(std::span<const tables::Rule> rules, double left, double right) {
    for (const auto& rule : rules) {
        double a = rule.mirrored ? right : left;
        double c = rule.mirrored ? left : right;
        for (const auto& clause : rule.clauses) {
            if (clause.left.Holds(a) && clause.right.Holds(c)) {
                return rule.label;
            }
        }
    }
    return "";
}

const std::vector<CountRangeCell<5>>& InnerTensionCells() {
    static const std::vector<CountRangeCell<5>> cells = [] {
        std::vector<CountRangeCell<5>> parsed;
        for (auto row : tables::InnerTensionRows()) {
            parsed.push_back(ParseCountRangeCell<5>(row));
        }
        return parsed;
    }();
    return cells;
}

} // namespace

double FormPlusPercent1(const Protocol& protocol) {
    double plus = protocol.counts[Sign("F +")], half = protocol.counts[Sign("F +/-")],
           minus = protocol.counts[Sign("F -")];
    double all = plus + half + minus;
    return all == 0 ? 0 : (plus + half / 2) * 100 / all;
}

double FormPlusPercent2(const Protocol& protocol) {
    double plus = LevelSum(protocol, 0), half = LevelSum(protocol, 1), minus = LevelSum(protocol, 2);
    double all = plus + half + minus;
    return all == 0 ? 0 : (plus + half / 2) * 100 / all;
}

std::string_view IntellectRating(double formPlusPercent1) {
    for (const auto& band : tables::IntellectRatingBands()) {
        if (formPlusPercent1 <= band.upTo) {
            return band.label;
        }
    }
    return tables::IntellectRatingBands().back().label;
}

TypologyPair ExperienceType(const Protocol& protocol) {
    double movement = AllLevels(protocol, B) + AllLevels(protocol, BSec) * 0.5;
    double colour =
        protocol.counts[Sign("Fb")] * 1.5 + protocol.counts[Sign("FbF")] + AllLevels(protocol, FFb) * 0.5;
    return {movement, colour};
}

TypologyPair SecondaryFormula(const Protocol& protocol) {
    double kinaesthetic = AllLevels(protocol, BKlein) + AllLevels(protocol, BF) + AllLevels(protocol, b) +
                          Sum(protocol, {codes::kAsszocB, codes::kAbsztrB});
    double sensory = Sum(protocol, {Sign("Hd"), Sign("aFb"), Sign("nFb")}) * 1.5 +
                     Sum(protocol, {Sign("HdF"), Sign("aFbF"), Sign("nFbF")}) +
                     (AllLevels(protocol, FHd) + AllLevels(protocol, aFFb) + AllLevels(protocol, nFFb) +
                      AllLevels(protocol, FFbParen)) *
                         0.5;
    return {kinaesthetic, sensory};
}

TypologyPair InnerTension(const Protocol& protocol) {
    auto zw = static_cast<double>(ComputeLocationSums(protocol).zw);
    double shading =
        protocol.counts[Sign("Hd")] * 1.5 + protocol.counts[Sign("HdF")] + AllLevels(protocol, FHd) * 0.5;
    return {zw, shading};
}

std::string_view ClassifyExperienceType(double movement, double colour) {
    return FirstRuleThatHolds(tables::ExperienceTypeRules(), movement, colour);
}

std::string_view ClassifySecondaryFormula(double kinaesthetic, double sensory) {
    auto label = FirstRuleThatHolds(tables::SecondaryFormulaRules(), kinaesthetic, sensory);
    return label.empty() ? tables::kSecondaryFormulaOtherwise : label;
}

std::string_view ClassifyInnerTension(double zw, double shading) {
    const auto& rows = InnerTensionCells();
    auto z = RoundHalfEven(zw);
    if (static_cast<double>(z) != zw || z < 0 || z >= static_cast<long long>(rows.size())) {
        return "";
    }
    auto rounded = RoundHalfEven(shading);
    if (rounded < 0 || rounded > CountRange::kOpenEnd) {
        return "";
    }
    auto column = ColumnOfCount(rows[static_cast<std::size_t>(z)], static_cast<int>(rounded));
    return column ? tables::kInnerTensionLabels[*column] : "";
}

Typologies ComputeTypologies(const Protocol& protocol) {
    Typologies t;
    t.formPlusPercent1 = FormPlusPercent1(protocol);
    t.intellectRating = std::string(IntellectRating(t.formPlusPercent1));
    t.formPlusPercent2 = FormPlusPercent2(protocol);
    t.experienceType = ExperienceType(protocol);
    t.secondaryFormula = SecondaryFormula(protocol);
    t.innerTension = InnerTension(protocol);
    t.experienceTypeLabel =
        std::string(ClassifyExperienceType(t.experienceType.left, t.experienceType.right));
    t.secondaryFormulaLabel =
        std::string(ClassifySecondaryFormula(t.secondaryFormula.left, t.secondaryFormula.right));
    t.innerTensionLabel = std::string(ClassifyInnerTension(t.innerTension.left, t.innerTension.right));
    return t;
}

} // namespace quelvarin
