#include "workstation/JointDesk.h"

#include "joint/InteractometricReport.h"
#include "platform/Cp1250.h"
#include "workstation/JointTexts.h"
#include "workstation/Messages.h"
#include "workstation/RootFiles.h"

namespace quelvarin {
namespace fs = std::filesystem;

JointDesk::JointDesk(Session& session)
    : m_session(session), m_joint(joint::ReadDescriptions(session.Paths().JointSignDescriptionsFile())) {}

template <typename Step>
void JointDesk::WithCard(Step step) {
    int card = m_session.CurrentCard();
    step(card);
    m_session.SetCurrentCard(card);
}

void JointDesk::OpenJointExamination() {
    if (!IsCard(m_session.CurrentCard())) {
        m_session.SetCurrentCard(1);
    }
}

JointDesk::ButtonResult JointDesk::SignButton(int sign) {
    if (m_session.HelpEditMode()) {
        return {false, m_joint.SelectDescriptionForEditing(sign)};
    }
    bool recorded = false;
    WithCard([&](int& card) { recorded = m_joint.Record(sign, card); });
    return {recorded, std::nullopt};
}

void JointDesk::ClickSignRow(std::size_t row) {
    WithCard([&](int& card) { m_joint.ClickSignRow(row, card); });
}

void JointDesk::ClickTextRow(std::size_t row) {
    WithCard([&](int& card) { m_joint.ClickTextRow(row, card); });
}

void JointDesk::StepCard(bool forward) {
    int card = m_session.CurrentCard();
    m_session.SetCurrentCard(forward ? joint::NextCard(card) : joint::PreviousCard(card));
}

std::string JointDesk::PersonalDataButton(int person) const {
    auto line = m_joint.PersonalDataFirstLine(person);
    if (line.empty() && (person == 1 || person == 2)) {
        return m_joint.Persons()[static_cast<std::size_t>(person - 1)].caption;
    }
    return line;
}

std::string JointDesk::CardLabel() const {
    return std::to_string(m_session.CurrentCard()) + std::string(window_texts::joint_exam::kCardSuffix);
}

std::optional<std::string> JointDesk::PointAtSign(int sign) {
    if (m_session.HelpEditMode()) {
        return std::nullopt;
    }
    return m_joint.PointAtSign(sign);
}

bool JointDesk::CloseJointExamination() {
    if (!m_session.HelpEditMode()) {
        return true;
    }
    m_joint.FinishEditing();
    auto file = m_session.Paths().JointSignDescriptionsFile();
    if (!joint::WriteDescriptions(file, m_joint.Descriptions())) {
        m_session.Notify().Warning(messages::CannotWrite(file.string()));
        return false;
    }
    return true;
}

std::optional<fs::path> JointDesk::WriteJointReport() {
    auto path = m_session.Paths().JointReportFile();
    auto lines = joint::WriteInteractometricReport(joint::EvaluateInteractions(m_joint.Rows()));
    if (!WriteRootFile(path, EncodeCp1250(JoinLines(lines)), m_session.Notify())) {
        return std::nullopt;
    }
    return path;
}

} // namespace quelvarin
