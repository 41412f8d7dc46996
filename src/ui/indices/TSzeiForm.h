#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/IndicesDesk.h"
#include "workstation/TopicHelpDesk.h"

class QPlainTextEdit;
class QPushButton;

namespace quelvarin::ui {

class TabStrip;

// The SZEI coding window: the five categories as tabs, the chosen one's description, and
// "jelöld !", which codes the selected answer with it. It follows the indices desk: the SZEI
// column and the evaluation window ask there for its tab, its mode and its opening, modal or not.
class TSzeiForm : public ToolWindow {
    Q_OBJECT
public:
    TSzeiForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Follow();
    void Refresh();
    void Open(WindowOpening opening);
    void ShowHelp();

    IndicesDesk& m_indices;
    TopicHelpDesk& m_topics;
    WindowRegistry& m_windows;
    QWidget* m_main;
    TabStrip* m_tabs;
    QPlainTextEdit* m_description;
    QPushButton* m_mark;
    QPushButton* m_help;
};

} // namespace quelvarin::ui
