#pragma once

#include <QString>

#include <string_view>

// The form's UTF-16 texts as Qt's: both count 16-bit units, so the text is taken as it is.
inline QString qText(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
