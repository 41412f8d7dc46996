#pragma once

#include <QImage>
#include <QWidget>

namespace quelvarin::ui {

// A picture stretched over the whole of the widget, as the card pictures fill their window.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);

    void SetImage(QImage image);
    const QImage& Image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace quelvarin::ui
