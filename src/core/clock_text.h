#pragma once

#include "moment.h"

#include <chrono>
#include <string>

namespace core {

// The clock texts of the German regional settings: "08:05:03" and "05.03.2009".
std::u16string formatClockTime(ClockTime time);
std::u16string formatDate(std::chrono::year_month_day date);

}  // namespace core
