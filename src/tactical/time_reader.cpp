#include "tactical/time_reader.h"

#include "platform/text_scan.h"

namespace tactical {
namespace {

std::optional<ClockTime> validTime(std::optional<int> hour, std::optional<int> minute, std::optional<int> second)
{
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return ClockTime{*hour, *minute, *second};
}

std::optional<int> exactlyTwoDigits(std::u16string_view text)
{
    return text.size() == 2 ? text_scan::number(text) : std::nullopt;
}

}  // namespace

std::optional<ClockTime> readClockTime(std::u16string_view text)
{
    text = text_scan::trimmed(text);
    const auto firstColon = text.find(u':');
    if (firstColon == std::u16string_view::npos) {
        if (text.size() != 4)
            return std::nullopt;
        return validTime(exactlyTwoDigits(text.substr(0, 2)), exactlyTwoDigits(text.substr(2)), 0);
    }
    const auto hours = text.substr(0, firstColon);
    if (hours.size() > 2)
        return std::nullopt;
    const auto rest = text.substr(firstColon + 1);
    const auto secondColon = rest.find(u':');
    if (secondColon == std::u16string_view::npos)
        return validTime(text_scan::number(hours), exactlyTwoDigits(rest), 0);
    return validTime(text_scan::number(hours), exactlyTwoDigits(rest.substr(0, secondColon)),
                     exactlyTwoDigits(rest.substr(secondColon + 1)));
}

}  // namespace tactical
