#pragma once

#include "win32_clock.h"
#include "window_desktop.h"

#include <memory>

// The desktop the form works on, through Windows: the local clock and time zone, the clipboard, the
// default browser and message boxes. The clipboard is waited for away from the window's thread; its answers
// come to the window as messages.
class Win32Desktop final : public WindowDesktop {
public:
    // The messages a finished clipboard copy or read posts to the window; a paste's deadline is the window's
    // timer kPasteTimer.
    static constexpr UINT kCopyDone = WM_APP + 1;
    static constexpr UINT kPasteRead = WM_APP + 2;
    static constexpr UINT_PTR kPasteTimer = 2;

    Win32Desktop();
    ~Win32Desktop() override;

    void setWindow(HWND window) override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void showMessage(HWND owner, std::u16string_view title, std::u16string_view text, form::MessageIcon icon) override;

    core::Instant now() const override;
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override;
    void copy(std::u16string_view text, form::CopyAnswer answer) override;
    void requestPaste(form::PasteAnswer answer) override;
    bool openWebAddress(std::u16string_view address) override;

    // What a clipboard read brought, shared with the thread that reads: whichever lets go last frees it, so a
    // text that arrives after its deadline, or after the window is gone, is never lost memory.
    struct PasteRead;

private:
    void answerPaste(form::ClipboardAnswer answer, std::u16string text);

    const Win32Clock clock;
    HWND window = nullptr;
    form::CopyAnswer pendingCopy;
    form::PasteAnswer pendingPaste;
    std::shared_ptr<PasteRead> pasteRead;
    // Each copy and read is numbered, so an answer that comes after its deadline, or to an earlier request, is
    // known and dropped.
    WPARAM copyNumber = 0;
    WPARAM pasteNumber = 0;
    bool comReady = false;
};
