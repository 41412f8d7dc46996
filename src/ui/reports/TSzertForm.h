#pragma once

#include "ui/app/ShowGate.h"
#include "ui/app/WindowContext.h"
#include "workstation/ReportsDesk.h"

#include <QDialog>

class QPlainTextEdit;

namespace quelvarin::ui {

// The narrative interpretation: written afresh each time the menu item shows the window, and
// shown as written. Its text can be edited but is never saved. Without effective answers
// nothing is written and the window stays closed (the examiner is told why).
class TSzertForm : public QDialog, public ShowGate {
    Q_OBJECT
public:
    TSzertForm(ReportsDesk& reports, WindowContext& context, QWidget* main);

    bool PrepareToShow() override;

private:
    ReportsDesk& m_reports;
    QPlainTextEdit* m_text;
};

} // namespace quelvarin::ui
