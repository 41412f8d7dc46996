#include "ui/widgets/WindowToggle.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace quelvarin::ui {

namespace {

class ShownWatcher : public QObject {
public:
    ShownWatcher(QWidget* window, QAction* toggle) : QObject(window), m_toggle(toggle) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            m_toggle->setChecked(static_cast<QWidget*>(watched)->isVisible());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* m_toggle;
};

} // namespace

void BindToggle(QAction* toggle, QWidget* window) {
    toggle->setCheckable(true);
    QObject::connect(toggle, &QAction::toggled, window, [window](bool on) {
        if (on != window->isVisible()) {
            window->setVisible(on);
        }
        if (on) {
            window->raise();
        }
    });
    window->installEventFilter(new ShownWatcher(window, toggle));
}

} // namespace quelvarin::ui
