#pragma once

#include "moment.h"
#include "month_names.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The tactical time text: day, hours, minutes, month name and the last two digits of the year, written
// together, eleven characters ("141638okt09"); as a date-time group, with the zone letter between the minutes
// and the month ("141638Bokt09"). Seconds never enter it and nothing is rounded.
std::u16string writeTactical(std::chrono::year_month_day date, ClockTime time, MonthLanguage language,
                             std::optional<char16_t> zone = std::nullopt);

// A zone of date-time groups: its letter, in upper case, and its hours east of UTC. J, local time, has none.
struct Zone {
    char16_t letter;
    std::optional<int> utcOffsetHours;
};

// The zone a letter names, in either case, or nothing for any other character.
std::optional<Zone> zoneNamed(char16_t letter);
// The letter of the zone that many hours east of UTC, or nothing where no letter names one.
std::optional<char16_t> zoneLetter(int utcOffsetHours);

// The fields of a tactical time text as written. The year keeps the two or four digits it was given in.
struct TacticalFields {
    int day = 0;
    int month = 0;
    int hour = 0;
    int minute = 0;
    std::u16string yearDigits;
    // The hours east of UTC that a zone letter names; nothing for local time (no letter, or J).
    std::optional<int> utcOffsetHours;
};

// Reads a tactical time or date-time group with surrounding white space: the day (2 digits), hours and
// minutes (4 digits), an optional zone letter, the month name (German or English, any case) and the year
// (2 or 4 digits, read as the date reader reads years), with any number of spaces between two groups:
// "141638okt09", "141638okt2009", "031732B jul 04", "03 1732 Z JUL 2004". Nothing for any other text, for a
// time that is not on the clock or for a day that the month does not have.
std::optional<TacticalFields> readTactical(std::u16string_view text);

}  // namespace core
