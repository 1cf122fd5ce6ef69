#include "tactical_time.h"

#include "clock_text.h"
#include "date_reader.h"
#include "text.h"

namespace core {
namespace {

std::u16string_view skipSpaces(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    return text;
}

// The offset of a zone letter in either case, or nothing for J; false for any other character.
bool readZone(char16_t letter, std::optional<int>& offsetHours)
{
    const char16_t upper = letter >= u'a' && letter <= u'z' ? static_cast<char16_t>(letter - u'a' + u'A') : letter;
    offsetHours = zoneOffsetHours(upper);
    return offsetHours || upper == u'J';
}

// The month name and the year that end the text, with spaces between them.
bool readMonthAndYear(std::u16string_view text, TacticalFields& fields)
{
    const auto month = monthFromName(text.substr(0, 3));
    const std::u16string_view year = skipSpaces(cut(text, 3));
    if (!month || !readYear(year))
        return false;
    fields.month = *month;
    fields.yearDigits = year;
    return true;
}

}  // namespace

std::optional<int> zoneOffsetHours(char16_t letter)
{
    if (letter >= u'A' && letter <= u'I')
        return letter - u'A' + 1;
    if (letter >= u'K' && letter <= u'M')
        return letter - u'K' + 10;
    if (letter >= u'N' && letter <= u'Y')
        return -(letter - u'N' + 1);
    if (letter == u'Z')
        return 0;
    return std::nullopt;
}

std::optional<char16_t> zoneLetter(int offsetHours)
{
    if (offsetHours >= 1 && offsetHours <= 9)
        return static_cast<char16_t>(u'A' + offsetHours - 1);
    if (offsetHours >= 10 && offsetHours <= 12)
        return static_cast<char16_t>(u'K' + offsetHours - 10);
    if (offsetHours >= -12 && offsetHours <= -1)
        return static_cast<char16_t>(u'N' - offsetHours - 1);
    if (offsetHours == 0)
        return u'Z';
    return std::nullopt;
}

std::u16string writeTactical(std::chrono::year_month_day date, ClockTime time, MonthLanguage language,
                             std::optional<char16_t> zone)
{
    std::u16string text = twoDigitText(dayOf(date));
    text += twoDigitText(time.hour);
    text += twoDigitText(time.minute);
    if (zone)
        text += *zone;
    text += monthName(monthOf(date), language);
    text += formatYear(static_cast<int>(date.year()), 2);
    return text;
}

std::optional<TacticalFields> readTactical(std::u16string_view text)
{
    text = trimmed(text);
    TacticalFields fields;
    const auto day = readDigits(cut(text, 0, 2), 2, 2);
    text = skipSpaces(cut(text, 2));
    const auto hour = readDigits(cut(text, 0, 2), 2, 2);
    const auto minute = readDigits(cut(text, 2, 2), 2, 2);
    text = skipSpaces(cut(text, 4));
    // Where the rest is no month and year by itself, its first letter may be a zone letter before them.
    if (!readMonthAndYear(text, fields)
        && (text.empty() || !readZone(text.front(), fields.utcOffsetHours)
            || !readMonthAndYear(skipSpaces(cut(text, 1)), fields)))
        return std::nullopt;
    if (!day || !hour || !minute || !ClockTime{*hour, *minute, 0}.ok()
        || !calendarDate(*day, fields.month, *readYear(fields.yearDigits)))
        return std::nullopt;
    fields.day = *day;
    fields.hour = *hour;
    fields.minute = *minute;
    return fields;
}

}  // namespace core
