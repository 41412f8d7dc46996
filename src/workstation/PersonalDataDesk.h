#pragma once

#include "workstation/Session.h"

#include <cstdint>
#include <string_view>

namespace quelvarin {

// The text fields of the personal data.
enum class PersonalField {
    Name,              // "a Vsz. neve"
    Code,              // "a vizsgálat kódja"
    Number,            // "szám"
    Occupation,        // "foglalkozása"
    Sex,               // "neme"
    ClinicalQuestions, // "klinikai kérdések", every question followed by "*"
    Ward,              // "osztály"
    Examiner,          // "Vv."
    Diagnosis,         // "Dg"
    Education,         // "iskolázottsága"
    Date,              // "dátum"
};

// The subject's personal data, as the personal-data window edits them.
class PersonalDataDesk {
public:
    explicit PersonalDataDesk(Session& session) : m_session(session) {}

    const Session& State() const { return m_session; }

    // Stores the text of a field (a line break becomes a blank: the protocol file keeps each
    // field on one line).
    void SetField(PersonalField field, std::string_view text);
    void SetAge(std::int32_t age);

private:
    // A changed value is stored, marks the protocol modified and is told to the observers.
    template <typename Value>
    void Store(Value& stored, Value value);

    Session& m_session;
};

} // namespace quelvarin
