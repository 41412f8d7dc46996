#include "cli/FiguresJson.h"

#include "cli/JsonWriter.h"
#include "model/SignCode.h"
#include "workstation/Workstation.h"

namespace quelvarin {

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
    std::vector<long long> perCard(workstation.AnswersPerCard().begin(), workstation.AnswersPerCard().end());
    json.Add("answers_per_card", perCard);
    return json.Finish();
}

} // namespace quelvarin
