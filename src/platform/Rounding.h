#pragma once

namespace quelvarin {

// Nearest whole number, an exact half going to the even neighbour (12.5 -> 12, 37.5 -> 38).
long long RoundHalfEven(double value);

// round(numerator / denominator) in whole numbers, so that an exact half is recognised
// exactly; halves go to the even neighbour. A denominator of 0 gives 0.
long long RoundedQuotient(long long numerator, long long denominator);

// round(part * 100 / whole) as above: 1 of 8 gives 12, 3 of 8 gives 38; 0 when whole is 0.
long long RoundedPercent(long long part, long long whole);

} // namespace quelvarin
