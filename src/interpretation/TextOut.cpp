#include "interpretation/TextOut.h"

#include "model/SymbolCatalogue.h"
#include "platform/NumberFormat.h"
#include "platform/Utf8.h"

namespace quelvarin::interpretation {

std::string RuleLine(RuleKind kind, int n) {
    std::string line;
    for (int i = 0; i < n; ++i) {
        line += kind == RuleKind::Upper ? "ß" : "Ü";
    }
    return line;
}

void WriteSuccessionLines(const Context& context, TextOut& out, SignCode a, SignCode b) {
    auto nameA = NameOfCode(a);
    auto nameB = NameOfCode(b);
    std::string blanksA(CharCount(nameA), ' ');
    std::string blanksB(CharCount(nameB), ' ');
    std::string first, second;
    for (const auto& answer : context.Source().answers) {
        for (auto slot : answer.slots) {
            if (slot == a) {
                first += std::string(nameA) + ",";
                second += blanksA + ",";
            } else if (slot == b) {
                first += blanksB + ",";
                second += std::string(nameB) + ",";
            }
        }
    }
    out.Line(first);
    out.Line(second);
}

std::string Percent51(double value) {
    return FormatFixed(value, 1, 5);
}

} // namespace quelvarin::interpretation
