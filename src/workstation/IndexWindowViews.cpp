#include "workstation/IndexWindowViews.h"

#include "indices/neiger.h"
#include "model/EducationLevels.h"
#include "platform/NumberFormat.h"
#include "workstation/IndexWindowTexts.h"

namespace quelvarin {

namespace texts = window_texts::index_windows;

NeigerView BuildNeigerView(const Protocol& protocol) {
    NeigerView view;
    view.ticks = protocol.neigerVulgars;
    neiger::RealityIndex(protocol, "szam", view.score);
    neiger::RealityIndex(protocol, "szoveg", view.rating);
    view.schoolLevel = EducationLevelIndex(protocol.personal.education);
    return view;
}

AlcoholismView BuildAlcoholismView(const alkohol::Checklist& list) {
    return {FormatInteger(list.EffectiveAnswers()), FormatInteger(list.Required()),
            FormatInteger(list.TickedCount()),      list.CurrentVerdict().text,
            list.CurrentVerdict().highlighted,      list.ShortProtocolTickEnabled()};
}

SensitivityParanoiaView BuildSensitivityParanoiaView(const szenzipara::Standing& standing) {
    SensitivityParanoiaView view;
    const auto& figures = standing.figures;
    view.rows.push_back({texts::kAnswersRow, "", figures ? FormatInteger(figures->answers) : "", ""});
    const auto categories = szenzipara::Categories();
    for (std::size_t i = 0; i < categories.size(); ++i) {
        SensitivityParanoiaRow row{categories[i].label, FormatInteger(categories[i].weight), "", ""};
        if (figures) {
            row.frequency = FormatInteger(figures->frequencies[i]);
            row.product = FormatInteger(figures->products[i]);
        }
        view.rows.push_back(std::move(row));
    }
    if (figures) {
        view.sum = FormatInteger(figures->sum);
        view.index = FormatInteger(standing.index);
        view.zone = standing.zone;
    } else {
        view.note = texts::kNoEffectiveAnswers;
    }
    return view;
}

} // namespace quelvarin
