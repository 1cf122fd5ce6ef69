#pragma once

#include <optional>
#include <string_view>

namespace tactical {

enum class MonthLanguage { German, English };

// The three-letter lower-case name of a month (1 to 12).
std::u16string_view monthName(unsigned month, MonthLanguage language);

// The month of a three-letter name, German or English, in any case; "mrz" is March too.
std::optional<unsigned> monthFromName(std::u16string_view name);

}  // namespace tactical
