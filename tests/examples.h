#pragma once

#include "clock.h"
#include "moment.h"
#include "text.h"

#include <chrono>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Tables that more than one test program checks against, in plain C++ so that every window's tests can use
// them: the month names, the moments the builder writes, and the examples of both conversions.

inline const char16_t* const kGermanMonthNames[12] = {u"jan", u"feb", u"m\u00e4r", u"apr", u"mai", u"jun",
                                                      u"jul", u"aug", u"sep",      u"okt", u"nov", u"dez"};
inline const char16_t* const kEnglishMonthNames[12] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                                       u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};

// A text as UTF-8, for names and failure messages.
inline std::string utf8(std::u16string_view text)
{
    return core::toUtf8(text);
}

inline core::Moment momentAt(int y, unsigned m, unsigned d, int hour, int minute, int second, int millisecond = 0)
{
    return core::Moment{std::chrono::year{y} / m / d, core::ClockTime{hour, minute, second}, millisecond};
}

// A computer whose local time is a fixed offset from UTC, and whose clock stands still at the local moment it
// shows: set to UTC, it is the clock of the tests that name no time zone.
class FixedZoneClock final : public core::Clock {
public:
    explicit FixedZoneClock(core::Moment shown = {}, std::chrono::minutes offset = {})
        : shown(shown),
          offset(offset)
    {
    }
    core::Instant now() const override { return core::utcInstant(shown) - offset; }
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override
    {
        return core::utcMoment(utc + offset);
    }

private:
    core::Moment shown;
    std::chrono::minutes offset;
};

// The local time in Germany by today's rules, in every year: summer time (UTC+2) from 01:00 UTC on the last
// Sunday of March to 01:00 UTC on the last Sunday of October, otherwise UTC+1.
inline core::Moment germanLocalTime(core::Instant utc)
{
    using namespace std::chrono;
    const year year = year_month_day{floor<days>(utc)}.year();
    const bool summer =
        utc >= sys_days{year / March / Sunday[last]} + 1h && utc < sys_days{year / October / Sunday[last]} + 1h;
    return core::utcMoment(utc + hours{summer ? 2 : 1});
}

// Moments of the clock and the texts written for them: the tactical time (German months) and the clock texts.
struct BuilderExample {
    const char* name;
    core::Moment moment;
    const char16_t* tactical;
    const char16_t* time;
    const char16_t* date;
};

inline const BuilderExample kBuilderExamples[] = {
    {"leading zeros, German March", momentAt(2009, 3, 5, 8, 7, 59), u"050807m\u00e4r09", u"08:07:59", u"05.03.2009"},
    {"day 10 unpadded, midnight", momentAt(2010, 12, 10, 0, 0, 0), u"100000dez10", u"00:00:00", u"10.12.2010"},
    {"last minute of May", momentAt(2009, 5, 31, 23, 59, 0), u"312359mai09", u"23:59:00", u"31.05.2009"},
    {"year 2000", momentAt(2000, 1, 1, 12, 30, 0), u"011230jan00", u"12:30:00", u"01.01.2000"},
    {"seconds never round up", momentAt(2009, 10, 14, 16, 38, 59), u"141638okt09", u"16:38:59", u"14.10.2009"},
    {"day 9 padded", momentAt(2026, 12, 9, 9, 5, 3), u"090905dez26", u"09:05:03", u"09.12.2026"},
};

// A typed time and date and the tactical time they give with German and with English month names. A date
// without a year is in 2026.
struct NormalToTacticalExample {
    std::string name;
    std::u16string time, date, german, english;
};

inline std::vector<NormalToTacticalExample> normalToTacticalExamples()
{
    std::vector<NormalToTacticalExample> examples{
        {"typical", u"16:38:53", u"14.10.2009", u"141638okt09", u"141638oct09"},
        {"March, leading zeros", u"08:07", u"05.03.2009", u"050807m\u00e4r09", u"050807mar09"},
        {"day 9 padded", u"12:00", u"9.1.2010", u"091200jan10", u"091200jan10"},
        {"day 10 as it is", u"12:00", u"10.1.2010", u"101200jan10", u"101200jan10"},
        {"one-digit hour padded", u"8:05", u"14.10.2009", u"140805okt09", u"140805oct09"},
        {"no colon", u"1638", u"14.10.2009", u"141638okt09", u"141638oct09"},
        {"seconds never round up", u"16:38:59", u"14.10.2009", u"141638okt09", u"141638oct09"},
        {"white space around both", u" 16:38 ", u" 14.10.2009\n", u"141638okt09", u"141638oct09"},
        {"written month, year 2000", u"00:00", u"1. Mai 2000", u"010000mai00", u"010000may00"},
        {"two-digit year", u"23:59:59", u"31.12.99", u"312359dez99", u"312359dec99"},
        {"without a year", u"10:00", u"24.12.", u"241000dez26", u"241000dec26"},
        {"short hour, date without year", u"8:05", u"24.12.", u"240805dez26", u"240805dec26"},
    };
    for (int month = 1; month <= 12; ++month) {
        const std::u16string number =
            month < 10 ? std::u16string{char16_t(u'0' + month)} : std::u16string{u'1', char16_t(u'0' + month - 10)};
        examples.push_back({"month " + std::to_string(month), u"16:38", u"14." + number + u".2009",
                            u"141638" + std::u16string(kGermanMonthNames[month - 1]) + u"09",
                            u"141638" + std::u16string(kEnglishMonthNames[month - 1]) + u"09"});
    }
    return examples;
}

