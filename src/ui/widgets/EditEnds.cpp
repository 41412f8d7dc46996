#include "ui/widgets/EditEnds.h"

#include <QEvent>
#include <QWidget>

namespace quelvarin::ui {

namespace {

class EditEndWatcher : public QObject {
public:
    EditEndWatcher(QWidget* editor, std::function<void()> ended)
        : QObject(editor), m_editor(editor), m_ended(std::move(ended)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool ended = (watched == m_editor && event->type() == QEvent::FocusOut) ||
                     (watched == m_editor->window() &&
                      (event->type() == QEvent::Hide || event->type() == QEvent::WindowDeactivate));
        if (ended) {
            m_ended();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_editor;
    std::function<void()> m_ended;
};

} // namespace

void OnEditEnded(QWidget* editor, std::function<void()> ended) {
    auto* watcher = new EditEndWatcher(editor, std::move(ended));
    editor->installEventFilter(watcher);
    editor->window()->installEventFilter(watcher);
}

} // namespace quelvarin::ui
