#include "ui/widgets/CheckList.h"

#include "ui/app/QtText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace quelvarin::ui {

// Qt turns a tick over only for a click on its small box; the examiner clicks the row's text.
class CheckListClicks : public QStyledItemDelegate {
public:
    explicit CheckListClicks(CheckList* list) : QStyledItemDelegate(list), m_list(list) {}

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                break;
            }
            m_list->Act(index.row());
            return true;
        case QEvent::MouseButtonPress:
            // Pressing on the tick's box chooses the row as pressing on its text does.
            return false;
        case QEvent::MouseButtonDblClick:
            // The second press of a double click; its release turns the tick over once more.
            return true;
        case QEvent::KeyPress: {
            auto key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Select) {
                break;
            }
            m_list->Act(index.row());
            return true;
        }
        default:
            break;
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

private:
    CheckList* m_list;
};

CheckList::CheckList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CheckListClicks(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A tick turned over by a screen reader's action reaches the core as a click does.
    connect(this, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { Q_EMIT toggled(row(item), item->checkState() == Qt::Checked); });
}

void CheckList::SetRows(std::span<const std::string_view> rows) {
    QSignalBlocker blocker(this);
    clear();
    for (auto text : rows) {
        auto* item = new QListWidgetItem(ToQt(text), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void CheckList::SetTicks(std::span<const bool> ticks) {
    QSignalBlocker blocker(this);
    for (int row = 0; row < count() && row < static_cast<int>(ticks.size()); ++row) {
        item(row)->setCheckState(ticks[static_cast<std::size_t>(row)] ? Qt::Checked : Qt::Unchecked);
    }
}

bool CheckList::Ticked(int row) const {
    const auto* found = item(row);
    return found && found->checkState() == Qt::Checked;
}

void CheckList::Act(int row) {
    auto* found = item(row);
    if (!found) {
        return;
    }
    if (!m_ticking) {
        Q_EMIT chosen(row);
        return;
    }
    found->setCheckState(found->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace quelvarin::ui
