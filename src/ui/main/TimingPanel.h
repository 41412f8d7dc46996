#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/ScoringDesk.h"

#include <QTimer>
#include <QWidget>
#include <array>

class QLineEdit;
class QSpinBox;

namespace quelvarin::ui {

// The reaction and card times of the current card, and the stopwatch that measures them.
class TimingPanel : public QWidget {
    Q_OBJECT
public:
    TimingPanel(ScoringDesk& scoring, WindowContext& context, QWidget* parent);

    // The stopwatch's one-second tick (the timer calls it; the tests too).
    void Tick();

private:
    // The four boxes show the CardTimes of CurrentCard; empty and disabled while it is 0.
    void Refresh();
    void Store(TimeBox box, int value);

    ScoringDesk& m_scoring;
    QTimer m_timer;
    std::array<QSpinBox*, 4> m_boxes{};
    QLineEdit* m_running;
};

} // namespace quelvarin::ui
