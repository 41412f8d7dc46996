#include "platform/Clock.h"

#include "platform/NumberFormat.h"

#include <chrono>
#include <ctime>

namespace quelvarin {

std::string SystemClock::TodayShortDate() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    auto twoDigits = [](int value) {
        auto text = FormatInteger(value);
        return text.size() < 2 ? "0" + text : text;
    };
    return FormatInteger(local.tm_year + 1900) + "." + twoDigits(local.tm_mon + 1) + "." +
           twoDigits(local.tm_mday) + ".";
}

std::chrono::milliseconds SystemClock::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace quelvarin
