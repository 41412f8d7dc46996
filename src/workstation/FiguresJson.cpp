#include "workstation/FiguresJson.h"

#include "scoring/AnswerCounts.h"
#include "workstation/IndexFiguresView.h"
#include "workstation/JsonWriter.h"
#include "workstation/PsychogramView.h"
#include "workstation/Session.h"

namespace quelvarin {

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

std::string FiguresJson(const Session& session) {
    const auto& protocol = session.CurrentProtocol();
    const auto& personal = protocol.personal;
    const auto& figures = session.Figures();
    auto view = BuildPsychogramView(session);
    auto indices = BuildIndexFiguresView(session);
    // The whole numbers the window shows are JSON numbers as they stand.
    auto number = [&view](Figure figure) { return view[figure].value; };

    JsonObjectWriter json;
    json.Add("code", personal.code);
    json.Add("sex", personal.sex);
    json.Add("age", static_cast<long long>(personal.age));
    json.Add("education", personal.education);

    json.AddRaw("answers", number(Figure::Answers));
    json.AddRaw("answers_I_VII", number(Figure::AnswersEarly));
    json.AddRaw("answers_VIII_X", number(Figure::AnswersLate));
    json.AddRaw("colour_index_box", number(Figure::ColourIndex));
    json.Add("versagen", protocol.counts[codes::kVersagen]);
    json.Add("effective_answers", EffectiveAnswerCount(protocol));
    std::vector<long long> perCard(figures.answersPerCard.begin(), figures.answersPerCard.end());
    json.Add("answers_per_card", perCard);

    json.AddRaw("G_sum", number(Figure::GSum));
    json.AddRaw("D_sum", number(Figure::DSum));
    json.AddRaw("Dd_sum", number(Figure::DdSum));
    json.AddRaw("zw_sum", number(Figure::ZwSum));
    json.Add("apprehension_formula", figures.apprehension.formula);
    std::vector<std::string> flags;
    for (std::size_t i = 0; i < figures.apprehension.flags.size(); ++i) {
        if (figures.apprehension.flags[i]) {
            flags.emplace_back(kApprehensionFlagNames[i]);
        }
    }
    json.Add("apprehension_flags", flags);
    json.Add("colour_index", ColourIndex(protocol));

    json.AddRaw("content_range_count", number(Figure::ContentRangeCount));
    json.AddRaw("content_sum", number(Figure::ContentSum));
    json.Add("content_spread", view[Figure::ContentSpread].value);
    json.Add("M_percent", view[Figure::HumanPercent].value);
    json.Add("T_percent", view[Figure::AnimalPercent].value);
    json.Add("Obj_percent", view[Figure::ObjectPercent].value);
    json.Add("frequent_contents", view.frequentContents);

    json.Add("F_plus_percent_1", view[Figure::FormPlusPercent1].value);
    json.Add("F_plus_percent_2", view[Figure::FormPlusPercent2].value);
    json.Add("intellect_rating", view[Figure::FormPlusPercent1].hint);
    json.Add("experience_type", view[Figure::ExperienceType].value);
    json.Add("experience_type_label", view[Figure::ExperienceType].hint);
    json.Add("secondary_formula", view[Figure::SecondaryFormula].value);
    json.Add("secondary_formula_label", view[Figure::SecondaryFormula].hint);
    json.Add("inner_tension", view[Figure::InnerTension].value);
    // Not shown in the window; read by the interpretation and the sheet.
    json.Add("inner_tension_label", figures.typologies.innerTensionLabel);

    json.AddRaw("V_percent", number(Figure::VPercent));
    json.AddRaw("O_percent", number(Figure::OPercent));
    json.Add("neiger_score", indices.neigerScore);
    json.Add("neiger_rating", indices.neigerRating);

    json.Add("sensitivity_paranoia_index", indices.sensitivityParanoiaIndex);
    json.Add("sensitivity_paranoia_indicated", indices.sensitivityParanoiaIndicated);
    json.Add("sensitivity_paranoia_alternative", indices.sensitivityParanoiaAlternative);

    json.AddRaw("szei_counts", IntegerObject(indices.szeiCounts));
    json.Add("szei_mean", indices.szeiMean);
    json.Add("szei_conclusion", indices.szeiConclusion);
    json.AddRaw("transference_percent", IntegerObject(indices.transferencePercent));
    return json.Finish();
}

} // namespace quelvarin
