#pragma once

#include "workstation/PsychogramView.h"

#include <QLabel>
#include <QObject>
#include <functional>

namespace quelvarin::ui {

// One figure of the sign picker: its caption and its value box, with the hints of both and the
// highlight of the sign boxes it is computed from while the mouse is over either.
class FigureDisplay : public QObject {
    Q_OBJECT
public:
    FigureDisplay(Figure figure, QWidget* page, QRect caption, QRect value);

    Figure Which() const { return m_figure; }
    QLabel* Value() const { return m_value; }
    QLabel* Caption() const { return m_caption; }
    // Shows the figure as the view has it: value, hints, and the value as its accessible name.
    void Show(const FigureText& text);

Q_SIGNALS:
    void entered(Figure figure);
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Figure m_figure;
    QLabel* m_caption;
    QLabel* m_value;
};

} // namespace quelvarin::ui
