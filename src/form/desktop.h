#pragma once

#include "moment.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace form {

// The text on the clipboard, empty when it holds none, or nothing when whoever holds the clipboard did not
// answer within a second.
using PasteAnswer = std::function<void(std::optional<std::u16string> text)>;

// What the form needs from the desktop beyond its window: the clock, the clipboard and the browser.
class Desktop {
public:
    virtual ~Desktop() = default;

    // One reading of the local clock.
    virtual core::Moment now() const = 0;
    // The local time at a moment in UTC, by the rules of the computer's time zone in force on that date, or
    // nothing when they cannot be told.
    virtual std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const = 0;
    // Replaces whatever the clipboard held by the text.
    virtual void copy(std::u16string_view text) = 0;
    // Asks for the clipboard's text and returns at once; the answer comes later, through the window's event
    // loop, with at most kClipboardTextLimit characters.
    virtual void requestPaste(PasteAnswer answer) = 0;
    // Opens the address in the default browser; false when no browser took it.
    virtual bool openWebAddress(std::u16string_view address) = 0;
};

// The most characters a paste takes from the clipboard: far more than any tactical time, few enough that the
// field takes a keystroke in a few milliseconds (bench/bench_paste_field).
inline constexpr std::size_t kClipboardTextLimit = 10000;

// As much of the text as a paste takes: at most kClipboardTextLimit characters, never half a surrogate pair.
inline std::u16string_view pastedPart(std::u16string_view text)
{
    if (text.size() <= kClipboardTextLimit)
        return text;
    const bool pairCut = text[kClipboardTextLimit - 1] >= 0xd800 && text[kClipboardTextLimit - 1] < 0xdc00;
    return text.substr(0, pairCut ? kClipboardTextLimit - 1 : kClipboardTextLimit);
}

}  // namespace form
