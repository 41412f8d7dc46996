#pragma once

#include <QWidget>

namespace quelvarin::ui {

// One of the graph's blinking markers: a square filled aqua or a circle filled yellow. It lets
// the pointer through to the chart or the list beneath it.
class ChartMarker : public QWidget {
    Q_OBJECT
public:
    explicit ChartMarker(QWidget* parent);

    bool Round() const { return m_round; }
    void SetRound(bool round);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_round = false;
};

} // namespace quelvarin::ui
