#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Small helpers for reading and writing the texts people type: trimming, case folding, digits.
namespace core {

bool isSpace(char16_t c);
bool isDigit(char16_t c);

// Surrounding white space (spaces, tabs, line breaks, no-break spaces) removed.
std::u16string_view trimmed(std::u16string_view text);

// Up to `count` characters from `position` on; what there is, or nothing, where the text is shorter.
std::u16string_view cut(std::u16string_view text, std::size_t position, std::size_t count = std::u16string_view::npos);

// Lower case for the letters month names use: A-Z and the German umlauts.
char16_t foldCase(char16_t c);
bool equalsFolded(std::u16string_view text, std::u16string_view lowerCase);

// The value of a text of `minDigits` to `maxDigits` decimal digits (at most four), or nothing for
// anything else.
std::optional<int> readDigits(std::u16string_view text, std::size_t minDigits, std::size_t maxDigits);

// A number from 0 to 99 written as exactly two digits, with a leading zero.
std::u16string twoDigitText(int value);

// UTF-8 bytes as text, with U+FFFD for every byte that is not part of a character; and text as UTF-8.
std::u16string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

}  // namespace core
