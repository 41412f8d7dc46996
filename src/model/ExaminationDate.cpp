#include "model/ExaminationDate.h"

#include <algorithm>
#include <charconv>

namespace quelvarin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> Number(std::string_view digits) {
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

std::string Padded(int value, std::size_t width) {
    auto text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

constexpr std::size_t kSuffixDigits = 8;

bool HasDateSuffix(std::string_view code) {
    if (code.size() < kSuffixDigits + 1) {
        return false;
    }
    auto suffix = code.substr(code.size() - kSuffixDigits);
    return code[code.size() - kSuffixDigits - 1] == '_' && std::all_of(suffix.begin(), suffix.end(), IsDigit);
}

} // namespace

std::optional<CivilDate> ParseShortDate(std::string_view text) {
    if (!text.empty() && text.back() == '.') {
        text.remove_suffix(1);
    }
    if (text.size() != 10 || text[4] != '.' || text[7] != '.') {
        return std::nullopt;
    }
    auto year = Number(text.substr(0, 4));
    auto month = Number(text.substr(5, 2));
    auto day = Number(text.substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysIn(*year, *month)) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}

std::string ShortDateText(const CivilDate& date) {
    return Padded(date.year, 4) + "." + Padded(date.month, 2) + "." + Padded(date.day, 2) + ".";
}

std::string CodeWithDate(std::string_view code, std::string_view date) {
    std::string base(HasDateSuffix(code) ? code.substr(0, code.size() - kSuffixDigits - 1) : code);
    std::string digits;
    std::copy_if(date.begin(), date.end(), std::back_inserter(digits), IsDigit);
    if (digits.empty()) {
        return base;
    }
    return base + "_" + digits;
}

} // namespace quelvarin
