#pragma once

#include "services.h"

// The real clock, clipboard, message boxes and browser of the desktop the program runs on.

class SystemClock final : public Clock {
public:
    core::Moment now() const override;
};

class SystemClipboard final : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

class SystemMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* owner, const QString& title, const QString& text, MessageIcon icon) override;
};

class SystemWebOpener final : public WebOpener {
public:
    bool open(const QUrl& address) override;
};
