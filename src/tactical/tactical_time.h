#pragma once

#include "platform/moment.h"
#include "tactical/month_names.h"

#include <chrono>
#include <string>

namespace tactical {

// The clock texts of the German regional settings: "08:05:03" and "05.03.2009".
std::u16string timeText(const Moment& moment);
std::u16string dateText(const Moment& moment);

// The tactical time text: day, hours, minutes, month name and the last two digits of the year, written
// together, eleven characters ("141638okt09"). Seconds never enter it and nothing is rounded.
std::u16string tacticalTime(std::chrono::year_month_day date, ClockTime time, MonthLanguage language);

}  // namespace tactical
