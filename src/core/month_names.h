#pragma once

#include <optional>
#include <string_view>

namespace core {

enum class MonthLanguage { German, English };

// The three-letter lower-case name of a month (1 to 12).
std::u16string_view monthName(int month, MonthLanguage language);

// The month of a three-letter name, German or English, in any case; "mrz" is March too.
std::optional<int> monthFromName(std::u16string_view name);

}  // namespace core
