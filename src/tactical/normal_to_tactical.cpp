#include "tactical/normal_to_tactical.h"

#include "platform/date_reader.h"
#include "tactical/tactical_time.h"
#include "tactical/time_reader.h"

namespace tactical {

std::optional<std::u16string> normalToTactical(std::u16string_view timeText, std::u16string_view dateText,
                                               MonthLanguage language, std::chrono::year currentYear)
{
    const auto time = readClockTime(timeText);
    const auto date = readDate(dateText, currentYear);
    if (!time || !date)
        return std::nullopt;
    return tacticalTime(*date, *time, language);
}

}  // namespace tactical
