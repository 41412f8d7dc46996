#include "ui/locations/PictureView.h"

#include <QPainter>

namespace quelvarin::ui {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 160);
}

void PictureView::SetImage(QImage image) {
    m_image = std::move(image);
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}

} // namespace quelvarin::ui
