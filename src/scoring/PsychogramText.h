#pragma once

#include "scoring/Typologies.h"

#include <string>

// How the psychogram figures are written wherever they are shown: the main window, the
// examination sheet, the statistics row and the interpretation all print these texts.
namespace quelvarin::psychogram_text {

// M%, T%, Obj%, F+%1, F+%2: two decimals in at least 5 characters ("12.50", " 5.00").
std::string Percent(double value);
// ÉT, MF, IT: each side with one decimal in 4 characters, joined by ":" (" 2.5: 3.5").
std::string Pair(const TypologyPair& pair);
// The content spread: one decimal in at least 2 characters ("1.3").
std::string Spread(double value);

} // namespace quelvarin::psychogram_text
