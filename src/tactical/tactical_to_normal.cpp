#include "tactical/tactical_to_normal.h"

#include "platform/text_scan.h"
#include "tactical/month_names.h"

#include <chrono>

using text_scan::twoDigits;

namespace tactical {
namespace {

std::optional<int> digitsAt(std::u16string_view text, std::size_t position, std::size_t count)
{
    const auto field = text.substr(position, count);
    return field.size() == count ? text_scan::number(field) : std::nullopt;
}

}  // namespace

std::optional<TacticalFields> readTactical(std::u16string_view text)
{
    text = text_scan::trimmed(text);
    if (text.size() != 11 && text.size() != 13)
        return std::nullopt;
    const auto day = digitsAt(text, 0, 2);
    const auto hour = digitsAt(text, 2, 2);
    const auto minute = digitsAt(text, 4, 2);
    const auto month = monthFromName(text.substr(6, 3));
    const auto yearDigits = text.substr(9);
    const auto year = digitsAt(text, 9, yearDigits.size());
    if (!day || !hour || !minute || !month || !year || *hour > 23 || *minute > 59
        || (yearDigits.size() == 4 && *year < 1000))
        return std::nullopt;
    // A two-digit year stands for a year of this century, where every fourth is a leap year.
    const int fullYear = yearDigits.size() == 2 ? 2000 + *year : *year;
    const std::chrono::year_month_day date{std::chrono::year{fullYear}, std::chrono::month{*month},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return TacticalFields{static_cast<unsigned>(*day), *month, *hour, *minute, yearDigits};
}

std::optional<NormalTime> tacticalToNormal(std::u16string_view text)
{
    const auto fields = readTactical(text);
    if (!fields)
        return std::nullopt;
    NormalTime normal;
    normal.time = twoDigits(fields->hour) + u':' + twoDigits(fields->minute);
    normal.date = twoDigits(static_cast<int>(fields->day)) + u'.' + twoDigits(static_cast<int>(fields->month)) + u'.';
    normal.date += fields->yearDigits;
    return normal;
}

}  // namespace tactical
