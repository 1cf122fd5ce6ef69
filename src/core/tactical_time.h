#pragma once

#include "moment.h"
#include "month_names.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The tactical time text: day, hours, minutes, month name and the last two digits of the year, written
// together, eleven characters ("141638okt09"). Seconds never enter it and nothing is rounded.
std::u16string writeTactical(std::chrono::year_month_day date, ClockTime time, MonthLanguage language);

// The fields of a tactical time text as written. The year keeps the two or four digits it was given in.
struct TacticalFields {
    int day = 0;
    int month = 0;
    int hour = 0;
    int minute = 0;
    std::u16string yearDigits;
};

// Reads "tthhmmMMMjj" or "tthhmmMMMjjjj" with surrounding white space; month names German or English in
// any case; the year as the date reader reads years. Nothing for any other text, for a time that is not on
// the clock or for a day that the month does not have.
std::optional<TacticalFields> readTactical(std::u16string_view text);

}  // namespace core
