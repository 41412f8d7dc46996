#include "model/Protocol.h"

#include "model/EducationLevels.h"

namespace quelvarin {

void ResetToNewProtocol(Protocol& protocol, std::string_view today) {
    auto& personal = protocol.personal;
    personal.date = std::string(today);
    personal.sex = "férfi";
    personal.age = 30;
    personal.name.clear();
    personal.code.clear();
    personal.number.clear();
    personal.occupation.clear();
    personal.clinicalQuestions.clear();
    personal.ward.clear();
    personal.examiner.clear();
    personal.diagnosis.clear();
    personal.education = std::string(kDefaultEducation);
    protocol.cardTimes.fill(CardTime{});
    protocol.counts.Clear();
    for (auto& answer : protocol.answers) {
        answer = Answer{};
    }
    protocol.neigerVulgars.fill(false);
}

} // namespace quelvarin
