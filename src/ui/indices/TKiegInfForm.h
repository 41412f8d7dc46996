#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/IndicesDesk.h"
#include "workstation/TopicHelpDesk.h"

namespace quelvarin::ui {

class CheckList;

// "Kiegészítő információk": eighteen observations about the protocol as a whole, each a flag of
// the protocol. Opening it takes the ticks from the flags; a new or loaded protocol shows its
// own. The mouse over an item loads its help; while the help texts are edited a click on an
// item chooses it for editing instead of ticking it.
class TKiegInfForm : public ToolWindow {
    Q_OBJECT
public:
    TKiegInfForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowTicks();
    void FollowMode();
    bool HoverHelpAllowed() const;
    void PointAt(int item);

    IndicesDesk& m_indices;
    CheckList* m_items;
};

} // namespace quelvarin::ui
