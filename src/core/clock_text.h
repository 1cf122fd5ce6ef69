#pragma once

#include "moment.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// The clock texts of the German regional settings, zero-padded: "08:05:03", "08:05", "05.03.2009".
std::u16string formatClockTime(ClockTime time);
std::u16string formatHoursMinutes(ClockTime time);
std::u16string formatDate(std::chrono::year_month_day date);
// A year from 0 to 9999 with its last two digits, or with four.
std::u16string formatYear(int year, std::size_t digits);
// A date with its year as written: "05.03." and "09" give "05.03.09".
std::u16string formatDate(int day, int month, std::u16string_view year);

}  // namespace core
