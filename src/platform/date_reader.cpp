#include "platform/date_reader.h"

#include "platform/text_scan.h"

#include <array>
#include <cstddef>
#include <utility>

using namespace std::chrono;

namespace {

struct MonthWord {
    std::u16string_view word;
    unsigned month;
};

// Lower case; the reader folds the input before comparing.
constexpr std::array<MonthWord, 37> kMonthWords{{
    {u"januar", 1},    {u"january", 1},  {u"jan", 1},
    {u"februar", 2},   {u"february", 2}, {u"feb", 2},
    {u"m\u00e4rz", 3}, {u"maerz", 3},    {u"march", 3}, {u"m\u00e4r", 3}, {u"mar", 3}, {u"mrz", 3},
    {u"april", 4},     {u"apr", 4},
    {u"mai", 5},       {u"may", 5},
    {u"juni", 6},      {u"june", 6},     {u"jun", 6},
    {u"juli", 7},      {u"july", 7},     {u"jul", 7},
    {u"august", 8},    {u"aug", 8},
    {u"september", 9}, {u"sept", 9},     {u"sep", 9},
    {u"oktober", 10},  {u"october", 10}, {u"okt", 10}, {u"oct", 10},
    {u"november", 11}, {u"nov", 11},
    {u"dezember", 12}, {u"december", 12}, {u"dez", 12}, {u"dec", 12},
}};

std::optional<unsigned> monthFromWord(std::u16string_view word)
{
    for (const auto& entry : kMonthWords) {
        if (text_scan::equalsFolded(word, entry.word))
            return entry.month;
    }
    return std::nullopt;
}

bool isSeparator(char16_t c)
{
    return c == u'.' || c == u'/' || c == u'-' || text_scan::isSpace(c);
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
        if (text_scan::isDigit(c))
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
    const auto value = text_scan::number(digits);
    if (digits.size() != 4 || !value || *value < 1000)
        return std::nullopt;
    return year{*value};
}

std::optional<year> shortOrLongYear(std::u16string_view digits)
{
    if (digits.size() == 4)
        return fourDigitYear(digits);
    const auto value = text_scan::number(digits);
    if (digits.size() != 2 || !value)
        return std::nullopt;
    return year{*value < 30 ? 2000 + *value : 1900 + *value};
}

std::optional<unsigned> dayOrMonth(std::u16string_view digits)
{
    const auto value = text_scan::number(digits);
    if (digits.size() > 2 || !value)
        return std::nullopt;
    return static_cast<unsigned>(*value);
}

// Between the day and a written month, and between that month and the year: ".", spaces, or ". ".
bool isWordSeparator(std::u16string_view separator)
{
    if (!separator.empty() && separator.front() == u'.')
        separator.remove_prefix(1);
    for (char16_t c : separator) {
        if (!text_scan::isSpace(c))
            return false;
    }
    return true;
}

std::optional<year_month_day> validDate(std::optional<unsigned> d, std::optional<unsigned> m, std::optional<year> y)
{
    if (!d || !m || !y)
        return std::nullopt;
    const year_month_day date{*y, month{*m}, day{*d}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

}  // namespace

std::optional<year_month_day> readDate(std::u16string_view text, year currentYear)
{
    std::size_t count = 0;
    const auto parts = tokens(text_scan::trimmed(text), count);
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
            return validDate(dayOrMonth(t[0].text), dayOrMonth(t[2].text), shortOrLongYear(t[4].text));
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
