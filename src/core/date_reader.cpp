#include "date_reader.h"

#include "month_names.h"
#include "text.h"

#include <array>
#include <cstddef>

using namespace std::chrono;

namespace core {
namespace {

struct MonthWord {
    std::u16string_view word;
    int month;
};

// Months written out, in lower case, and the German "Sept"; three-letter names are the month tables'.
constexpr std::array<MonthWord, 20> kWrittenMonths{{
    {u"januar", 1},   {u"january", 1},  {u"februar", 2},   {u"february", 2},  {u"m\u00e4rz", 3},
    {u"maerz", 3},    {u"march", 3},    {u"april", 4},     {u"juni", 6},      {u"june", 6},
    {u"juli", 7},     {u"july", 7},     {u"august", 8},    {u"september", 9}, {u"sept", 9},
    {u"oktober", 10}, {u"october", 10}, {u"november", 11}, {u"dezember", 12}, {u"december", 12},
}};

std::optional<int> monthFromWord(std::u16string_view word)
{
    if (const auto month = monthFromName(word))
        return month;
    for (const auto& entry : kWrittenMonths) {
        if (equalsFolded(word, entry.word))
            return entry.month;
    }
    return std::nullopt;
}

bool isSeparator(char16_t c)
{
    return c == u'.' || c == u'/' || c == u'-' || isSpace(c);
}

enum class Kind { Number, Word, Separator };

struct Token {
    Kind kind;
    std::u16string_view text;
};

// Splits the text into runs of digits, of separators and of anything else; at most five runs make a date.
std::optional<std::array<Token, 5>> tokens(std::u16string_view text, std::size_t& count)
{
    std::array<Token, 5> result{};
    count = 0;
    auto kindOf = [](char16_t c) {
        if (isDigit(c))
            return Kind::Number;
        return isSeparator(c) ? Kind::Separator : Kind::Word;
    };
    std::size_t start = 0;
    while (start < text.size()) {
        const Kind kind = kindOf(text[start]);
        std::size_t end = start + 1;
        while (end < text.size() && kindOf(text[end]) == kind)
            ++end;
        if (count == result.size())
            return std::nullopt;
        result[count++] = {kind, text.substr(start, end - start)};
        start = end;
    }
    return result;
}

std::optional<year> fourDigitYear(std::u16string_view digits)
{
    return digits.size() == 4 ? readYear(digits) : std::nullopt;
}

std::optional<int> dayOrMonth(std::u16string_view digits)
{
    return readDigits(digits, 1, 2);
}

// Between the day and a written month, and between that month and the year: ".", spaces, or ". ".
bool isWordSeparator(std::u16string_view separator)
{
    if (!separator.empty() && separator.front() == u'.')
        separator.remove_prefix(1);
    for (char16_t c : separator) {
        if (!isSpace(c))
            return false;
    }
    return true;
}

std::optional<year_month_day> validDate(std::optional<int> d, std::optional<int> m, std::optional<year> y)
{
    if (!d || !m || !y)
        return std::nullopt;
    return calendarDate(*d, *m, *y);
}

}  // namespace

std::optional<year_month_day> calendarDate(int d, int m, year y)
{
    // std::chrono keeps a day in a byte: check the range before it can wrap.
    if (d < 1 || d > 31 || m < 1 || m > 12)
        return std::nullopt;
    const year_month_day date{y, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::optional<year> readYear(std::u16string_view digits)
{
    const auto value = readDigits(digits, 2, 4);
    if (!value || digits.size() == 3)
        return std::nullopt;
    if (digits.size() == 2)
        return year{*value < 30 ? 2000 + *value : 1900 + *value};
    if (*value < 1000)
        return std::nullopt;
    return year{*value};
}

std::optional<year_month_day> readDate(std::u16string_view text, year currentYear)
{
    std::size_t count = 0;
    const auto parts = tokens(trimmed(text), count);
    if (!parts || count < 3)
        return std::nullopt;
    const auto& t = *parts;
    auto is = [&](std::size_t i, Kind kind) { return i < count && t[i].kind == kind; };
    auto separatorIs = [&](std::size_t i, std::u16string_view s) { return is(i, Kind::Separator) && t[i].text == s; };

    if (!is(0, Kind::Number) || !is(1, Kind::Separator))
        return std::nullopt;

    if (count == 5 && is(2, Kind::Word) && is(4, Kind::Number) && isWordSeparator(t[1].text)
        && isWordSeparator(t[3].text))
        return validDate(dayOrMonth(t[0].text), monthFromWord(t[2].text), fourDigitYear(t[4].text));

    if (!is(2, Kind::Number))
        return std::nullopt;

    if (separatorIs(1, u".")) {
        if (count == 3 || (count == 4 && separatorIs(3, u".")))
            return validDate(dayOrMonth(t[0].text), dayOrMonth(t[2].text), currentYear);
        if (count == 5 && separatorIs(3, u".") && is(4, Kind::Number))
            return validDate(dayOrMonth(t[0].text), dayOrMonth(t[2].text), readYear(t[4].text));
        return std::nullopt;
    }

    if (count != 5 || !is(4, Kind::Number) || t[1].text != t[3].text)
        return std::nullopt;
    if (t[1].text == u"-" && t[0].text.size() == 4) {
        if (t[2].text.size() != 2 || t[4].text.size() != 2)
            return std::nullopt;
        return validDate(dayOrMonth(t[4].text), dayOrMonth(t[2].text), fourDigitYear(t[0].text));
    }
    if (t[1].text == u"-" || t[1].text == u"/")
        return validDate(dayOrMonth(t[0].text), dayOrMonth(t[2].text), fourDigitYear(t[4].text));
    return std::nullopt;
}

}  // namespace core
