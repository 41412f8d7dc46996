#include "scoring/Apprehension.h"

#include "model/SignNames.h"
#include "scoring/AnswerCounts.h"
#include "scoring/ApprehensionGrading.h"

#include <vector>

namespace quelvarin {
namespace tables = apprehension_tables;

namespace {

// The main table parsed once: for each band the four cells of G, D, Dd and zw.
struct ParsedBand {
    int firstAnswers, lastAnswers;
    std::array<CountRangeCell<4>, 4> cells;
};

const std::vector<ParsedBand>& ParsedBands() {
    static const std::vector<ParsedBand> bands = [] {
        std::vector<ParsedBand> parsed;
        for (const auto& band : tables::MainBands()) {
            parsed.push_back({band.firstAnswers,
                              band.lastAnswers,
                              {ParseCountRangeCell<4>(band.g), ParseCountRangeCell<4>(band.d),
                               ParseCountRangeCell<4>(band.dd), ParseCountRangeCell<4>(band.zw)}});
        }
        return parsed;
    }();
    return bands;
}

const ParsedBand* BandOf(int answers) {
    const auto& bands = ParsedBands();
    if (answers < bands.front().firstAnswers) {
        return nullptr;
    }
    for (const auto& band : bands) {
        if (answers >= band.firstAnswers && answers <= band.lastAnswers) {
            return &band;
        }
    }
    return &bands.back(); // more answers than a protocol holds: the last band
}

// A count above the highest range of a cell takes that range's grade. Two cells have a closed
// top, G with six or seven answers ("7 / -") and G with eight ("8"): combined locations count
// in several sums, so the G sum can pass them, and such a G is emphasised or strongly
// emphasised, not absent from the formula.
Grade GradeIn(const CountRangeCell<4>& cell, int count) {
    auto column = ColumnOfCount(cell, count, true);
    return column ? static_cast<Grade>(*column + 1) : Grade::None;
}

Grade GradeFromRows(std::span<const tables::CountRow> rows, int answers, int count) {
    for (const auto& row : rows) {
        auto range = ParseCountRange(row.counts);
        if (range && range->Holds(count)) {
            int grade = answers <= 0                           ? row.zero
                        : answers < tables::kFirstLongProtocol ? row.shortProtocol
                                                               : row.longProtocol;
            return static_cast<Grade>(grade);
        }
    }
    return Grade::None;
}

void Append(std::string& formula, std::string_view element, Grade grade) {
    switch (grade) {
    case Grade::None:
        return;
    case Grade::UnderRepresented:
        formula += "(";
        formula += element;
        formula += ")-";
        return;
    case Grade::Normal:
        formula += element;
        formula += "-";
        return;
    case Grade::Emphasised:
        formula += element;
        formula += "!-";
        return;
    case Grade::StronglyEmphasised:
        formula += element;
        formula += "!!-";
        return;
    }
}

void SetFlags(ApprehensionFlags& flags, ApprehensionFlag first, Grade grade) {
    auto base = static_cast<std::size_t>(first);
    flags[base] = grade != Grade::None;
    flags[base + 1] = grade >= Grade::Emphasised;
    flags[base + 2] = grade == Grade::StronglyEmphasised;
}

int Count(const Protocol& protocol, SignCode code) {
    return protocol.counts[code];
}

// The tally of each combined element, in the order of the table.
constexpr std::array<SignCode, 6> kCombinedCodes = {Sign("DG konf."), Sign("DG komb."), Sign("Gzw"),
                                                    Sign("G komb."),  Sign("DzwG"),     Sign("DG kont.")};

} // namespace

LocationSums ComputeLocationSums(const Protocol& protocol) {
    auto c = [&](SignCode code) { return Count(protocol, code); };
    LocationSums sums;
    sums.g = (c(Sign("G")) + c(Sign("G komb.")) + c(Sign("Gzw")) + c(Sign("DG komb.")) + c(Sign("DG konf.")) +
              c(Sign("DG kont.")) + c(Sign("DzwG"))) %
             256;
    sums.d = (c(Sign("D")) + c(Sign("DG komb.")) + c(Sign("DG konf.")) + c(Sign("DG kont."))) % 256;
    sums.dd = (c(Sign("Dd")) + c(Sign("Ddzw"))) % 256;
    sums.zw = (c(Sign("Gzw")) + c(Sign("DzwG")) + c(Sign("Dzw")) + c(Sign("Ddzw")) + c(Sign("zw"))) % 256;
    return sums;
}

MainGrades GradeMainLocations(int answers, const LocationSums& sums) {
    const auto* band = BandOf(answers);
    if (!band) {
        return {Grade::None, Grade::None, Grade::None, Grade::None};
    }
    return {GradeIn(band->cells[0], sums.g), GradeIn(band->cells[1], sums.d),
            GradeIn(band->cells[2], sums.dd), GradeIn(band->cells[3], sums.zw)};
}

Grade GradeDo(int answers, int count) {
    return GradeFromRows(tables::DoRows(), answers, count);
}

Grade GradeCombinedLocation(std::string_view element, int answers, int count) {
    for (const auto& table : tables::CombinedElements()) {
        if (table.element == element) {
            return GradeFromRows(table.rows, answers, count);
        }
    }
    return Grade::None;
}

ApprehensionFigures BuildApprehensionFormula(const Protocol& protocol) {
    ApprehensionFigures figures;
    figures.sums = ComputeLocationSums(protocol);
    int answers = ComputeAnswerCounts(protocol).total;

    auto main = GradeMainLocations(answers, figures.sums);
    Append(figures.formula, "G", main.g);
    Append(figures.formula, "D", main.d);
    Append(figures.formula, "Dd", main.dd);
    Append(figures.formula, "zw", main.zw);
    auto doGrade = GradeDo(answers, Count(protocol, Sign("Do")));
    Append(figures.formula, "Do", doGrade);
    const auto combined = tables::CombinedElements();
    for (std::size_t i = 0; i < combined.size(); ++i) {
        auto grade = GradeFromRows(combined[i].rows, answers, Count(protocol, kCombinedCodes[i]));
        Append(figures.formula, combined[i].element, grade);
        if (kCombinedCodes[i] == Sign("G komb.")) {
            figures.gKombGrade = grade;
        } else if (kCombinedCodes[i] == Sign("DG konf.")) {
            figures.dgKonfGrade = grade;
        }
    }
    figures.grades = main;
    figures.doGrade = doGrade;

    SetFlags(figures.flags, ApprehensionFlag::G, main.g);
    SetFlags(figures.flags, ApprehensionFlag::Do, doGrade);
    SetFlags(figures.flags, ApprehensionFlag::Zw, main.zw);
    return figures;
}

} // namespace quelvarin
