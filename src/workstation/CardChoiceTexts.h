#pragma once

#include "platform/NumberFormat.h"

#include <string>
#include <string_view>

// The card-choice window's texts.
namespace quelvarin::window_texts {

inline constexpr std::string_view kCardChoiceTitle = "Válasz a(z)...";
// Item k of the card choice: "válasz törlése" for 0, "k. táblán" for 1..10.
inline std::string CardChoiceItem(int item) {
    return item == 0 ? std::string("válasz törlése") : FormatInteger(item) + ". táblán";
}

} // namespace quelvarin::window_texts
