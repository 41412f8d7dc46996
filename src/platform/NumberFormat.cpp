#include "platform/NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quelvarin {
namespace {

std::string PadLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

} // namespace

std::string FormatFixed(double value, int decimals, int width) {
    if (!std::isfinite(value)) {
        return PadLeft(std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF"), width);
    }
    std::array<char, 400> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    if (error != std::errc{}) {
        return PadLeft("?", width);
    }
    std::string text(buffer.data(), end);
    // "-0.0" reads as a negative zero to a clinician; a rounded-away sign is dropped.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return PadLeft(std::move(text), width);
}

std::string FormatInteger(long long value, int width) {
    std::array<char, 24> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)error;
    return PadLeft(std::string(buffer.data(), end), width);
}

} // namespace quelvarin
