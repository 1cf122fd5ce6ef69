#pragma once

#include "tactical/month_names.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tactical {

// A typed time and date as a tactical time text with the chosen month names, or nothing when either
// text is not a time or a date. A date without a year is in `currentYear`.
std::optional<std::u16string> normalToTactical(std::u16string_view timeText, std::u16string_view dateText,
                                               MonthLanguage language, std::chrono::year currentYear);

}  // namespace tactical
