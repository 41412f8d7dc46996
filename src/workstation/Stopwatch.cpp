#include "workstation/Stopwatch.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <limits>

namespace quelvarin {

void Stopwatch::Start() {
    m_start = m_clock.Now();
    m_running = true;
}

void Stopwatch::Reset() {
    m_running = false;
}

int Stopwatch::RunningSeconds() const {
    if (!m_running) {
        return 0;
    }
    auto elapsed = std::max<long long>((m_clock.Now() - m_start).count(), 0);
    auto seconds = RoundedQuotient(elapsed, 1000);
    return static_cast<int>(std::min<long long>(seconds, std::numeric_limits<int>::max()));
}

MinutesSeconds SplitSeconds(int seconds) {
    if (seconds < 0) {
        return {0, 0};
    }
    return {seconds / 60, seconds % 60};
}

} // namespace quelvarin
