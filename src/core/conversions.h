#pragma once

#include "clock.h"
#include "moment.h"
#include "month_names.h"
#include "tactical_time.h"

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
    std::u16string date;  // "tt.mm.jj" or "tt.mm.jjjj", the year with as many digits as were written
};

// A tactical time text or date-time group as a time and a date, or nothing when it is not one. A group
// with a zone letter other than J is shown in the clock's local time; a moment that lands outside the years its year
// digits can be read as is no time.
std::optional<NormalTime> tacticalToNormal(std::u16string_view text, const Clock& clock);

// A moment in UTC as a date-time group: in the given zone (J: local time), or in local time with the letter of
// its offset at that moment; nothing where that offset has no letter (half an hour off, beyond twelve hours).
std::optional<std::u16string> writeGroup(std::chrono::sys_seconds utc, std::optional<Zone> zone, MonthLanguage language,
                                         const Clock& clock);

}  // namespace core
