#pragma once

#include <chrono>

namespace core {

// A time of day on the 24-hour clock.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Hours 0 to 23, minutes and seconds 0 to 59.
    constexpr bool ok() const
    {
        return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    }
};

// The day and month of a date as plain numbers.
constexpr int dayOf(std::chrono::year_month_day date)
{
    return static_cast<int>(static_cast<unsigned>(date.day()));
}

constexpr int monthOf(std::chrono::year_month_day date)
{
    return static_cast<int>(static_cast<unsigned>(date.month()));
}

// One reading of the local clock. Everything one action shows comes from a single reading, so no result
// can join fields of two different minutes or days.
struct Moment {
    std::chrono::year_month_day date;
    ClockTime time;
    int millisecond = 0;
};

// A point in time, to the millisecond, counted in UTC.
using Instant = std::chrono::sys_time<std::chrono::milliseconds>;

// A point in time as a clock set to UTC shows it.
inline Moment utcMoment(Instant utc)
{
    const auto day = std::chrono::floor<std::chrono::days>(utc);
    const std::chrono::hh_mm_ss time{utc - day};
    return Moment{std::chrono::year_month_day{day},
                  ClockTime{static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                            static_cast<int>(time.seconds().count())},
                  static_cast<int>(time.subseconds().count())};
}

// The point in time at which a clock set to UTC shows the moment.
inline Instant utcInstant(const Moment& moment)
{
    using namespace std::chrono;
    return sys_days{moment.date} + hours{moment.time.hour} + minutes{moment.time.minute} + seconds{moment.time.second}
    + milliseconds{moment.millisecond};
}

}  // namespace core
