#include "tactical/month_names.h"

#include "platform/text_scan.h"

#include <array>

namespace tactical {
namespace {

using Names = std::array<std::u16string_view, 12>;

constexpr Names kGerman{u"jan", u"feb", u"m\u00e4r", u"apr", u"mai", u"jun",
                        u"jul", u"aug", u"sep",      u"okt", u"nov", u"dez"};
constexpr Names kEnglish{u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                         u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};

}  // namespace

std::u16string_view monthName(unsigned month, MonthLanguage language)
{
    const Names& names = language == MonthLanguage::German ? kGerman : kEnglish;
    return names.at(month - 1);
}

std::optional<unsigned> monthFromName(std::u16string_view name)
{
    for (unsigned month = 1; month <= 12; ++month) {
        if (text_scan::equalsFolded(name, kGerman[month - 1]) || text_scan::equalsFolded(name, kEnglish[month - 1]))
            return month;
    }
    if (text_scan::equalsFolded(name, u"mrz"))
        return 3;
    return std::nullopt;
}

}  // namespace tactical
