#pragma once

#include "moment.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

// The window reaches everything outside the program through these, so tests can put fakes in their place.

class Clock {
public:
    virtual ~Clock() = default;
    virtual core::Moment now() const = 0;
};

// The most characters a paste takes from the clipboard: far more than any tactical time, few enough that the
// field takes a keystroke in a few milliseconds (bench/bench_paste_field).
inline constexpr qsizetype kClipboardTextLimit = 10000;

class Clipboard : public QObject {
    Q_OBJECT

public:
    // Asks for the plain text on the clipboard and returns at once. The answer comes later, through the
    // event loop: textRead() with at most kClipboardTextLimit characters, empty when the clipboard holds no
    // text, or noAnswer() when whoever holds the clipboard has not answered within a second.
    virtual void requestText() = 0;
    // Replaces whatever the clipboard held by the text.
    virtual void setText(const QString& text) = 0;

signals:
    void textRead(const QString& text);
    void noAnswer();
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
