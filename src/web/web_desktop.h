#pragma once

#include "c_library_clock.h"
#include "desktop.h"

#include <map>

// The desktop of a browser: its clock and time zone, the asynchronous clipboard, and links that the browser
// opens itself. The clipboard's answers come back to it from the page's script.
class WebDesktop final : public form::Desktop {
public:
    WebDesktop();
    ~WebDesktop() override;

    core::Instant now() const override;
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override;
    void copy(std::u16string_view text, form::CopyAnswer answer) override;
    void requestPaste(form::PasteAnswer answer) override;
    bool openWebAddress(std::u16string_view address) override;

    // The page's script answers a copy or a paste it was asked for.
    static void answerCopy(int request, int answer);
    static void answerPaste(int request, int answer, const char* text);

private:
    const core::CLibraryClock clock;
    std::map<int, form::CopyAnswer> copies;
    std::map<int, form::PasteAnswer> pastes;
    int lastRequest = 0;
};
