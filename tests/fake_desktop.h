#pragma once

#include "desktop.h"
#include "examples.h"

#include <string>
#include <utility>
#include <vector>

// The desktop as the tests of every window want it: a clock in Germany that stands still, a clipboard that
// answers when told, and a browser that opens nothing.
class FakeDesktop final : public form::Desktop {
public:
    core::Instant now() const override
    {
        ++clockReads;
        return instant;
    }

    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override { return germanLocalTime(utc); }

    void copy(std::u16string_view text, form::CopyAnswer answer) override
    {
        if (copyAnswer != form::ClipboardAnswer::Done) {
            answer(copyAnswer);
            return;
        }
        clipboard = text;
        answer(form::ClipboardAnswer::Done);
    }

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

    void answerPaste(form::ClipboardAnswer how = form::ClipboardAnswer::Done)
    {
        if (const form::PasteAnswer answer = std::exchange(pendingPaste, nullptr))
            answer(how, how == form::ClipboardAnswer::Done ? clipboard : std::u16string());
    }

    // The clock stands at the moment of German local time; in the autumn hour that happens twice, at its
    // first, in summer time.
    void standAt(const core::Moment& local) { instant = *utcOf(local) + std::chrono::milliseconds{local.millisecond}; }

    core::Instant instant = core::utcInstant(momentAt(2009, 10, 14, 14, 38, 53));
    mutable int clockReads = 0;
    std::u16string clipboard;
    form::ClipboardAnswer copyAnswer = form::ClipboardAnswer::Done;
    bool answersAtOnce = true;
    int pasteRequests = 0;
    form::PasteAnswer pendingPaste;
    std::vector<std::u16string> opened;
    bool browserWorks = true;
};
