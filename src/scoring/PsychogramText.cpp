#include "scoring/PsychogramText.h"

#include "platform/NumberFormat.h"

namespace quelvarin::psychogram_text {

std::string Percent(double value) {
    return FormatFixed(value, 2, 5);
}

std::string Pair(const TypologyPair& pair) {
    return FormatFixed(pair.left, 1, 4) + ":" + FormatFixed(pair.right, 1, 4);
}

std::string Spread(double value) {
    return FormatFixed(value, 1, 2);
}

} // namespace quelvarin::psychogram_text
