#pragma once

#include "services.h"

#include <memory>

// The real clock, clipboard, message boxes and browser of the desktop the program runs on.

class SystemClock final : public Clock {
public:
    core::Moment now() const override;
};

// Reads through Qt, which waits for the clipboard's owner; X11Clipboard reads without waiting.
class SystemClipboard : public Clipboard {
public:
    void requestText() override;
    void setText(const QString& text) override;
};

// The clipboard of the platform the program runs on: on X11 one that never blocks the window.
std::unique_ptr<Clipboard> makeSystemClipboard();

// The text cut to kClipboardTextLimit characters, never inside a surrogate pair.
QString boundedClipboardText(QString text);

class SystemMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* owner, const QString& title, const QString& text, MessageIcon icon) override;
};

class SystemWebOpener final : public WebOpener {
public:
    bool open(const QUrl& address) override;
};
