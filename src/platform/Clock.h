#pragma once

#include <string>

namespace quelvarin {

// Today's date as the examination date is written: the Hungarian short date "2026.12.10.".
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string TodayShortDate() const = 0;
};

class SystemClock : public Clock {
public:
    std::string TodayShortDate() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(std::string date) : m_date(std::move(date)) {}
    std::string TodayShortDate() const override { return m_date; }

private:
    std::string m_date;
};

} // namespace quelvarin
