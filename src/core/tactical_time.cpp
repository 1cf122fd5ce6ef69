#include "tactical_time.h"

#include "clock_text.h"
#include "date_reader.h"
#include "text.h"

#include <algorithm>
#include <array>

namespace core {
namespace {

std::u16string_view skipSpaces(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    return text;
}

// A is UTC+1 and M UTC+12, N is UTC-1 and Y UTC-12, Z is UTC; J, local time, has no offset.
constexpr std::array<Zone, 26> kZones{{
    {u'A', 1},  {u'B', 2},  {u'C', 3},  {u'D', 4},  {u'E', 5},   {u'F', 6},   {u'G', 7},   {u'H', 8},  {u'I', 9},
    {u'J', {}}, {u'K', 10}, {u'L', 11}, {u'M', 12}, {u'N', -1},  {u'O', -2},  {u'P', -3},  {u'Q', -4}, {u'R', -5},
    {u'S', -6}, {u'T', -7}, {u'U', -8}, {u'V', -9}, {u'W', -10}, {u'X', -11}, {u'Y', -12}, {u'Z', 0},
}};

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

std::optional<Zone> zoneNamed(char16_t letter)
{
    const auto zone = std::find_if(kZones.begin(), kZones.end(),
                                   [&](const Zone& row) { return foldCase(row.letter) == foldCase(letter); });
    return zone == kZones.end() ? std::nullopt : std::optional<Zone>(*zone);
}

std::optional<char16_t> zoneLetter(int utcOffsetHours)
{
    const auto zone = std::find_if(kZones.begin(), kZones.end(),
                                   [&](const Zone& row) { return row.utcOffsetHours == utcOffsetHours; });
    return zone == kZones.end() ? std::nullopt : std::optional<char16_t>(zone->letter);
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
    if (!readMonthAndYear(text, fields)) {
        const auto zone = text.empty() ? std::nullopt : zoneNamed(text.front());
        if (!zone || !readMonthAndYear(skipSpaces(cut(text, 1)), fields))
            return std::nullopt;
        fields.utcOffsetHours = zone->utcOffsetHours;
    }
    if (!day || !hour || !minute || !ClockTime{*hour, *minute, 0}.ok()
        || !calendarDate(*day, fields.month, *readYear(fields.yearDigits)))
        return std::nullopt;
    fields.day = *day;
    fields.hour = *hour;
    fields.minute = *minute;
    return fields;
}

}  // namespace core
