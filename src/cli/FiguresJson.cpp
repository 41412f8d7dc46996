#include "cli/FiguresJson.h"

#include "cli/JsonWriter.h"
#include "indices/Attetel.h"
#include "indices/Szei.h"
#include "indices/SzenziPara.h"
#include "indices/neiger.h"
#include "model/SignCode.h"
#include "scoring/AnswerCounts.h"
#include "scoring/PsychogramText.h"
#include "workstation/Workstation.h"

namespace quelvarin {
namespace text = psychogram_text;

namespace {

std::string IntegerObject(const std::vector<std::pair<std::string_view, int>>& members) {
    std::string object = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        object += (i ? ", " : "") + JsonObjectWriter::Quote(members[i].first) + ": " +
                  std::to_string(members[i].second);
    }
    return object + "}";
}

} // namespace

std::string FiguresJson(const Workstation& workstation) {
    const auto& protocol = workstation.CurrentProtocol();
    const auto& personal = protocol.personal;
    const auto& counts = protocol.counts;
    JsonObjectWriter json;
    json.Add("code", personal.code);
    json.Add("sex", personal.sex);
    json.Add("age", static_cast<long long>(personal.age));
    json.Add("education", personal.education);

    json.Add("answers", counts[codes::kAnswerCount]);
    json.Add("answers_I_VII", counts[codes::kAnswersEarly]);
    json.Add("answers_VIII_X", counts[codes::kAnswersLate]);
    json.Add("colour_index_box", counts[codes::kColourIndex]);
    json.Add("versagen", counts[codes::kVersagen]);
    json.Add("effective_answers", EffectiveAnswerCount(protocol));
    std::vector<long long> perCard(workstation.AnswersPerCard().begin(), workstation.AnswersPerCard().end());
    json.Add("answers_per_card", perCard);

    const auto& apprehension = workstation.Apprehension();
    json.Add("G_sum", apprehension.sums.g);
    json.Add("D_sum", apprehension.sums.d);
    json.Add("Dd_sum", apprehension.sums.dd);
    json.Add("zw_sum", apprehension.sums.zw);
    json.Add("apprehension_formula", apprehension.formula);
    std::vector<std::string> flags;
    for (std::size_t i = 0; i < apprehension.flags.size(); ++i) {
        if (apprehension.flags[i]) {
            flags.emplace_back(kApprehensionFlagNames[i]);
        }
    }
    json.Add("apprehension_flags", flags);
    json.Add("colour_index", ColourIndex(protocol));

    const auto& contents = workstation.Contents();
    json.Add("content_range_count", contents.rangeCount);
    json.Add("content_sum", contents.sum);
    json.Add("content_spread", text::Spread(contents.spread));
    json.Add("M_percent", text::Percent(contents.humanPercent));
    json.Add("T_percent", text::Percent(contents.animalPercent));
    json.Add("Obj_percent", text::Percent(contents.objectPercent));
    std::vector<std::string> frequent;
    for (const auto& line : contents.frequent) {
        if (!line.empty()) {
            frequent.push_back(line);
        }
    }
    json.Add("frequent_contents", frequent);

    const auto& typologies = workstation.TypologyFigures();
    json.Add("F_plus_percent_1", text::Percent(typologies.formPlusPercent1));
    json.Add("F_plus_percent_2", text::Percent(typologies.formPlusPercent2));
    json.Add("intellect_rating", typologies.intellectRating);
    json.Add("experience_type", text::Pair(typologies.experienceType));
    json.Add("experience_type_label", typologies.experienceTypeLabel);
    json.Add("secondary_formula", text::Pair(typologies.secondaryFormula));
    json.Add("secondary_formula_label", typologies.secondaryFormulaLabel);
    json.Add("inner_tension", text::Pair(typologies.innerTension));
    json.Add("inner_tension_label", typologies.innerTensionLabel);

    json.Add("V_percent", counts[codes::kVPercent]);
    json.Add("O_percent", counts[codes::kOPercent]);
    std::string score, rating;
    neiger::RealityIndex(protocol, "szam", score);
    neiger::RealityIndex(protocol, "szoveg", rating);
    json.Add("neiger_score", score);
    json.Add("neiger_rating", rating);

    // The index as its window computes it, on a copy: the figures it stores are not ours to keep.
    Protocol scratch = protocol;
    szenzipara::Standing standing = workstation.SensitivityParanoia();
    szenzipara::Recompute(scratch, standing);
    json.Add("sensitivity_paranoia_index", standing.index);
    json.Add("sensitivity_paranoia_indicated", standing.indicated);
    json.Add("sensitivity_paranoia_alternative", standing.alternative);

    auto szeiResult = szei::Evaluate(protocol);
    const auto& szeiCategories = szei::Categories();
    std::vector<std::pair<std::string_view, int>> szeiCounts;
    for (std::size_t i = 0; i < szeiCategories.size(); ++i) {
        szeiCounts.emplace_back(szeiCategories[i].code, szeiResult.counts[i]);
    }
    json.AddRaw("szei_counts", IntegerObject(szeiCounts));
    json.Add("szei_mean", szei::MeanText(szeiResult.mean));
    json.Add("szei_conclusion", szeiResult.conclusion);

    auto transference = attetel::Evaluate(protocol);
    std::vector<std::pair<std::string_view, int>> shares;
    for (std::size_t i = 0; i < transference.size(); ++i) {
        shares.emplace_back(attetel::EvaluatedCategories()[i].label, transference[i]);
    }
    json.AddRaw("transference_percent", IntegerObject(shares));
    return json.Finish();
}

} // namespace quelvarin
