#include "win32_clock.h"

#include <windows.h>

core::Instant Win32Clock::now() const
{
    return std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now());
}

std::optional<core::Moment> Win32Clock::localTime(std::chrono::sys_seconds utc) const
{
    const core::Moment moment = core::utcMoment(utc);
    const int year = static_cast<int>(moment.date.year());
    // What SYSTEMTIME holds.
    if (year < 1601 || year > 30827)
        return std::nullopt;
    const SYSTEMTIME universal{static_cast<WORD>(year),
                               static_cast<WORD>(core::monthOf(moment.date)),
                               0,
                               static_cast<WORD>(core::dayOf(moment.date)),
                               static_cast<WORD>(moment.time.hour),
                               static_cast<WORD>(moment.time.minute),
                               static_cast<WORD>(moment.time.second),
                               0};
    // The zone's rules for that year, where Windows keeps them year by year.
    DYNAMIC_TIME_ZONE_INFORMATION computerZone;
    TIME_ZONE_INFORMATION zone;
    SYSTEMTIME local;
    if (GetDynamicTimeZoneInformation(&computerZone) == TIME_ZONE_ID_INVALID
        || !GetTimeZoneInformationForYear(static_cast<USHORT>(year), &computerZone, &zone)
        || !SystemTimeToTzSpecificLocalTime(&zone, &universal, &local))
        return std::nullopt;
    return core::Moment{std::chrono::year{local.wYear} / local.wMonth / local.wDay,
                        core::ClockTime{local.wHour, local.wMinute, local.wSecond}, 0};
}
