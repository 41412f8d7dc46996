#pragma once

#include "joint/SignDescriptions.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The record of a joint (couple) Rorschach examination: every step either partner takes,
// in order, as one of the 31 interaction signs with the card it happened on. It lives in
// memory for the whole run; opening the window again continues it.
namespace quelvarin::joint {

inline constexpr std::string_view kPlaceholder = "nem használt";
inline constexpr std::string_view kPartnerActed = " -";

struct InteractionRow {
    std::string left;  // person 1's sign, " -" when person 2 acted, empty when cleared
    std::string right; // the same for person 2
    std::string text;  // what was said
};

struct Person {
    std::string caption; // "Baloldalt ülő személy"
    std::string name;
    std::string personalData; // free text, its first line the name
};

// The cell of the acting person: "Indító kérdés (>?)/3".
std::string CellText(const InteractionSign& sign, int card);
// The code between the cell's last "(" and last ")"; "" when either is missing.
std::string_view CodeOfCell(std::string_view cell);
// The card after the cell's last "/", when a whole number 1..10 stands there.
std::optional<int> CardOfCell(std::string_view cell);

// The cards I..X in cyclic steps.
int NextCard(int card);
int PreviousCard(int card);

class JointExamination {
public:
    // The description lines are read once, when the record is made (krv.txt or built-in).
    explicit JointExamination(DescriptionLines descriptions);

    const std::array<Person, 2>& Persons() const { return m_persons; }
    // Person 1 or 2.
    int CurrentPerson() const { return m_currentPerson; }
    void SelectPerson(int person);
    const std::vector<InteractionRow>& Rows() const { return m_rows; }
    // The row selected in the two sign columns, and the one of the text list.
    std::optional<std::size_t> SelectedSignRow() const { return m_selectedSignRow; }
    std::optional<std::size_t> SelectedTextRow() const { return m_selectedTextRow; }
    // The text editor: the text of the row selected in the text list.
    std::string EditorText() const;

    // Sign button 1..31 for the current person on `card`: appends a row, or fills the selected
    // row when it was cleared; then the last row is chosen in the text list, which may change
    // the current person and card as a click would. False for an unknown sign.
    bool Record(int sign, int& card);
    // A click on a row of either sign column: the row is selected in both columns and the
    // text list, then as a click in the text list.
    void ClickSignRow(std::size_t row, int& card);
    // A click in the text list: its text goes to the editor; the row selected in the sign
    // columns says whose step it was, and that person and the step's card become current.
    void ClickTextRow(std::size_t row, int& card);
    // Editing the text editor: the text of the row selected in the text list.
    void SetSelectedRowText(std::string_view text);
    // Double click or Delete: both cells of the selected row emptied; the row and its text stay.
    // The placeholder row keeps its texts.
    void ClearSelectedRow();

    // The personal-data window: the text of a person; on closing, the first line of each
    // text becomes that person's name.
    void SetPersonalData(int person, std::string_view text);
    void ClosePersonalData();
    // "Név személyi adatai" for the window's caption and its toggle buttons' first lines.
    std::string PersonalDataCaption(int person) const;
    // The first line of a person's text, which its toggle button shows.
    std::string PersonalDataFirstLine(int person) const;

    // --- The description lines of the signs -----------------------------------------------
    const DescriptionLines& Descriptions() const { return m_descriptions; }
    // The mouse over sign button n: its line when it differs from the one shown (outside
    // help-text edit mode, where hovering shows nothing).
    std::optional<std::string> PointAtSign(int sign);
    // Help-text edit mode: button n selects line n for editing; an edit stores the line.
    std::optional<std::string> SelectDescriptionForEditing(int sign);
    std::optional<int> DescriptionBeingEdited() const { return m_editedDescription; }
    void EditDescription(std::string_view line);
    // Closing the window in edit mode: the selection is released.
    void FinishEditing() { m_editedDescription.reset(); }

private:
    static bool IsPerson(int person) { return person == 1 || person == 2; }

    std::array<Person, 2> m_persons;
    int m_currentPerson = 1;
    std::vector<InteractionRow> m_rows;
    std::optional<std::size_t> m_selectedSignRow;
    std::optional<std::size_t> m_selectedTextRow;
    DescriptionLines m_descriptions;
    std::optional<std::string> m_shownDescription;
    std::optional<int> m_editedDescription;
};

} // namespace quelvarin::joint
