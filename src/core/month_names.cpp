#include "month_names.h"

#include "text.h"

#include <array>

namespace core {
namespace {

using Names = std::array<std::u16string_view, 12>;

constexpr Names kGerman{u"jan", u"feb", u"m\u00e4r", u"apr", u"mai", u"jun",
                        u"jul", u"aug", u"sep",      u"okt", u"nov", u"dez"};
constexpr Names kEnglish{u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                         u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};

}  // namespace

std::u16string_view monthName(int month, MonthLanguage language)
{
    const Names& names = language == MonthLanguage::German ? kGerman : kEnglish;
    return names.at(static_cast<std::size_t>(month - 1));
}

std::optional<int> monthFromName(std::u16string_view name)
{
    for (int month = 1; month <= 12; ++month) {
        if (equalsFolded(name, monthName(month, MonthLanguage::German))
            || equalsFolded(name, monthName(month, MonthLanguage::English)))
            return month;
    }
    if (equalsFolded(name, u"mrz"))
        return 3;
    return std::nullopt;
}

}  // namespace core
