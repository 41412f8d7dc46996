#include "workstation/IndexFiguresView.h"

#include "indices/Attetel.h"
#include "indices/Szei.h"
#include "indices/SzenziPara.h"
#include "indices/neiger.h"

namespace quelvarin {

IndexFiguresView BuildIndexFiguresView(const Session& session) {
    const auto& protocol = session.CurrentProtocol();
    IndexFiguresView view;
    neiger::RealityIndex(protocol, "szam", view.neigerScore);
    neiger::RealityIndex(protocol, "szoveg", view.neigerRating);

    Protocol scratch = protocol;
    szenzipara::Standing standing = session.SensitivityParanoia();
    szenzipara::Recompute(scratch, standing);
    view.sensitivityParanoiaIndex = standing.index;
    view.sensitivityParanoiaIndicated = standing.indicated;
    view.sensitivityParanoiaAlternative = standing.alternative;

    auto szeiResult = szei::Evaluate(protocol);
    const auto& szeiCategories = szei::Categories();
    for (std::size_t i = 0; i < szeiCategories.size(); ++i) {
        view.szeiCounts.emplace_back(szeiCategories[i].code, szeiResult.counts[i]);
    }
    view.szeiMean = szei::MeanText(szeiResult.mean);
    view.szeiConclusion = szeiResult.conclusion;

    auto transference = attetel::Evaluate(protocol);
    for (std::size_t i = 0; i < transference.size(); ++i) {
        view.transferencePercent.emplace_back(attetel::EvaluatedCategories()[i].label, transference[i]);
    }
    return view;
}

} // namespace quelvarin
