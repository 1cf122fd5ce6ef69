#include "clock_text.h"
#include "date_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::chrono::year currentYear{2026};
    const auto date = core::readDate(fuzzText(data, size), currentYear);
    if (!date)
        return 0;
    FUZZ_CHECK(date->ok());
    FUZZ_CHECK(date->year() >= std::chrono::year{1000} && date->year() <= std::chrono::year{9999});

    const auto again = core::readDate(core::formatDate(*date), currentYear);
    FUZZ_CHECK(again && *again == *date);
    return 0;
}
