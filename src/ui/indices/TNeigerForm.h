#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/IndicesDesk.h"
#include "workstation/TopicHelpDesk.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quelvarin::ui {

class CheckList;

// "Realitás-index (Neiger)": the sixteen vulgar answers ticked in the protocol and the school
// level, with the index and its rating. Opening the window makes the rows the initial state
// that "kiindulási állapot" returns to; closing leaves the rows as they are.
class TNeigerForm : public ToolWindow {
    Q_OBJECT
public:
    TNeigerForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    IndicesDesk& m_indices;
    CheckList* m_rows;
    QListWidget* m_schoolLevels;
    QLabel* m_score;
    QLabel* m_rating;
    QPushButton* m_initialState;
};

} // namespace quelvarin::ui
