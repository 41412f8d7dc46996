#include "scoring/CountRanges.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace quelvarin {
namespace {

std::optional<int> Whole(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<CountRange> ParseCountRange(std::string_view text) {
    if (text == "-") {
        return CountRange{};
    }
    if (!text.empty() && text.back() == '+') {
        auto first = Whole(text.substr(0, text.size() - 1));
        return first ? std::optional<CountRange>(CountRange{*first, CountRange::kOpenEnd}) : std::nullopt;
    }
    auto dash = text.find('-');
    if (dash == std::string_view::npos) {
        auto only = Whole(text);
        return only ? std::optional<CountRange>(CountRange{*only, *only}) : std::nullopt;
    }
    auto first = Whole(text.substr(0, dash));
    auto last = Whole(text.substr(dash + 1));
    if (!first || !last || *last < *first) {
        return std::nullopt;
    }
    return CountRange{*first, *last};
}

template <std::size_t N>
CountRangeCell<N> ParseCountRangeCell(std::string_view cell) {
    CountRangeCell<N> ranges{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < N; ++i) {
        auto end = cell.find(" / ", start);
        if ((end == std::string_view::npos) != (i + 1 == N)) {
            throw std::logic_error("a scoring table cell has the wrong number of ranges: " +
                                   std::string(cell));
        }
        auto range = ParseCountRange(cell.substr(start, end == std::string_view::npos ? end : end - start));
        if (!range) {
            throw std::logic_error("a scoring table cell does not read: " + std::string(cell));
        }
        ranges[i] = *range;
        start = end + 3;
    }
    return ranges;
}

template CountRangeCell<4> ParseCountRangeCell<4>(std::string_view);
template CountRangeCell<5> ParseCountRangeCell<5>(std::string_view);

} // namespace quelvarin
