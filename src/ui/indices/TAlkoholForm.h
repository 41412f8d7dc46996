#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

class CheckList;

// The alcoholism syndrome: thirteen signs ticked against the number the protocol's length
// requires, and the verdict. The ticks last for the whole run; each opening recounts the answers
// and judges the ticks against the protocol as it is now.
class TAlkoholForm : public QDialog {
    Q_OBJECT
public:
    TAlkoholForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void Explain(int row);

    IndicesDesk& m_indices;
    CheckList* m_items;
    QPlainTextEdit* m_explanation;
    QCheckBox* m_shortProtocolTick;
    QLabel* m_answers;
    QLabel* m_required;
    QLabel* m_ticked;
    QLabel* m_verdict;
};

} // namespace quelvarin::ui
