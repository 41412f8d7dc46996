#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/ReportsDesk.h"

#include <QDialog>

class QPlainTextEdit;

namespace quelvarin::ui {

// The mechanical glossary: every sign of the protocol with its count and its interpretation
// help, built afresh each time it is shown; its text can be edited but is never saved. It
// also offers to write the HTML help pages again from the help texts.
class TEredmenyForm : public QDialog {
    Q_OBJECT
public:
    TEredmenyForm(ReportsDesk& reports, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    ReportsDesk& m_reports;
    QPlainTextEdit* m_text;
};

} // namespace quelvarin::ui
