#include "c_library_clock.h"

#include <ctime>

namespace core {

Instant CLibraryClock::now() const
{
    return std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now());
}

std::optional<Moment> CLibraryClock::localTime(std::chrono::sys_seconds utc) const
{
    const std::time_t seconds = utc.time_since_epoch().count();
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return std::nullopt;
    return Moment{std::chrono::year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday,
                  ClockTime{local.tm_hour, local.tm_min, local.tm_sec}, 0};
}

}  // namespace core
