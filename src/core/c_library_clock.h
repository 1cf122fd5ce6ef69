#pragma once

#include "clock.h"

namespace core {

// The computer's clock, and local time by the C library's time-zone rules (TZ, else /etc/localtime; in a
// browser, the browser's zone): the command line's on Linux and the page's, which load no toolkit.
class CLibraryClock final : public Clock {
public:
    Instant now() const override;
    std::optional<Moment> localTime(std::chrono::sys_seconds utc) const override;
};

}  // namespace core
