#pragma once

#include <chrono>

// A time of day on the 24-hour clock.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One reading of the local clock. Everything one action shows comes from a single reading, so no result
// can join fields of two different minutes or days.
struct Moment {
    std::chrono::year_month_day date;
    ClockTime time;
    int millisecond = 0;
};
