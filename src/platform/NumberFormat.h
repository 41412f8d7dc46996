#pragma once

#include <string>

namespace quelvarin {

// Fixed-point with '.' as the decimal point whatever the locale, right-aligned (blank-padded
// on the left) in a field of at least `width` characters.
std::string FormatFixed(double value, int decimals, int width = 0);

// A whole number right-aligned in a field of at least `width` characters.
std::string FormatInteger(long long value, int width = 0);

} // namespace quelvarin
