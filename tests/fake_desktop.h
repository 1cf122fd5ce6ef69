#pragma once

#include "desktop.h"
#include "examples.h"

#include <string>
#include <utility>
#include <vector>

// The desktop as the tests of every window want it: a clock that stands still, a clipboard that answers when
// told, and a browser that opens nothing.
class FakeDesktop final : public form::Desktop {
public:
    core::Moment now() const override
    {
        ++clockReads;
        return moment;
    }

    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override { return utcAsLocal(utc); }

    void copy(std::u16string_view text) override { clipboard = text; }

    void requestPaste(form::PasteAnswer answer) override
    {
        ++pasteRequests;
        pendingPaste = std::move(answer);
        if (answersAtOnce)
            answerPaste();
    }

    bool openWebAddress(std::u16string_view address) override
    {
        opened.emplace_back(address);
        return browserWorks;
    }

    void answerPaste()
    {
        if (const form::PasteAnswer answer = std::exchange(pendingPaste, nullptr))
            answer(clipboard);
    }

    void giveUpPaste()
    {
        if (const form::PasteAnswer answer = std::exchange(pendingPaste, nullptr))
            answer(std::nullopt);
    }

    core::Moment moment{std::chrono::year{2009} / 10 / 14, core::ClockTime{16, 38, 53}, 0};
    mutable int clockReads = 0;
    std::u16string clipboard;
    bool answersAtOnce = true;
    int pasteRequests = 0;
    form::PasteAnswer pendingPaste;
    std::vector<std::u16string> opened;
    bool browserWorks = true;
};
