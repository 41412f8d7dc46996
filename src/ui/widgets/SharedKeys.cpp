#include "ui/widgets/SharedKeys.h"

#include <QAction>
#include <QWidget>

namespace quelvarin::ui {

void ShareKeys(QWidget* window, const QList<QAction*>& actions) {
    QList<QKeySequence> own;
    for (auto* action : window->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            own.append(action->shortcut());
        }
    }
    for (auto* action : actions) {
        if (!action->shortcut().isEmpty() && !own.contains(action->shortcut())) {
            window->addAction(action);
        }
    }
}

} // namespace quelvarin::ui
