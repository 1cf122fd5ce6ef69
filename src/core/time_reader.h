#pragma once

#include "moment.h"

#include <optional>
#include <string_view>

namespace core {

// Reads a clock time: "16:38:53", "16:38", "8:05", "8:05:03" or "1638", with surrounding white space.
// Hours 0 to 23, minutes and seconds 0 to 59, minutes and seconds always two digits.
std::optional<ClockTime> readClockTime(std::u16string_view text);

}  // namespace core
