#pragma once

#include "clock.h"

// The computer's clock, and local time by Windows' own time-zone rules for each year: the window's and the
// command line's.
class Win32Clock final : public core::Clock {
public:
    core::Instant now() const override;
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override;
};
