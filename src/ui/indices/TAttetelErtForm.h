#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"

#include <QDialog>

namespace quelvarin::ui {

class TransferenceChart;

// "Rorschach: ÁTTÉTEL-skála (De Vos, 1952)": for six categories the share of normal adults'
// answers beside the share in this protocol, drawn as bars; computed afresh each time it opens,
// and as wide as its longest bar needs.
class TAttetelErtForm : public QDialog {
    Q_OBJECT
public:
    TAttetelErtForm(IndicesDesk& indices, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    IndicesDesk& m_indices;
    TransferenceChart* m_chart;
};

} // namespace quelvarin::ui
