#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QWidget>

// The real clock, clipboard, message boxes and browser of the desktop the program runs on.

class SystemClock final : public Clock {
public:
    Moment now() const override;
};

class SystemClipboard final : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

class SystemMessageBoxes final : public MessageBoxes {
public:
    // Boxes are modal to this window and centred on it.
    void setParent(QWidget* parent) { owner = parent; }
    void show(const QString& title, const QString& text, MessageIcon icon) override;

private:
    QPointer<QWidget> owner;
};

class SystemWebOpener final : public WebOpener {
public:
    bool open(const QUrl& address) override;
};
