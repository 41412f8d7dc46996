#include "workstation/PsychogramView.h"

#include "model/SignNames.h"
#include "model/VulgarCatalogue.h"
#include "platform/NumberFormat.h"
#include "scoring/AnswerCounts.h"
#include "scoring/PsychogramText.h"

namespace quelvarin {
namespace text = psychogram_text;

namespace {

// The boxes each figure is computed from, as a clinician reads them.
constexpr SignCode kGSources[] = {Sign("G"),        Sign("G komb."),  Sign("Gzw"), Sign("DG komb."),
                                  Sign("DG konf."), Sign("DG kont."), Sign("DzwG")};
constexpr SignCode kDSources[] = {Sign("D"), Sign("DG komb."), Sign("DG konf."), Sign("DG kont.")};
constexpr SignCode kDdSources[] = {Sign("Dd"), Sign("Ddzw")};
constexpr SignCode kZwSources[] = {Sign("Dzw"), Sign("Ddzw"), Sign("Gzw"), Sign("DzwG"), Sign("zw")};
constexpr SignCode kFormPlus1Sources[] = {Sign("F +"), Sign("F +/-"), Sign("F -")};
// clang-format off
constexpr SignCode kExperienceTypeSources[] = {
    Sign("B +"),   Sign("B +/-"),   Sign("B -"),
    Sign("B sec +"), Sign("B sec +/-"), Sign("B sec -"),
    Sign("FFb +"), Sign("FFb +/-"), Sign("FFb -"),
    Sign("FbF"),   Sign("Fb"),
};
constexpr SignCode kSecondaryFormulaSources[] = {
    Sign("B klein +"), Sign("B klein +/-"), Sign("B klein -"),
    Sign("BF +"),      Sign("BF +/-"),      Sign("BF -"),
    Sign("b +"),       Sign("b +/-"),       Sign("b -"),
    Sign("FHd +"),     Sign("FHd +/-"),     Sign("FHd -"),
    Sign("F(Fb) +"),   Sign("F(Fb) +/-"),   Sign("F(Fb) -"),
    Sign("aFFb +"),    Sign("aFFb +/-"),    Sign("aFFb -"),
    Sign("nFFb +"),    Sign("nFFb +/-"),    Sign("nFFb -"),
    Sign("HdF"), Sign("Hd"), Sign("nFbF"), Sign("nFb"), Sign("aFbF"), Sign("aFb"),
    Sign("asszoc.B"), Sign("absztr.B"),
};
constexpr SignCode kInnerTensionSources[] = {
    Sign("FHd +"), Sign("FHd +/-"), Sign("FHd -"),
    Sign("HdF"),   Sign("Hd"),
};
// clang-format on
constexpr SignCode kHumanSources[] = {Sign("M"), Sign("(M)"), Sign("Md")};
constexpr SignCode kAnimalSources[] = {Sign("T"), Sign("Td")};
constexpr SignCode kObjectSources[] = {Sign("Obj."), Sign("Jármű")};

// "F+%2:" is computed from every determinant with a form level, 301..333.
constexpr auto kFormPlus2Sources = [] {
    std::array<SignCode, codes::kLastFormLevelDeterminant - codes::kFirstDeterminant + 1> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<SignCode>(codes::kFirstDeterminant + i);
    }
    return all;
}();

} // namespace

std::span<const SignCode> SourceBoxesOf(Figure figure) {
    switch (figure) {
    case Figure::GSum:
        return kGSources;
    case Figure::DSum:
        return kDSources;
    case Figure::DdSum:
        return kDdSources;
    case Figure::ZwSum:
        return kZwSources;
    case Figure::FormPlusPercent1:
        return kFormPlus1Sources;
    case Figure::FormPlusPercent2:
        return kFormPlus2Sources;
    case Figure::ExperienceType:
        return kExperienceTypeSources;
    case Figure::SecondaryFormula:
        return kSecondaryFormulaSources;
    case Figure::InnerTension:
        return kInnerTensionSources;
    case Figure::HumanPercent:
        return kHumanSources;
    case Figure::AnimalPercent:
        return kAnimalSources;
    case Figure::ObjectPercent:
        return kObjectSources;
    default:
        return {};
    }
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
    view.vulgarHeading = session.CurrentAnswer() && IsCard(card) ? VulgarHeading(card) : std::string();
    return view;
}

} // namespace quelvarin
