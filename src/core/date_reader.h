#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace core {

// A year written with four digits, 1000 to 9999, or with two, 1930 to 2029: the hundred years around
// the present, in which every year divisible by four is a leap year, so "29.02.00" is a date.
std::optional<std::chrono::year> readYear(std::u16string_view digits);

// The date of that day, month and year, or nothing when the month has no such day.
std::optional<std::chrono::year_month_day> calendarDate(int day, int month, std::chrono::year year);

// Reads a date as a German user writes it: "14.10.2009", "14.10.09", "14.10.", "2009-10-14", "14/10/2009",
// "14-10-2009", "14. Oktober 2009", "14 Okt 2009", "14.okt.2009". Months may be written in German or English,
// in full or with three letters, in any case. A date without a year is in `currentYear`. Impossible dates
// (31.04., 29.02. outside leap years) and anything else give nothing.
std::optional<std::chrono::year_month_day> readDate(std::u16string_view text, std::chrono::year currentYear);

}  // namespace core
