#include "ui/graph/ChartMarker.h"

#include "ui/graph/ChartColour.h"

#include <QPainter>

namespace quelvarin::ui {

ChartMarker::ChartMarker(QWidget* parent) : QWidget(parent) {
    setFixedSize(et_chart::kMarkerSize, et_chart::kMarkerSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ChartMarker::SetRound(bool round) {
    if (round != m_round) {
        m_round = round;
        update();
    }
}

void ChartMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    QRect shape(0, 0, width() - 1, height() - 1);
    if (m_round) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(ColourOf(et_chart::kRoundMarker));
        painter.drawEllipse(shape);
    } else {
        painter.setBrush(ColourOf(et_chart::kSquareMarker));
        painter.drawRect(shape);
    }
}

} // namespace quelvarin::ui
