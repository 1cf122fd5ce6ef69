#pragma once

#include "month_names.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The two conversions of the window, from the texts the user typed to the texts it shows.
namespace core {

// A typed time and date as a tactical time text with the chosen month names, or nothing when either
// text is not a time or a date. A date without a year is in `currentYear`.
std::optional<std::u16string> normalToTactical(std::u16string_view timeText, std::u16string_view dateText,
                                               MonthLanguage language, std::chrono::year currentYear);

struct NormalTime {
    std::u16string time;  // "hh:mm"
    std::u16string date;  // "tt.mm.jj" or "tt.mm.jjjj", the year as written
};

// A tactical time text as a time and a date, or nothing when it is not one.
std::optional<NormalTime> tacticalToNormal(std::u16string_view text);

}  // namespace core
