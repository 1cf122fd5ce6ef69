#include "time_reader.h"

#include "text.h"

namespace core {
namespace {

std::optional<ClockTime> validTime(std::optional<int> hour, std::optional<int> minute, std::optional<int> second)
{
    if (!hour || !minute || !second)
        return std::nullopt;
    const ClockTime time{*hour, *minute, *second};
    if (!time.ok())
        return std::nullopt;
    return time;
}

std::optional<int> twoDigits(std::u16string_view text)
{
    return readDigits(text, 2, 2);
}

}  // namespace

std::optional<ClockTime> readClockTime(std::u16string_view text)
{
    text = trimmed(text);
    const auto firstColon = text.find(u':');
    if (firstColon == std::u16string_view::npos) {
        if (text.size() != 4)
            return std::nullopt;
        return validTime(twoDigits(text.substr(0, 2)), twoDigits(text.substr(2)), 0);
    }
    const auto hours = readDigits(text.substr(0, firstColon), 1, 2);
    const auto rest = text.substr(firstColon + 1);
    const auto secondColon = rest.find(u':');
    if (secondColon == std::u16string_view::npos)
        return validTime(hours, twoDigits(rest), 0);
    return validTime(hours, twoDigits(rest.substr(0, secondColon)), twoDigits(rest.substr(secondColon + 1)));
}

}  // namespace core
