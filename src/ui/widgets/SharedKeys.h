#pragma once

#include <QList>

class QAction;
class QWidget;

namespace quelvarin::ui {

// The main window's keys work in a window kept beside it too (the answer text, the help
// windows): each action is added to the window, but for a key the window uses for a command of
// its own ("ment" of the help windows), which stays the window's.
void ShareKeys(QWidget* window, const QList<QAction*>& actions);

} // namespace quelvarin::ui
