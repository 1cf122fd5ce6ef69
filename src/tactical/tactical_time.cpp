#include "tactical/tactical_time.h"

#include "platform/text_scan.h"

using text_scan::twoDigits;

namespace tactical {

std::u16string timeText(const Moment& moment)
{
    return twoDigits(moment.time.hour) + u':' + twoDigits(moment.time.minute) + u':' + twoDigits(moment.time.second);
}

std::u16string dateText(const Moment& moment)
{
    const int year = static_cast<int>(moment.date.year());
    return twoDigits(static_cast<int>(static_cast<unsigned>(moment.date.day()))) + u'.'
        + twoDigits(static_cast<int>(static_cast<unsigned>(moment.date.month()))) + u'.' + twoDigits(year / 100)
        + twoDigits(year % 100);
}

std::u16string tacticalTime(std::chrono::year_month_day date, ClockTime time, MonthLanguage language)
{
    std::u16string text = twoDigits(static_cast<int>(static_cast<unsigned>(date.day())));
    text += twoDigits(time.hour);
    text += twoDigits(time.minute);
    text += monthName(static_cast<unsigned>(date.month()), language);
    text += twoDigits(static_cast<int>(date.year()) % 100);
    return text;
}

}  // namespace tactical
