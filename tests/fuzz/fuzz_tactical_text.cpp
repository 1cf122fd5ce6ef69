#include "../examples.h"
#include "conversions.h"
#include "date_reader.h"
#include "fuzz_input.h"
#include "tactical_time.h"
#include "time_reader.h"

using namespace std::chrono;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = fuzzText(data, size);
    const auto fields = core::readTactical(text);
    // Local time is UTC here, so a zone letter moves the moment by its offset alone.
    const auto normal = core::tacticalToNormal(text, FixedZoneClock());
    FUZZ_CHECK(!normal || fields);
    if (!fields)
        return 0;
    FUZZ_CHECK(fields->hour >= 0 && fields->hour <= 23 && fields->minute >= 0 && fields->minute <= 59);
    FUZZ_CHECK(fields->yearDigits.size() == 2 || fields->yearDigits.size() == 4);
    FUZZ_CHECK(!fields->utcOffsetHours || (*fields->utcOffsetHours >= -12 && *fields->utcOffsetHours <= 12));
    FUZZ_CHECK(normal || fields->utcOffsetHours);

    // The time and date shown are themselves valid, and name the moment written less the zone's offset.
    if (!normal)
        return 0;
    const auto time = core::readClockTime(normal->time);
    const auto date = core::readDate(normal->date, year{2026});
    FUZZ_CHECK(time && date && date->ok());
    const year_month_day written{*core::readYear(fields->yearDigits), month(unsigned(fields->month)),
                                 day(unsigned(fields->day))};
    const auto utc =
        sys_days{written} + hours{fields->hour - fields->utcOffsetHours.value_or(0)} + minutes{fields->minute};
    FUZZ_CHECK(sys_days{*date} + hours{time->hour} + minutes{time->minute} == utc);

    // Written again by the builder, the moment reads back to the same fields.
    const auto rewritten = core::writeTactical(*date, *time, core::MonthLanguage::German);
    const auto reread = core::readTactical(rewritten);
    FUZZ_CHECK(reread && reread->day == core::dayOf(*date) && reread->month == core::monthOf(*date)
               && reread->hour == time->hour && reread->minute == time->minute && !reread->utcOffsetHours
               && reread->yearDigits == normal->date.substr(normal->date.size() - 2));
    return 0;
}
