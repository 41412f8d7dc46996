#pragma once

#include "model/Protocol.h"

#include <string>
#include <string_view>

namespace quelvarin {

// A pair of the typologies: ÉT (movement : colour), MF (kinaesthetic : sensory), IT (zw :
// shading). Every side is a multiple of 0.5.
struct TypologyPair {
    double left = 0;
    double right = 0;
    bool operator==(const TypologyPair&) const = default;
};

struct Typologies {
    double formPlusPercent1 = 0; // F+%1
    double formPlusPercent2 = 0; // F+%2
    std::string intellectRating; // the hint of "F+%1:"
    TypologyPair experienceType;
    std::string experienceTypeLabel;
    TypologyPair secondaryFormula;
    std::string secondaryFormulaLabel;
    TypologyPair innerTension;
    std::string innerTensionLabel; // "" outside its table
    bool operator==(const Typologies&) const = default;
};

double FormPlusPercent1(const Protocol& protocol);
double FormPlusPercent2(const Protocol& protocol);
std::string_view IntellectRating(double formPlusPercent1);

TypologyPair ExperienceType(const Protocol& protocol);
TypologyPair SecondaryFormula(const Protocol& protocol);
TypologyPair InnerTension(const Protocol& protocol);

// The labels of the three pairs, from their two sides only.
std::string_view ClassifyExperienceType(double movement, double colour);
std::string_view ClassifySecondaryFormula(double kinaesthetic, double sensory);
// "" where the table has no label (zw above 12, rounded shading above 20, zw 3 with 8).
std::string_view ClassifyInnerTension(double zw, double shading);

Typologies ComputeTypologies(const Protocol& protocol);

} // namespace quelvarin
