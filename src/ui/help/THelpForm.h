#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/TopicHelpDesk.h"

#include <array>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

// The topic help: the examiner's own notes on the topic of the window that called it (left)
// and the help shipped with the program (right). It shows itself whenever a window asks for
// its topic; what is typed goes to the topic desk, which saves it.
class THelpForm : public ToolWindow {
    Q_OBJECT
public:
    THelpForm(TopicHelpDesk& topics, WindowContext& context, QWidget* main);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void FollowModalWindow();

    TopicHelpDesk& m_topics;
    QWidget* m_main;
    std::array<QPlainTextEdit*, 2> m_boxes{};
    std::array<QLabel*, 2> m_paths{};
    QAction* m_save;
};

} // namespace quelvarin::ui
