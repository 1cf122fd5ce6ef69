#include "tactical_time.h"

#include "date_reader.h"
#include "text.h"

namespace core {

std::u16string writeTactical(std::chrono::year_month_day date, ClockTime time, MonthLanguage language)
{
    std::u16string text = twoDigitText(dayOf(date));
    text += twoDigitText(time.hour);
    text += twoDigitText(time.minute);
    text += monthName(monthOf(date), language);
    text += twoDigitText(static_cast<int>(date.year()) % 100);
    return text;
}

std::optional<TacticalFields> readTactical(std::u16string_view text)
{
    text = trimmed(text);
    if (text.size() != 11 && text.size() != 13)
        return std::nullopt;
    const auto day = readDigits(text.substr(0, 2), 2, 2);
    const auto hour = readDigits(text.substr(2, 2), 2, 2);
    const auto minute = readDigits(text.substr(4, 2), 2, 2);
    const auto month = monthFromName(text.substr(6, 3));
    const auto yearDigits = text.substr(9);
    const auto year = readYear(yearDigits);
    if (!day || !hour || !minute || !month || !year || !ClockTime{*hour, *minute, 0}.ok()
        || !calendarDate(*day, *month, *year))
        return std::nullopt;
    return TacticalFields{*day, *month, *hour, *minute, std::u16string(yearDigits)};
}

}  // namespace core
