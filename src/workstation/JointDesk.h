#pragma once

#include "joint/JointExamination.h"
#include "workstation/Session.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The joint examination: its record lives for the whole run, and its card is the
// session's CurrentCard.
class JointDesk {
public:
    explicit JointDesk(Session& session);

    const Session& State() const { return m_session; }
    const joint::JointExamination& Joint() const { return m_joint; }

    // Opening the window: a CurrentCard outside I..X becomes I.
    void OpenJointExamination();
    void SelectPerson(int person) { m_joint.SelectPerson(person); }
    // Sign button 1..31: records the sign for the current person on the current card, or in
    // HelpEditMode selects its description line for editing and gives it.
    struct ButtonResult {
        bool recorded = false;
        std::optional<std::string> description;
    };
    ButtonResult SignButton(int sign);
    void ClickSignRow(std::size_t row);
    void ClickTextRow(std::size_t row);
    void SetSelectedRowText(std::string_view text) { m_joint.SetSelectedRowText(text); }
    void ClearSelectedRow() { m_joint.ClearSelectedRow(); }
    // The previous and next card buttons, cyclic in I..X.
    void StepCard(bool forward);
    // The mouse over a sign button: its description line, when another than the one shown;
    // nothing in HelpEditMode.
    std::optional<std::string> PointAtSign(int sign);
    // HelpEditMode: the edited text of the description line selected by its button.
    void EditDescription(std::string_view line) { m_joint.EditDescription(line); }
    // The personal-data window of the two persons.
    void SetPersonalData(int person, std::string_view text) { m_joint.SetPersonalData(person, text); }
    void ClosePersonalData() { m_joint.ClosePersonalData(); }
    // A person's toggle button in the personal-data window: the first line of the text, the
    // seat ("Baloldalt ülő személy") while there is none, so that the button never goes blank.
    std::string PersonalDataButton(int person) const;
    // The card label beside the small picture: "7. tábla".
    std::string CardLabel() const;
    // Closing the window: in HelpEditMode the 31 description lines are written to krv.txt,
    // the file they are read from. False (with a message) when it cannot be written.
    bool CloseJointExamination();
    // "nyomtatás": writes html/__.html; its path for the browser, nothing on failure.
    std::optional<std::filesystem::path> WriteJointReport();

private:
    // Runs a step of the record that may move the card, then makes that card current.
    template <typename Step>
    void WithCard(Step step);

    Session& m_session;
    joint::JointExamination m_joint;
};

} // namespace quelvarin
