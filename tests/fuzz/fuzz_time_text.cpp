#include "fuzz_input.h"
#include "platform/moment.h"
#include "tactical/tactical_time.h"
#include "tactical/time_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto time = tactical::readClockTime(fuzzText(data, size));
    if (!time)
        return 0;
    FUZZ_CHECK(time->hour >= 0 && time->hour <= 23);
    FUZZ_CHECK(time->minute >= 0 && time->minute <= 59);
    FUZZ_CHECK(time->second >= 0 && time->second <= 59);

    const Moment moment{std::chrono::year{2009} / 10 / 14, *time, 0};
    const auto again = tactical::readClockTime(tactical::timeText(moment));
    FUZZ_CHECK(again && again->hour == time->hour && again->minute == time->minute && again->second == time->second);
    return 0;
}
