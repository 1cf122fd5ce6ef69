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
    const auto normal = core::tacticalToNormal(text);
    FUZZ_CHECK(fields.has_value() == normal.has_value());
    if (!fields)
        return 0;
    FUZZ_CHECK(fields->hour >= 0 && fields->hour <= 23 && fields->minute >= 0 && fields->minute <= 59);
    FUZZ_CHECK(fields->yearDigits.size() == 2 || fields->yearDigits.size() == 4);

    // The time and date shown are themselves valid and name the same moment.
    const auto time = core::readClockTime(normal->time);
    const auto date = core::readDate(normal->date, year{2026});
    FUZZ_CHECK(time && time->hour == fields->hour && time->minute == fields->minute);
    FUZZ_CHECK(date && date->ok() && int(unsigned(date->day())) == fields->day
               && int(unsigned(date->month())) == fields->month);

    // Written again by the builder, the moment reads back to the same fields.
    const auto rewritten = core::writeTactical(*date, *time, core::MonthLanguage::German);
    const auto reread = core::readTactical(rewritten);
    const auto lastTwoYearDigits = fields->yearDigits.substr(fields->yearDigits.size() - 2);
    FUZZ_CHECK(reread && reread->day == fields->day && reread->month == fields->month && reread->hour == fields->hour
               && reread->minute == fields->minute && reread->yearDigits == lastTwoYearDigits);
    return 0;
}
