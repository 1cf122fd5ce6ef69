#include "conversions.h"

#include "clock_text.h"
#include "date_reader.h"
#include "tactical_time.h"
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
    return NormalTime{formatHoursMinutes(ClockTime{fields->hour, fields->minute, 0}),
                      formatDate(fields->day, fields->month, fields->yearDigits)};
}

}  // namespace core
