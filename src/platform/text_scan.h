#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small, allocation-free helpers for reading the texts people type: trimming, case folding, digits.
namespace text_scan {

bool isSpace(char16_t c);
bool isDigit(char16_t c);

// Surrounding white space (spaces, tabs, line breaks, no-break spaces) removed.
std::u16string_view trimmed(std::u16string_view text);

// Lower case for the letters month names use: A-Z and the German umlauts.
char16_t foldCase(char16_t c);
bool equalsFolded(std::u16string_view text, std::u16string_view lowerCase);

// The value of a run of one to four decimal digits, or nothing for anything else.
std::optional<int> number(std::u16string_view digits);

// A number from 0 to 99 as exactly two digits, with a leading zero.
std::u16string twoDigits(int value);

}  // namespace text_scan
