#include "clock.h"

namespace core {

Moment Clock::localMoment(Instant instant) const
{
    const auto second = std::chrono::floor<std::chrono::seconds>(instant);
    Moment local = localTime(second).value_or(utcMoment(second));
    local.millisecond = static_cast<int>((instant - second).count());
    return local;
}

std::optional<std::chrono::sys_seconds> Clock::utcOf(const Moment& local) const
{
    using namespace std::chrono;
    const auto asIfUtc = floor<seconds>(utcInstant(local));
    const auto shows = [&](sys_seconds utc) {
        const auto moment = localTime(utc);
        return moment && moment->date == local.date && moment->time.hour == local.time.hour
            && moment->time.minute == local.time.minute && moment->time.second == local.time.second;
    };
    // The offsets in force a day before and a day after: the local time is in one of them, or in neither when
    // the clock skipped it. Of two, the larger is summer time.
    std::optional<sys_seconds> found;
    for (const auto day : {-days{1}, days{1}}) {
        const auto then = localTime(asIfUtc + day);
        if (!then)
            continue;
        const sys_seconds utc = asIfUtc - (floor<seconds>(utcInstant(*then)) - (asIfUtc + day));
        if (shows(utc) && (!found || utc < *found))
            found = utc;
    }
    return found;
}

}  // namespace core
