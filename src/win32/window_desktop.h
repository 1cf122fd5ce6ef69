#pragma once

#include "desktop.h"
#include "view.h"

#include <windows.h>

#include <string_view>

// What the Windows window needs beyond the form's desktop: message boxes, and a desktop that may work
// through the window's messages (a paste answered from another thread, its deadline on a timer).
class WindowDesktop : public form::Desktop {
public:
    // The window, once it exists; it hands every message to handleMessage first.
    virtual void setWindow(HWND window) = 0;
    // True when the message was the desktop's own.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Modal to the owner, one OK button; returns when the user has dismissed it.
    virtual void showMessage(HWND owner, std::u16string_view title, std::u16string_view text,
                             form::MessageIcon icon) = 0;
};
