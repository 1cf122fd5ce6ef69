#pragma once

#include <string>
#include <string_view>

// wchar_t is 16 bits on Windows, so the form's UTF-16 texts and Windows' wide strings convert one unit at a
// time.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string utf16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}
