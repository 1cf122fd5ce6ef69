#include "text.h"

namespace core {

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == u'\u00a0';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view cut(std::u16string_view text, std::size_t position, std::size_t count)
{
    return position < text.size() ? text.substr(position, count) : std::u16string_view();
}

char16_t foldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c - u'A' + u'a');
    switch (c) {
    case u'\u00c4': return u'\u00e4';
    case u'\u00d6': return u'\u00f6';
    case u'\u00dc': return u'\u00fc';
    default: return c;
    }
}

bool equalsFolded(std::u16string_view text, std::u16string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (foldCase(text[i]) != lowerCase[i])
            return false;
    }
    return true;
}

std::optional<int> readDigits(std::u16string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.empty() || text.size() < minDigits || text.size() > maxDigits || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::u16string twoDigitText(int value)
{
    return {static_cast<char16_t>(u'0' + value / 10 % 10), static_cast<char16_t>(u'0' + value % 10)};
}

}  // namespace core
