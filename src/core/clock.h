#pragma once

#include "moment.h"

#include <chrono>
#include <optional>

namespace core {

// The computer's clock and time zone, which every front-end reads through its platform. The present is a
// point in UTC, so that a moment of the autumn hour that happens twice is still one moment, and a group can
// be written in any zone.
class Clock {
public:
    virtual ~Clock() = default;

    // One reading of the present.
    virtual Instant now() const = 0;
    // The local time at a moment in UTC, by the rules of the computer's time zone in force on that date, or
    // nothing when they cannot be told.
    virtual std::optional<Moment> localTime(std::chrono::sys_seconds utc) const = 0;

    // The local time of the instant, to the millisecond; in UTC where the zone cannot tell it.
    Moment localMoment(Instant instant) const;
    // The local time of one reading of the present.
    Moment localNow() const { return localMoment(now()); }
    // The moment in UTC at which the computer's clock shows the local time, to the second: in the hour that
    // happens twice the first, in summer time; nothing in the hour that is skipped.
    std::optional<std::chrono::sys_seconds> utcOf(const Moment& local) const;
};

}  // namespace core
