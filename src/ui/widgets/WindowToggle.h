#pragma once

class QAction;
class QWidget;

namespace quelvarin::ui {

// A checkable action that shows and hides a window: checking it shows the window, and its check
// follows the window however it is shown, hidden or closed.
void BindToggle(QAction* toggle, QWidget* window);

} // namespace quelvarin::ui
