#include "clock_text.h"
#include "fuzz_input.h"
#include "time_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto time = core::readClockTime(fuzzText(data, size));
    if (!time)
        return 0;
    FUZZ_CHECK(time->hour >= 0 && time->hour <= 23);
    FUZZ_CHECK(time->minute >= 0 && time->minute <= 59);
    FUZZ_CHECK(time->second >= 0 && time->second <= 59);

    const auto again = core::readClockTime(core::formatClockTime(*time));
    FUZZ_CHECK(again && again->hour == time->hour && again->minute == time->minute && again->second == time->second);
    return 0;
}
