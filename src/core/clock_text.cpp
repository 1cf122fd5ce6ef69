#include "clock_text.h"

#include "text.h"

namespace core {

std::u16string formatHoursMinutes(ClockTime time)
{
    return twoDigitText(time.hour) + u':' + twoDigitText(time.minute);
}

std::u16string formatClockTime(ClockTime time)
{
    return formatHoursMinutes(time) + u':' + twoDigitText(time.second);
}

std::u16string formatDate(int day, int month, std::u16string_view year)
{
    return twoDigitText(day) + u'.' + twoDigitText(month) + u'.' + std::u16string(year);
}

std::u16string formatYear(int year, std::size_t digits)
{
    return digits == 2 ? twoDigitText(year % 100) : twoDigitText(year / 100) + twoDigitText(year % 100);
}

std::u16string formatDate(std::chrono::year_month_day date)
{
    return formatDate(dayOf(date), monthOf(date), formatYear(static_cast<int>(date.year()), 4));
}

}  // namespace core
