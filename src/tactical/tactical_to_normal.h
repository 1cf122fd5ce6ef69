#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tactical {

// The fields of a tactical time text as written. The year keeps the two or four digits it was given in.
struct TacticalFields {
    unsigned day = 0;
    unsigned month = 0;
    int hour = 0;
    int minute = 0;
    std::u16string_view yearDigits;
};

// Reads "tthhmmMMMjj" or "tthhmmMMMjjjj" (years 1000 to 9999) with surrounding white space; month names
// German or English in any case. Nothing for any other text or for a day that the month does not have:
// with two year digits, 29 February exists when they are divisible by 4.
std::optional<TacticalFields> readTactical(std::u16string_view text);

struct NormalTime {
    std::u16string time;  // "hh:mm"
    std::u16string date;  // "tt.mm.jj" or "tt.mm.jjjj", the year as written
};

std::optional<NormalTime> tacticalToNormal(std::u16string_view text);

}  // namespace tactical
