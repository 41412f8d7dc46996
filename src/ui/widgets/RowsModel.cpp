#include "ui/widgets/RowsModel.h"

#include "ui/app/QtText.h"

#include <algorithm>

namespace quelvarin::ui {

RowsModel::RowsModel(Rows rows, QObject* parent) : QAbstractListModel(parent), m_rows(std::move(rows)) {
    Refresh();
}

void RowsModel::Refresh() {
    auto rows = ToQt(m_rows());
    auto had = m_shown.size();
    auto has = rows.size();
    if (has < had) {
        beginRemoveRows({}, static_cast<int>(has), static_cast<int>(had - 1));
        m_shown.resize(has);
        endRemoveRows();
    }
    // The rows both have: only those whose text differs are redrawn.
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype row = 0; row < std::min(had, has); ++row) {
        if (m_shown[row] != rows[row]) {
            m_shown[row] = rows[row];
            first = first < 0 ? row : first;
            last = row;
        }
    }
    if (first >= 0) {
        Q_EMIT dataChanged(index(static_cast<int>(first)), index(static_cast<int>(last)));
    }
    if (has > had) {
        beginInsertRows({}, static_cast<int>(had), static_cast<int>(has - 1));
        m_shown = rows;
        endInsertRows();
    }
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown.size()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) {
        return m_shown[index.row()];
    }
    return {};
}

} // namespace quelvarin::ui
