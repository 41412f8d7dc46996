#include "joint/JointExamination.h"

#include <charconv>

namespace quelvarin::joint {

std::string CellText(const InteractionSign& sign, int card) {
    return std::string(sign.name) + " (" + std::string(sign.code) + ")/" + std::to_string(card);
}

std::string_view CodeOfCell(std::string_view cell) {
    auto open = cell.rfind('(');
    auto close = cell.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return "";
    }
    return cell.substr(open + 1, close - open - 1);
}

std::optional<int> CardOfCell(std::string_view cell) {
    auto slash = cell.rfind('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    auto digits = cell.substr(slash + 1);
    int card = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), card);
    if (error != std::errc() || end != digits.data() + digits.size() || card < 1 || card > 10) {
        return std::nullopt;
    }
    return card;
}

int NextCard(int card) {
    return card >= 10 || card < 1 ? 1 : card + 1;
}
int PreviousCard(int card) {
    return card <= 1 || card > 10 ? 10 : card - 1;
}

JointExamination::JointExamination(DescriptionLines descriptions)
    : m_persons{{{"Baloldalt ülő személy", "", ""}, {"Jobboldalt ülő személy", "", ""}}},
      m_rows{{std::string(kPlaceholder), std::string(kPlaceholder), std::string(kPlaceholder)}},
      m_descriptions(std::move(descriptions)) {}

void JointExamination::SelectPerson(int person) {
    if (IsPerson(person)) {
        m_currentPerson = person;
    }
}

std::string JointExamination::EditorText() const {
    return m_selectedTextRow ? m_rows[*m_selectedTextRow].text : std::string();
}

bool JointExamination::Record(int number, int& card) {
    const InteractionSign* sign = SignByNumber(number);
    if (!sign) {
        return false;
    }
    auto cell = CellText(*sign, card);
    auto fill = [&](InteractionRow& row) {
        (m_currentPerson == 1 ? row.left : row.right) = cell;
        (m_currentPerson == 1 ? row.right : row.left) = std::string(kPartnerActed);
    };
    // Only a row emptied by clearing is filled again; the placeholder never is.
    bool refill = false;
    if (m_selectedSignRow && *m_selectedSignRow > 0) {
        const auto& selected = m_rows[*m_selectedSignRow];
        refill = (m_currentPerson == 1 ? selected.left : selected.right).empty();
    }
    if (refill) {
        fill(m_rows[*m_selectedSignRow]);
    } else {
        InteractionRow row;
        fill(row);
        m_rows.push_back(std::move(row));
    }
    ClickTextRow(m_rows.size() - 1, card);
    return true;
}

void JointExamination::ClickSignRow(std::size_t row, int& card) {
    if (row >= m_rows.size()) {
        return;
    }
    m_selectedSignRow = row;
    ClickTextRow(row, card);
}

void JointExamination::ClickTextRow(std::size_t row, int& card) {
    if (row >= m_rows.size()) {
        return;
    }
    m_selectedTextRow = row;
    if (!m_selectedSignRow) {
        return;
    }
    const auto& selected = m_rows[*m_selectedSignRow];
    auto take = [&](int person, const std::string& cell) {
        m_currentPerson = person;
        if (auto cellCard = CardOfCell(cell)) {
            card = *cellCard;
        }
    };
    if (selected.left == kPartnerActed) {
        take(2, selected.right);
    } else if (selected.right == kPartnerActed) {
        take(1, selected.left);
    }
}

void JointExamination::SetSelectedRowText(std::string_view text) {
    if (m_selectedTextRow && *m_selectedTextRow > 0) {
        m_rows[*m_selectedTextRow].text = std::string(text);
    }
}

void JointExamination::ClearSelectedRow() {
    if (m_selectedSignRow && *m_selectedSignRow > 0) {
        m_rows[*m_selectedSignRow].left.clear();
        m_rows[*m_selectedSignRow].right.clear();
    }
}

void JointExamination::SetPersonalData(int person, std::string_view text) {
    if (IsPerson(person)) {
        m_persons[static_cast<std::size_t>(person - 1)].personalData = std::string(text);
    }
}

namespace {
std::string FirstLine(std::string_view text) {
    auto end = text.find_first_of("\r\n");
    return std::string(text.substr(0, end));
}
} // namespace

void JointExamination::ClosePersonalData() {
    for (auto& person : m_persons) {
        person.name = FirstLine(person.personalData);
    }
}

std::string JointExamination::PersonalDataCaption(int person) const {
    if (!IsPerson(person)) {
        return "";
    }
    return PersonalDataFirstLine(person) + " személyi adatai";
}

std::string JointExamination::PersonalDataFirstLine(int person) const {
    if (!IsPerson(person)) {
        return "";
    }
    return FirstLine(m_persons[static_cast<std::size_t>(person - 1)].personalData);
}

std::optional<std::string> JointExamination::PointAtSign(int sign) {
    if (!SignByNumber(sign)) {
        return std::nullopt;
    }
    const auto& line = m_descriptions[static_cast<std::size_t>(sign - 1)];
    if (m_shownDescription == line) {
        return std::nullopt;
    }
    m_shownDescription = line;
    return line;
}

std::optional<std::string> JointExamination::SelectDescriptionForEditing(int sign) {
    if (!SignByNumber(sign)) {
        return std::nullopt;
    }
    m_editedDescription = sign;
    return m_descriptions[static_cast<std::size_t>(sign - 1)];
}

void JointExamination::EditDescription(std::string_view line) {
    if (m_editedDescription) {
        m_descriptions[static_cast<std::size_t>(*m_editedDescription - 1)] = std::string(line);
    }
}

} // namespace quelvarin::joint
