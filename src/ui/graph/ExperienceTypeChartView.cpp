#include "ui/graph/ExperienceTypeChartView.h"

#include "ui/app/QtText.h"
#include "ui/graph/ChartColour.h"
#include "workstation/ExperienceTypeGraphTexts.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace quelvarin::ui {

namespace texts = window_texts::experience_graph;
using namespace et_chart;

namespace {

constexpr int kBevel = 2;
// The band above the grid for the colour side and the band left of it for the movement side:
// the caption on the outer half, the numbers on the inner half.
constexpr int kCaptionBand = 18;

} // namespace

ExperienceTypeChartView::ExperienceTypeChartView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kChartSize + 2 * kBevel, kChartSize + 2 * kBevel);
    setMouseTracking(true);
}

void ExperienceTypeChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, kBevel);
    painter.fillRect(rect().adjusted(kBevel, kBevel, -kBevel, -kBevel), ColourOf(kBackground));
    // The chart's positions are the window's.
    painter.translate(-pos());

    // The grid lines: one block under the cells, showing between them and round them.
    const int grid = kCells * kCellPitch + 1;
    painter.fillRect(kOrigin.x - 1, kOrigin.y - 1, grid, grid, ColourOf(kGridLine));
    for (int movement = 0; movement < kCells; ++movement) {
        for (int colour = 0; colour < kCells; ++colour) {
            auto corner = CellCorner(colour, movement);
            painter.fillRect(corner.x, corner.y, kCellFill, kCellFill,
                             ColourOf(CellColour(colour, movement)));
        }
    }

    auto font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int highest = static_cast<int>(kHighestValue);
    const int top = pos().y() + kBevel;
    const int left = pos().x() + kBevel;
    const int gridRight = kOrigin.x + grid - 1;
    const int gridBottom = kOrigin.y + grid - 1;

    // The colour side across the top, its numbers over their columns.
    painter.drawText(QRect(kOrigin.x, top, gridRight - kOrigin.x, kCaptionBand), Qt::AlignCenter,
                     ToQt(texts::kColourSide));
    for (int value = 0; value <= highest; ++value) {
        painter.drawText(
            QRect(ColumnCentre(value) - 10, top + kCaptionBand, 20, kOrigin.y - 1 - top - kCaptionBand),
            Qt::AlignCenter, QString::number(value));
    }

    // The movement side down the left, caption and numbers turned to read from bottom to top.
    painter.save();
    painter.translate(left, gridBottom);
    painter.rotate(-90);
    // Now x runs up the chart from its bottom and y runs right from its left edge.
    painter.drawText(QRect(0, 0, gridBottom - kOrigin.y, kCaptionBand), Qt::AlignCenter,
                     ToQt(texts::kMovementSide));
    for (int value = 0; value <= highest; ++value) {
        int along = gridBottom - RowCentre(value);
        painter.drawText(QRect(along - 10, kCaptionBand, 20, kOrigin.x - 1 - left - kCaptionBand),
                         Qt::AlignCenter, QString::number(value));
    }
    painter.restore();
}

void ExperienceTypeChartView::mouseMoveEvent(QMouseEvent* event) {
    auto at = event->position().toPoint() + pos();
    Q_EMIT pointed({at.x(), at.y()});
    QWidget::mouseMoveEvent(event);
}

} // namespace quelvarin::ui
