#pragma once

#include "clock.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace form {

// How the clipboard answered a copy or a paste.
enum class ClipboardAnswer {
    Done,     // the text was copied, or the paste brought the clipboard's text
    Silent,   // whoever holds the clipboard did not answer within a second
    Refused,  // the system would not let the program use the clipboard (a browser without permission)
};

using CopyAnswer = std::function<void(ClipboardAnswer answer)>;
// The text is the clipboard's when the paste is Done, empty when it holds none.
using PasteAnswer = std::function<void(ClipboardAnswer answer, std::u16string text)>;

// What the form needs from the desktop beyond its window: the clock, the clipboard and the browser.
class Desktop : public core::Clock {
public:
    // Replaces whatever the clipboard held by the text and answers, at once or later through the window's
    // event loop.
    virtual void copy(std::u16string_view text, CopyAnswer answer) = 0;
    // Asks for the clipboard's text and returns at once; the answer comes later, through the window's event
    // loop, with at most kClipboardTextLimit characters.
    virtual void requestPaste(PasteAnswer answer) = 0;
    // Opens the address in the default browser; false when no browser took it.
    virtual bool openWebAddress(std::u16string_view address) = 0;
};

// How long a paste waits for the clipboard before it tells the user that it does not answer.
inline constexpr std::chrono::milliseconds kClipboardDeadline{1000};

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
