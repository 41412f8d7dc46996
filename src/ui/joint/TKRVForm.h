#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/JointDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quelvarin::ui {

// "Közös Rorschach vizsgálat": the joint (couple) examination. The examiner records every step
// of the two persons as one of the 31 sign buttons on the current card; the two person columns
// and the text list show the record, the editor the selected step's text. In HelpEditMode the
// same buttons choose a description line to edit instead. The record is the joint desk's, so
// opening the window again continues it.
class TKRVForm : public QDialog {
    Q_OBJECT
public:
    TKRVForm(JointDesk& joint, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

    // The name fields and the buttons after the personal-data window closed.
    void ShowNames();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void done(int result) override;

private:
    QWidget* MakePersons();
    QWidget* MakeCard();
    QWidget* MakeSigns();
    QWidget* MakeRecord();
    void SetHelpEditing(bool editing);
    void PressSign(int sign);
    void ClickSignRow(int row);
    void ClearRow();
    void Print();
    void OpenPersonalData(int person);
    // Everything the record shows, from the desk.
    void ShowRecord();
    void ShowCard();

    JointDesk& m_joint;
    WindowContext& m_context;
    bool m_helpEditing = false;
    std::array<QPushButton*, 2> m_persons{};
    std::array<QLineEdit*, 2> m_names{};
    QLabel* m_cardLabel = nullptr;
    QLabel* m_cardPicture = nullptr;
    std::array<QPushButton*, 31> m_signs{};
    QButtonGroup* m_editGroup = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QListWidget* m_descriptionLines = nullptr;
    std::array<QListWidget*, 2> m_columns{};
    QListWidget* m_texts = nullptr;
    QLineEdit* m_editor = nullptr;
};

} // namespace quelvarin::ui
