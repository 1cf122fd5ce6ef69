#pragma once

#include "desktop.h"
#include "services.h"

#include <QTimeZone>

#include <memory>

// The real clock, clipboard, message boxes and browser of the desktop the program runs on.

// Reads through Qt, which waits for the clipboard's owner; X11Clipboard reads without waiting.
class SystemClipboard : public Clipboard {
public:
    void requestText() override;
    void setText(const QString& text) override;
};

// The clipboard of the platform the program runs on: on X11 one that never blocks the window.
std::unique_ptr<Clipboard> makeSystemClipboard();

// The text cut to form::kClipboardTextLimit characters, never inside a surrogate pair.
QString boundedClipboardText(QString text);

// The computer's clock, and local time by the time-zone database through Qt; works before and without an
// application object, so the command line uses it too.
class SystemClock final : public core::Clock {
public:
    // Local time is that of the zone, the computer's own unless a test names another.
    explicit SystemClock(const QTimeZone& zone = QTimeZone::systemTimeZone());

    core::Instant now() const override;
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override;

private:
    const QTimeZone zone;
};

// The desktop the form works on, through Qt; made once the application object exists.
class SystemDesktop final : public form::Desktop {
public:
    explicit SystemDesktop(const QTimeZone& zone = QTimeZone::systemTimeZone());

    core::Instant now() const override;
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override;
    void copy(std::u16string_view text, form::CopyAnswer answer) override;
    void requestPaste(form::PasteAnswer answer) override;
    bool openWebAddress(std::u16string_view address) override;

private:
    void answerPaste(form::ClipboardAnswer answer, std::u16string text);

    const SystemClock clock;
    const std::unique_ptr<Clipboard> clipboard;
    form::PasteAnswer pendingPaste;
};

class SystemMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* owner, const QString& title, const QString& text, form::MessageIcon icon) override;
};
