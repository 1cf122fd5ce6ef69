#include "conversions.h"

#include "date_reader.h"
#include "tactical_time.h"
#include "text.h"
#include "time_reader.h"

namespace core {

std::optional<std::u16string> normalToTactical(std::u16string_view timeText, std::u16string_view dateText,
                                               MonthLanguage language, std::chrono::year currentYear)
{
    const auto time = readClockTime(timeText);
    const auto date = readDate(dateText, currentYear);
    if (!time || !date)
        return std::nullopt;
    return writeTactical(*date, *time, language);
}

std::optional<NormalTime> tacticalToNormal(std::u16string_view text)
{
    const auto fields = readTactical(text);
    if (!fields)
        return std::nullopt;
    return NormalTime{twoDigitText(fields->hour) + u':' + twoDigitText(fields->minute),
                      twoDigitText(fields->day) + u'.' + twoDigitText(fields->month) + u'.' + fields->yearDigits};
}

}  // namespace core
