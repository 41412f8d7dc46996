#pragma once

#include <functional>

class QWidget;

namespace quelvarin::ui {

// The moments a text being typed is handed over for good: the editor loses the focus, its window
// is deactivated or hidden. The desk that keeps the edit then stores it. `ended` may run while
// the window is destroyed: it calls the desk, never the window.
void OnEditEnded(QWidget* editor, std::function<void()> ended);

} // namespace quelvarin::ui
