#include "workstation/PersonalDataDesk.h"

#include "platform/LineFile.h"

namespace quelvarin {

namespace {

std::string& FieldOf(PersonalData& personal, PersonalField field) {
    switch (field) {
    case PersonalField::Name:
        return personal.name;
    case PersonalField::Code:
        return personal.code;
    case PersonalField::Number:
        return personal.number;
    case PersonalField::Occupation:
        return personal.occupation;
    case PersonalField::Sex:
        return personal.sex;
    case PersonalField::ClinicalQuestions:
        return personal.clinicalQuestions;
    case PersonalField::Ward:
        return personal.ward;
    case PersonalField::Examiner:
        return personal.examiner;
    case PersonalField::Diagnosis:
        return personal.diagnosis;
    case PersonalField::Education:
        return personal.education;
    case PersonalField::Date:
        break;
    }
    return personal.date;
}

} // namespace

template <typename Value>
void PersonalDataDesk::Store(Value& stored, Value value) {
    if (stored == value) {
        return;
    }
    stored = std::move(value);
    m_session.Changed();
    m_session.Tell([](SessionObserver& o) { o.PersonalDataChanged(); });
}

void PersonalDataDesk::SetField(PersonalField field, std::string_view text) {
    Store(FieldOf(m_session.EditProtocol().personal, field), WithoutLineBreaks(std::string(text)));
}

void PersonalDataDesk::SetAge(std::int32_t age) {
    Store(m_session.EditProtocol().personal.age, age);
}

} // namespace quelvarin
