// The Workstation's operations for the joint examination window: the record's card is the
// workstation's CurrentCard, and its description lines and report are files of the root.
#include "joint/InteractometricReport.h"
#include "workstation/Messages.h"
#include "workstation/Workstation.h"

namespace quelvarin {

void Workstation::OpenJointExamination() {
    if (!IsCard(m_currentCard)) {
        m_currentCard = 1;
    }
}

Workstation::JointButtonResult Workstation::JointSignButton(int sign) {
    if (m_helpEditMode) {
        return {false, m_joint.SelectDescriptionForEditing(sign)};
    }
    return {m_joint.Record(sign, m_currentCard), std::nullopt};
}

void Workstation::JointStepCard(bool forward) {
    m_currentCard = forward ? joint::NextCard(m_currentCard) : joint::PreviousCard(m_currentCard);
}

std::optional<std::string> Workstation::JointPointAtSign(int sign) {
    if (m_helpEditMode) {
        return std::nullopt;
    }
    return m_joint.PointAtSign(sign);
}

bool Workstation::CloseJointExamination() {
    if (!m_helpEditMode) {
        return true;
    }
    m_joint.FinishEditing();
    auto file = m_paths.JointSignDescriptionsFile();
    if (!joint::WriteDescriptions(file, m_joint.Descriptions())) {
        m_notifier.Message(messages::CannotWrite(file.string()));
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> Workstation::WriteJointReport() {
    auto path = m_paths.JointReportFile();
    auto lines = joint::WriteInteractometricReport(joint::EvaluateInteractions(m_joint.Rows()));
    if (!WriteHtmlFile(path, lines)) {
        m_notifier.Message(messages::CannotWrite(path.string()));
        return std::nullopt;
    }
    return path;
}

} // namespace quelvarin
