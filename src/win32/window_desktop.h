#pragma once

#include "desktop.h"
#include "view.h"

#include <windows.h>

#include <string_view>

// What the Windows window needs beyond the form's desktop: message boxes, and the window to own what the
// desktop opens for it.
class WindowDesktop : public form::Desktop {
public:
    // The window, once it exists, and nullptr once it is gone.
    virtual void setWindow(HWND window) = 0;
    // Modal to the owner, one OK button; returns when the user has dismissed it.
    virtual void showMessage(HWND owner, std::u16string_view title, std::u16string_view text,
                             form::MessageIcon icon) = 0;
};
