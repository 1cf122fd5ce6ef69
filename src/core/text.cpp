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

std::u16string fromUtf8(std::string_view bytes)
{
    std::u16string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6               ? 2
            : (lead >> 4) == 0xe               ? 3
            : (lead >> 3) == 0x1e              ? 4
                                               : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1f : length == 3 ? lead & 0x0f : lead & 0x07;
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xc0) == 0x80;
            code = (code << 6) | (next & 0x3f);
        }
        if (!valid) {
            text += u'\ufffd';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            text += static_cast<char16_t>(0xd800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xdc00 + ((code - 0x10000) & 0x3ff));
        } else {
            text += static_cast<char16_t>(code);
        }
        i += length;
    }
    return text;
}

std::string toUtf8(std::u16string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000)
            c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xc0 | c >> 6);
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xe0 | c >> 12);
            bytes += static_cast<char>(0x80 | (c >> 6 & 0x3f));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            bytes += static_cast<char>(0xf0 | c >> 18);
            bytes += static_cast<char>(0x80 | (c >> 12 & 0x3f));
            bytes += static_cast<char>(0x80 | (c >> 6 & 0x3f));
            bytes += static_cast<char>(0x80 | (c & 0x3f));
        }
    }
    return bytes;
}

}  // namespace core
