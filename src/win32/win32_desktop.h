#pragma once

#include "win32_clock.h"
#include "window_desktop.h"

#include <memory>

// The desktop the form works on, through Windows: the local clock and time zone, the clipboard, the
// default browser and message boxes. The clipboard is waited for away from the calling thread; its answers
// and a paste's deadline come to a message-only window of the desktop's own on that thread, so a program
// without a window of its own copies through it too.
class Win32Desktop final : public WindowDesktop {
public:
    Win32Desktop();
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    void setWindow(HWND window) override;
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
    static LRESULT CALLBACK messageProcedure(HWND messages, UINT message, WPARAM wParam, LPARAM lParam);
    void onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void answerPaste(form::ClipboardAnswer answer, std::u16string text);

    const Win32Clock clock;
    HWND window = nullptr;
    // The desktop's own message-only window: the clipboard's owner, and where its answers and timer arrive.
    HWND messages = nullptr;
    form::CopyAnswer pendingCopy;
    form::PasteAnswer pendingPaste;
    std::shared_ptr<PasteRead> pasteRead;
    // Each copy and read is numbered, so an answer that comes after its deadline, or to an earlier request, is
    // known and dropped.
    WPARAM copyNumber = 0;
    WPARAM pasteNumber = 0;
    bool comReady = false;
};
