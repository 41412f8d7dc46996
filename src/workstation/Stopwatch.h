#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace quelvarin {

// The timing panel's stopwatch over the clock's steady time. The window's one-second timer only
// asks it for RunningSeconds; the time itself comes from the clock, so a late timer tick never
// makes the stopwatch slow.
class Stopwatch {
public:
    explicit Stopwatch(const Clock& clock) : m_clock(clock) {}

    // "s&tart": runs from 0, also when it was already running.
    void Start();
    // "reset": stops; RunningSeconds shows 0.
    void Reset();
    bool Running() const { return m_running; }
    // The elapsed time in whole seconds, rounded to the nearest (an exact half to the even
    // neighbour); 0 while stopped.
    int RunningSeconds() const;

private:
    const Clock& m_clock;
    std::chrono::milliseconds m_start{0};
    bool m_running = false;
};

// Running seconds as minutes and seconds: 135 gives 2 and 15. A negative count gives 0 and 0.
struct MinutesSeconds {
    int minutes;
    int seconds;
};
MinutesSeconds SplitSeconds(int seconds);

} // namespace quelvarin
