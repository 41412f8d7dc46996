#pragma once

#include "workstation/ScoringDesk.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

// The examinee's words for the selected answer, read from and written to its answer text file.
// The window follows the selection; an edited text is written before another answer is shown,
// when the window loses the focus and when it is hidden.
class TValaszForm : public QWidget {
    Q_OBJECT
public:
    TValaszForm(ScoringDesk& scoring, const InstallPaths& paths, QWidget* parent);

    // Writes an edited text, then shows the selected answer's (nothing, read-only, without one).
    void Follow();
    // Writes the text shown when it was edited.
    void Flush();
    int ShownAnswer() const { return m_shown; }

Q_SIGNALS:
    void visibilityChanged(bool shown);

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ScoringDesk& m_scoring;
    InstallPaths m_paths;
    QPlainTextEdit* m_text;
    QLabel* m_path;
    int m_shown = 0;
    bool m_edited = false;
};

} // namespace quelvarin::ui
