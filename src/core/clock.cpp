#include "clock.h"

namespace core {

Moment Clock::localMoment(Instant instant) const
{
    const auto second = std::chrono::floor<std::chrono::seconds>(instant);
    Moment local = localTime(second).value_or(utcMoment(second));
    local.millisecond = static_cast<int>((instant - second).count());
    return local;
}

}  // namespace core
