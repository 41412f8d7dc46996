#include "ui/widgets/RowChoice.h"

#include <QKeyEvent>

namespace quelvarin::ui {

namespace {

class ChoiceKeys : public QObject {
public:
    ChoiceKeys(QAbstractItemView* view, std::function<void(const QModelIndex&)> chosen)
        : QObject(view), m_view(view), m_chosen(std::move(chosen)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
                m_view->currentIndex().isValid()) {
                m_chosen(m_view->currentIndex());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView* m_view;
    std::function<void(const QModelIndex&)> m_chosen;
};

} // namespace

void OnRowChosen(QAbstractItemView* view, std::function<void(const QModelIndex&)> chosen) {
    QObject::connect(view, &QAbstractItemView::clicked, view, chosen);
    view->installEventFilter(new ChoiceKeys(view, std::move(chosen)));
}

} // namespace quelvarin::ui
