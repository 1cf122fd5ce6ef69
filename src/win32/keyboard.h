#pragma once

#include "command_line.h"

#include <windows.h>

#include <chrono>
#include <string_view>

namespace win32 {

// Types for taktzeit --tippen into the window in front, as Unicode characters in one SendInput call, so that
// neither the keyboard map, Caps Lock nor the user's own keys can come between them.
class Keyboard {
public:
    Keyboard() = default;
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // Waits until every key is up and no menu is open, at most for the given time; Impossible where the window in
    // front belongs to a program of higher rights, which Windows' input would not reach without saying so.
    command_line::Typing waitUntilFree(std::chrono::milliseconds longest);
    // Types the text into the window that was in front: false where another window has come in front.
    bool type(std::u16string_view text);

private:
    void letGo();

    HANDLE lock = nullptr;
    HWND foreground = nullptr;
};

// Says the text in a notification balloon of an icon in the notification area, removed again once the balloon
// has gone; in a message box where there is no notification area.
void notifyOnDesktop(std::u16string_view text);

}  // namespace win32
