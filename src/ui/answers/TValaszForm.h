#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/ScoringDesk.h"

class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

// The examinee's words for the selected answer. The window follows the selection and hands
// what is typed to the scoring desk as it is typed; the desk stores it.
class TValaszForm : public ToolWindow {
    Q_OBJECT
public:
    TValaszForm(ScoringDesk& scoring, WindowContext& context, QWidget* main);

    int ShownAnswer() const { return m_shown; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The selected answer's text (nothing, read-only, without one).
    void Follow();

    ScoringDesk& m_scoring;
    QPlainTextEdit* m_text;
    QLabel* m_path;
    int m_shown = 0;
};

} // namespace quelvarin::ui
