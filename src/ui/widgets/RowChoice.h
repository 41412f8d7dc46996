#pragma once

#include <QAbstractItemView>
#include <QModelIndex>
#include <functional>

namespace quelvarin::ui {

// A row of a list is chosen by a click, or by Enter or the space bar on the current row, once
// (a double click does not choose it twice).
void OnRowChosen(QAbstractItemView* view, std::function<void(const QModelIndex&)> chosen);

} // namespace quelvarin::ui
