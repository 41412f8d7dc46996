#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The examination date as the protocol keeps it: the short date "2004.05.12." of the date
// picker.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "yyyy.MM.dd." (the final point may be missing); nothing for any other text or a day that
// does not exist.
std::optional<CivilDate> ParseShortDate(std::string_view text);
std::string ShortDateText(const CivilDate& date);

// The examination code after the date changed: a date suffix the rule added earlier ("_" and
// eight digits at the end) is replaced by "_" and the date's digits, so the code carries one
// date; any other "_" of the code is the examiner's own and stays. A date without digits adds
// nothing.
std::string CodeWithDate(std::string_view code, std::string_view date);

} // namespace quelvarin
