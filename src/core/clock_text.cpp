#include "clock_text.h"

#include "text.h"

namespace core {

std::u16string formatClockTime(ClockTime time)
{
    return twoDigitText(time.hour) + u':' + twoDigitText(time.minute) + u':' + twoDigitText(time.second);
}

std::u16string formatDate(std::chrono::year_month_day date)
{
    const int year = static_cast<int>(date.year());
    return twoDigitText(static_cast<int>(static_cast<unsigned>(date.day()))) + u'.'
        + twoDigitText(static_cast<int>(static_cast<unsigned>(date.month()))) + u'.' + twoDigitText(year / 100)
        + twoDigitText(year % 100);
}

}  // namespace core
