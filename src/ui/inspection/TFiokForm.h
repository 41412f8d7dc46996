#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/InspectionDesk.h"

#include <QDialog>

class QListView;

namespace quelvarin::ui {

class RowsModel;

// "Fiókok": every counter of the protocol, "G=3;", one row per code 90..497; a click shows the
// row's code in the caption.
class TFiokForm : public QDialog {
    Q_OBJECT
public:
    TFiokForm(InspectionDesk& inspection, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    InspectionDesk& m_inspection;
    RowsModel* m_model;
    QListView* m_rows;
};

} // namespace quelvarin::ui
