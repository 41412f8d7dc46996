#pragma once

#include <QWidget>

namespace quelvarin::ui {

// A window shown beside the main window and kept above it (a tool window of its own), which a
// screen reader announces as a window, not as a grouping inside another.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(QWidget* parent);
};

} // namespace quelvarin::ui