// A tactical time text and the time and date it reads back to, on a computer set to UTC, and where a zone
// letter makes them differ, on a computer in Germany.
struct TacticalToNormalExample {
    std::string name;
    std::u16string tactical, time, date;
    std::u16string germanTime = time, germanDate = date;
};

inline std::vector<TacticalToNormalExample> tacticalToNormalExamples()
{
    std::vector<TacticalToNormalExample> examples{
        {"four-digit year", u"141638okt2009", u"16:38", u"14.10.2009"},
        {"two-digit year", u"141638okt09", u"16:38", u"14.10.09"},
        {"German M\u00e4rz", u"010900m\u00e4r2010", u"09:00", u"01.03.2010"},
        {"English March", u"010900mar2010", u"09:00", u"01.03.2010"},
        {"Mrz", u"010900mrz2010", u"09:00", u"01.03.2010"},
        {"capitalised", u"141638Okt2009", u"16:38", u"14.10.2009"},
        {"upper case", u"141638OKT2009", u"16:38", u"14.10.2009"},
        {"upper case umlaut", u"010900M\u00c4R10", u"09:00", u"01.03.10"},
        {"mixed case English", u"010900mAy10", u"09:00", u"01.05.10"},
        {"pasted with a line break", u" 141638okt2009\r\n", u"16:38", u"14.10.2009"},
        {"trailing no-break space", u"141638okt2009\u00a0", u"16:38", u"14.10.2009"},
        {"midnight", u"310000dez99", u"00:00", u"31.12.99"},
        {"last minute", u"312359dec1999", u"23:59", u"31.12.1999"},
        {"leap day, four digits", u"291200feb2008", u"12:00", u"29.02.2008"},
        {"leap day 2000", u"291200feb2000", u"12:00", u"29.02.2000"},
        {"leap day, two digits", u"291200feb08", u"12:00", u"29.02.08"},
        {"leap day, 00", u"291200feb00", u"12:00", u"29.02.00"},
        {"spaces after the day", u"14 1638okt2009", u"16:38", u"14.10.2009"},
        {"spaces between the groups", u"141638 okt 09", u"16:38", u"14.10.09"},
        {"date-time group", u"031732B jul 04", u"15:32", u"03.07.04", u"17:32", u"03.07.04"},
        {"date-time group in capitals", u"031732BJUL04", u"15:32", u"03.07.04", u"17:32", u"03.07.04"},
        {"zone letter in lower case", u"031732bjul2004", u"15:32", u"03.07.2004", u"17:32", u"03.07.2004"},
        {"UTC, spaced out", u"03 1732 Z jul 04", u"17:32", u"03.07.04", u"19:32", u"03.07.04"},
        {"J is local time", u"031732J jul 04", u"17:32", u"03.07.04"},
        {"west of UTC into the new year", u"312330Rdez2009", u"04:30", u"01.01.2010", u"05:30", u"01.01.2010"},
        {"east of UTC into the year before", u"010030Mjan10", u"12:30", u"31.12.09", u"13:30", u"31.12.09"},
    };
    // Every name the reader knows, German and English, in the order of the month tables.
    for (int month = 1; month <= 12; ++month) {
        const std::u16string german = kGermanMonthNames[month - 1];
        const std::u16string english = kEnglishMonthNames[month - 1];
        const std::u16string date =
            std::u16string(u"01.") + char16_t(u'0' + month / 10) + char16_t(u'0' + month % 10) + u".2009";
        for (const std::u16string& name : german == english ? std::vector{german} : std::vector{german, english})
            examples.push_back({"name " + utf8(name), u"011200" + name + u"2009", u"12:00", date});
    }
    return examples;
}
