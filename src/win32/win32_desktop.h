#pragma once

#include "window_desktop.h"

#include <memory>

// The desktop the form works on, through Windows: the local clock and time zone, the clipboard, the
// default browser and message boxes. Answers to a paste come to the window as messages.
class Win32Desktop final : public WindowDesktop {
public:
    // The message a finished clipboard read posts to the window; its deadline is the window's timer kPasteTimer.
    static constexpr UINT kPasteRead = WM_APP + 1;
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

private:
    void answerPaste(form::ClipboardAnswer answer, std::u16string text);

    HWND window = nullptr;
    form::PasteAnswer pendingPaste;
    // Each read is numbered, so an answer that comes after its deadline is known and dropped.
    WPARAM pasteNumber = 0;
};
