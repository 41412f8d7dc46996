#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/IndicesDesk.h"
#include "workstation/TopicHelpDesk.h"

class QPlainTextEdit;
class QPushButton;

namespace quelvarin::ui {

class TabStrip;

// "Áttétel-skála (De Vos)": the eight categories as tabs, the chosen one's description, and
// "jelöld !", which gives the selected answer the category's heading as its transference code
// (the main window's transference field shows it, and takes it as its hint).
class TAttetelForm : public ToolWindow {
    Q_OBJECT
public:
    TAttetelForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    IndicesDesk& m_indices;
    QWidget* m_main;
    TabStrip* m_tabs;
    QPlainTextEdit* m_description;
    QPushButton* m_mark;
};

} // namespace quelvarin::ui
