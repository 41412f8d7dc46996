#include "workstation/IndexEvaluationViews.h"

#include "indices/Szei.h"
#include "platform/NumberFormat.h"
#include "workstation/CodingWindowTexts.h"

namespace quelvarin {

SzeiEvaluationView BuildSzeiEvaluationView(const Protocol& protocol) {
    auto evaluation = szei::Evaluate(protocol);
    const auto& categories = szei::Categories();
    SzeiEvaluationView view;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        view.rows[i] = {categories[i].evaluationLabel, FormatInteger(evaluation.counts[i])};
    }
    view.rows.back() = {window_texts::kSzeiMeanLabel, szei::MeanText(evaluation.mean)};
    view.interpretation = std::string(szei::kConclusionLead) + " " + std::string(evaluation.conclusion);
    return view;
}

TransferenceEvaluationView BuildTransferenceEvaluationView(const Protocol& protocol) {
    using namespace transference_bars;
    auto percents = attetel::Evaluate(protocol);
    const auto& evaluated = attetel::EvaluatedCategories();
    TransferenceEvaluationView view;
    for (std::size_t i = 0; i < evaluated.size(); ++i) {
        int length = kPixelsPerPercent * percents[i];
        view.bars[i] = {evaluated[i].label, kPixelsPerPercent * evaluated[i].referencePercent, length,
                        FormatInteger(percents[i]) + "%", kValueLeft + length};
    }
    view.windowWidth = attetel::EvaluationWindowWidth(percents);
    return view;
}

} // namespace quelvarin
