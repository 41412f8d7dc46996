#pragma once

#include <chrono>
#include <string>

namespace quelvarin {

// Today's date as the examination date is written (the Hungarian short date "2026.12.10."),
// and a steady time for the stopwatch and the recovery copy's schedule.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string TodayShortDate() const = 0;
    // Time since an arbitrary start; it never goes back.
    virtual std::chrono::milliseconds Now() const = 0;
};

class SystemClock : public Clock {
public:
    std::string TodayShortDate() const override;
    std::chrono::milliseconds Now() const override;
};

// The tests' clock: a fixed date, and a steady time that moves only when told.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::string date) : m_date(std::move(date)) {}
    std::string TodayShortDate() const override { return m_date; }
    std::chrono::milliseconds Now() const override { return m_now; }
    void Advance(std::chrono::milliseconds by) { m_now += by; }

private:
    std::string m_date;
    std::chrono::milliseconds m_now{0};
};

} // namespace quelvarin
