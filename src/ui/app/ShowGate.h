#pragma once

namespace quelvarin::ui {

// A window that prepares what it shows before the registry shows it, and may decline: a window
// whose text is built on request stays closed when nothing was built (the examiner was told
// why). A window derives from it beside its widget class.
class ShowGate {
public:
    virtual ~ShowGate() = default;
    // False: the window is not shown.
    virtual bool PrepareToShow() = 0;
};

} // namespace quelvarin::ui
