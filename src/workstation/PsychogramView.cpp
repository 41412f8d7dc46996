#include "workstation/PsychogramView.h"

#include "model/SymbolCatalogue.h"
#include "model/VulgarCatalogue.h"
#include "platform/NumberFormat.h"
#include "scoring/AnswerCounts.h"
#include "scoring/PsychogramText.h"

#include <vector>

namespace quelvarin {
namespace text = psychogram_text;

namespace {

// The boxes each figure is computed from, by display name, as a clinician reads them.
struct FigureSources {
    Figure figure;
    std::vector<std::string_view> boxes;
};

const std::vector<FigureSources>& SourceNames() {
    static const std::vector<FigureSources> table = {
        {Figure::GSum, {"G", "G komb.", "Gzw", "DG komb.", "DG konf.", "DG kont.", "DzwG"}},
        {Figure::DSum, {"D", "DG komb.", "DG konf.", "DG kont."}},
        {Figure::DdSum, {"Dd", "Ddzw"}},
        {Figure::ZwSum, {"Dzw", "Ddzw", "Gzw", "DzwG", "zw"}},
        {Figure::FormPlusPercent1, {"F +", "F +/-", "F -"}},
        {Figure::ExperienceType,
         {"B +", "B +/-", "B -", "B sec +", "B sec +/-", "B sec -", "FFb +", "FFb +/-", "FFb -", "FbF",
          "Fb"}},
        {Figure::SecondaryFormula,
         {"B klein +", "B klein +/-", "B klein -", "BF +",     "BF +/-",  "BF -",      "b +",     "b +/-",
          "b -",       "FHd +",       "FHd +/-",   "FHd -",    "F(Fb) +", "F(Fb) +/-", "F(Fb) -", "aFFb +",
          "aFFb +/-",  "aFFb -",      "nFFb +",    "nFFb +/-", "nFFb -",  "HdF",       "Hd",      "nFbF",
          "nFb",       "aFbF",        "aFb",       "asszoc.B", "absztr.B"}},
        {Figure::InnerTension, {"FHd +", "FHd +/-", "FHd -", "HdF", "Hd"}},
        {Figure::HumanPercent, {"M", "(M)", "Md"}},
        {Figure::AnimalPercent, {"T", "Td"}},
        {Figure::ObjectPercent, {"Obj.", "Jármű"}},
    };
    return table;
}

// The codes of the table; "F+%2:" is computed from every determinant with a form level.
const std::array<std::vector<SignCode>, kFigureCount>& SourceCodes() {
    static const auto codes = [] {
        std::array<std::vector<SignCode>, kFigureCount> built;
        for (const auto& row : SourceNames()) {
            for (auto name : row.boxes) {
                built[static_cast<std::size_t>(row.figure)].push_back(CodeOfName(name));
            }
        }
        auto& formLevels = built[static_cast<std::size_t>(Figure::FormPlusPercent2)];
        for (SignCode code = codes::kFirstDeterminant; code <= codes::kLastFormLevelDeterminant; ++code) {
            formLevels.push_back(code);
        }
        return built;
    }();
    return codes;
}

} // namespace

std::span<const SignCode> SourceBoxesOf(Figure figure) {
    return SourceCodes()[static_cast<std::size_t>(figure)];
}

std::string SignBoxHint(const Protocol& protocol, SignCode code) {
    return " összesen " + FormatInteger(protocol.counts[code]) + " ";
}

PsychogramView BuildPsychogramView(const Session& session) {
    const auto& protocol = session.CurrentProtocol();
    const auto& counts = protocol.counts;
    const auto& figures = session.Figures();
    const auto& apprehension = figures.apprehension;
    const auto& contents = figures.contents;
    const auto& typologies = figures.typologies;
    auto counter = [&counts](SignCode code) { return FormatInteger(counts[code]); };

    PsychogramView view;
    auto set = [&view](Figure figure, std::string_view caption, std::string value, std::string hint = {},
                       std::string_view labelHint = {}) {
        view.figures[static_cast<std::size_t>(figure)] = {caption, std::move(value), std::move(hint),
                                                          labelHint};
    };
    set(Figure::Answers, "Feleletszám:", counter(codes::kAnswerCount), AnswerCountHint(protocol));
    set(Figure::AnswersEarly, "I. - VII.", counter(codes::kAnswersEarly));
    set(Figure::AnswersLate, "VIII. - X.", counter(codes::kAnswersLate));
    set(Figure::ColourIndex, "Színes index:", counter(codes::kColourIndex));
    set(Figure::GSum, "G:", FormatInteger(apprehension.sums.g), "G+Gkomb+Gzw+DGkomb+DGkonf+DGkont+DzwG");
    set(Figure::DSum, "D:", FormatInteger(apprehension.sums.d), "D+DGkomb+DGkonf+DGkont");
    set(Figure::DdSum, "Dd:", FormatInteger(apprehension.sums.dd), "Dd+Ddzw", "Dd, Ddzw");
    set(Figure::ZwSum, "zw:", FormatInteger(apprehension.sums.zw), "Gzw+DzwG+Dzw+Ddzw+zw",
        "Gzw, DzwG, Dzw, Ddzw, zw");
    set(Figure::ApprehensionFormula,
        "FT:", figures.apprehensionBuilt ? apprehension.formula : std::string(kFormulaPlaceholder));

    set(Figure::FormPlusPercent1, "F+%1:", text::Percent(typologies.formPlusPercent1),
        typologies.intellectRating);
    set(Figure::FormPlusPercent2, "F+%2:", text::Percent(typologies.formPlusPercent2));
    set(Figure::ExperienceType, "ÉT:", text::Pair(typologies.experienceType), typologies.experienceTypeLabel);
    set(Figure::SecondaryFormula, "MF:", text::Pair(typologies.secondaryFormula),
        typologies.secondaryFormulaLabel);
    set(Figure::InnerTension, "IT:", text::Pair(typologies.innerTension));

    set(Figure::ContentRangeCount, "tart. körök sz.:", FormatInteger(contents.rangeCount));
    set(Figure::ContentSpread, "szóródása:", text::Spread(contents.spread));
    set(Figure::ContentSum, "összege:", FormatInteger(contents.sum));
    set(Figure::HumanPercent, "M%:", text::Percent(contents.humanPercent));
    set(Figure::AnimalPercent, "T%:", text::Percent(contents.animalPercent));
    set(Figure::ObjectPercent, "Obj%:", text::Percent(contents.objectPercent));
    for (const auto& line : contents.frequent) {
        if (!line.empty()) {
            view.frequentContents.push_back(line);
        }
    }

    set(Figure::V1, "V-1", counter(codes::kV1), SignBoxHint(protocol, codes::kV1));
    set(Figure::V2, "V-2", counter(codes::kV2), SignBoxHint(protocol, codes::kV2));
    set(Figure::V3, "V-3", counter(codes::kV3), SignBoxHint(protocol, codes::kV3));
    set(Figure::VPercent, "V-%", counter(codes::kVPercent));
    set(Figure::OPlus, "O +", counter(codes::kOPlus), std::string(kOriginalityBoxHint));
    set(Figure::OPlusMinus, "O +/-", counter(codes::kOPlusMinus), std::string(kOriginalityBoxHint));
    set(Figure::OMinus, "O -", counter(codes::kOMinus), std::string(kOriginalityBoxHint));
    set(Figure::OPercent, "O-% :", counter(codes::kOPercent));

    int card = session.CurrentCard();
    view.vulgarHeading = IsCard(card) ? VulgarHeading(card) : std::string();
    return view;
}

} // namespace quelvarin
