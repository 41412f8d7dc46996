#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/InspectionDesk.h"

class QLabel;
class QListView;
class QSpinBox;

namespace quelvarin::ui {

class RowsModel;

// The raw answer viewer: the card and the 30 slot values of an answer as numbers; a click names
// the row's sign (or the card) in the caption. It follows the answers while it is open.
class TFeleletForm : public ToolWindow {
    Q_OBJECT
public:
    TFeleletForm(InspectionDesk& inspection, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    InspectionDesk& m_inspection;
    QSpinBox* m_answer;
    RowsModel* m_model;
    QListView* m_rows;
    QLabel* m_row;
};

} // namespace quelvarin::ui
