#pragma once

#include "workstation/Session.h"

#include <string>
#include <vector>

namespace quelvarin {

// The two inspection windows: the counters of the protocol ("Fiókok") and the raw slots of an
// answer (the raw answer viewer). They only read.
class InspectionDesk {
public:
    explicit InspectionDesk(const Session& session) : m_session(session) {}

    const Session& State() const { return m_session; }

    // One row per code 90..497: "G=3;".
    std::vector<std::string> CounterRows() const;
    // The caption after a click on a row: the row's code.
    std::string CounterCaption(int row) const;

    // The card and the 30 slot values of an answer, as numbers (none for a number out of 1..90).
    std::vector<std::string> RawAnswerRows(int answer) const;
    // The caption after a click on a row: "Táblaszám: " and the card, or the slot's sign name.
    std::string RawAnswerCaption(int answer, int row) const;
    // The label after a click: the row number followed by ". elem".
    std::string RawAnswerLabel(int row) const;

private:
    const Session& m_session;
};

} // namespace quelvarin
