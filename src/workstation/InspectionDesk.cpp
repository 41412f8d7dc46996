#include "workstation/InspectionDesk.h"

#include "model/Inspection.h"
#include "platform/NumberFormat.h"

namespace quelvarin {

std::vector<std::string> InspectionDesk::CounterRows() const {
    return CounterViewerRows(m_session.CurrentProtocol());
}

std::string InspectionDesk::CounterCaption(int row) const {
    return FormatInteger(CounterViewerCode(row));
}

std::vector<std::string> InspectionDesk::RawAnswerRows(int answer) const {
    return quelvarin::RawAnswerRows(m_session.CurrentProtocol(), answer);
}

std::string InspectionDesk::RawAnswerCaption(int answer, int row) const {
    return quelvarin::RawAnswerCaption(m_session.CurrentProtocol(), answer, row);
}

std::string InspectionDesk::RawAnswerLabel(int row) const {
    return quelvarin::RawAnswerLabel(row);
}

} // namespace quelvarin
