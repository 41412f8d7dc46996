#include "platform/Rounding.h"

#include <cmath>

namespace quelvarin {

long long RoundHalfEven(double value) {
    constexpr double kLimit = 9.0e18; // beyond this a double holds no fraction anyway
    if (!(value > -kLimit && value < kLimit)) {
        return value > 0 ? static_cast<long long>(kLimit) : (value < 0 ? -static_cast<long long>(kLimit) : 0);
    }
    double floor = std::floor(value);
    double fraction = value - floor;
    auto whole = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        return whole + 1;
    }
    return whole;
}

long long RoundedQuotient(long long numerator, long long denominator) {
    if (denominator == 0) {
        return 0;
    }
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // Floor division, so that the remainder is in [0, denominator).
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}

long long RoundedPercent(long long part, long long whole) {
    return RoundedQuotient(part * 100, whole);
}

} // namespace quelvarin
