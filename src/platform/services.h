#pragma once

#include "moment.h"

#include <QString>
#include <QUrl>

class QWidget;

// The window reaches everything outside the program through these, so tests can put fakes in their place.

class Clock {
public:
    virtual ~Clock() = default;
    virtual core::Moment now() const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The plain text on the clipboard, or the empty text when it holds none or cannot be read.
    virtual QString text() const = 0;
    // Replaces whatever the clipboard held by the text.
    virtual void setText(const QString& text) = 0;
};

enum class MessageIcon { Critical, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal to `owner` and centred on it, one OK button; returns when the user has dismissed it.
    virtual void show(QWidget* owner, const QString& title, const QString& text, MessageIcon icon) = 0;
};

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Opens the address in the default browser; false when no browser took it.
    virtual bool open(const QUrl& address) = 0;
};

struct Services {
    Clock& clock;
    Clipboard& clipboard;
    MessageBoxes& messageBoxes;
    WebOpener& webOpener;
};
