#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace quelvarin::ui {

// A read-only list over rows the core builds. Refresh takes the rows anew and tells the views
// only which rows changed, came or went, so that the row chosen and the scroll position stay
// where they were.
class RowsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Rows = std::function<std::vector<std::string>()>;

    RowsModel(Rows rows, QObject* parent);

    void Refresh();
    // The text of a row ("" for a row that is not there).
    QString Row(int row) const { return row >= 0 && row < m_shown.size() ? m_shown[row] : QString(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    // The row's text, also as its hint: a long name is cut short in a narrow list.
    QVariant data(const QModelIndex& index, int role) const override;

private:
    Rows m_rows;
    QStringList m_shown;
};

} // namespace quelvarin::ui
