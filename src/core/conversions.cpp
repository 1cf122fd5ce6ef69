#include "conversions.h"

#include "clock_text.h"
#include "date_reader.h"
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

std::optional<NormalTime> tacticalToNormal(std::u16string_view text, const Clock& clock)
{
    const auto fields = readTactical(text);
    if (!fields)
        return std::nullopt;
    if (!fields->utcOffsetHours)
        return NormalTime{formatHoursMinutes(ClockTime{fields->hour, fields->minute, 0}),
                          formatDate(fields->day, fields->month, fields->yearDigits)};

    using namespace std::chrono;
    const year_month_day written = *calendarDate(fields->day, fields->month, *readYear(fields->yearDigits));
    const auto local =
        clock.localTime(sys_days{written} + hours{fields->hour - *fields->utcOffsetHours} + minutes{fields->minute});
    if (!local)
        return std::nullopt;
    // The year keeps its number of digits, and must read back as the year it is.
    const int year = static_cast<int>(local->date.year());
    if (year < 0 || year > 9999)
        return std::nullopt;
    const std::u16string yearText = formatYear(year, fields->yearDigits.size());
    if (readYear(yearText) != local->date.year())
        return std::nullopt;
    return NormalTime{formatHoursMinutes(local->time), formatDate(dayOf(local->date), monthOf(local->date), yearText)};
}

std::optional<std::u16string> writeGroup(std::chrono::sys_seconds utc, std::optional<Zone> zone, MonthLanguage language,
                                         const Clock& clock)
{
    using namespace std::chrono;
    Moment shown = clock.localMoment(utc);
    if (!zone) {
        const auto offset = floor<seconds>(utcInstant(shown)) - utc;
        const auto letter =
            offset % hours{1} == seconds{0} ? zoneLetter(static_cast<int>(offset / hours{1})) : std::nullopt;
        if (!letter)
            return std::nullopt;
        zone = Zone{*letter, {}};
    } else if (zone->utcOffsetHours) {
        shown = utcMoment(utc + hours{*zone->utcOffsetHours});
    }
    return writeTactical(shown.date, shown.time, language, zone->letter);
}

}  // namespace core
