#pragma once

#include "workstation/ExperienceTypeChart.h"

#include <QWidget>

namespace quelvarin::ui {

// The chart of the twelve experience types, painted from the chart table: a cell for every pair
// of half-unit values in 0..10, coloured by its type, with the colour side across the top and
// the movement side down the left. It tells where the pointer moves, in the coordinates of the
// window it stands in, since the type areas are given in those.
class ExperienceTypeChartView : public QWidget {
    Q_OBJECT
public:
    explicit ExperienceTypeChartView(QWidget* parent);

Q_SIGNALS:
    void pointed(quelvarin::et_chart::Point point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace quelvarin::ui
