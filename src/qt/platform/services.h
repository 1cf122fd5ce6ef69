#pragma once

#include "view.h"

#include <QObject>
#include <QString>

class QWidget;

// The parts of the desktop the Qt window reaches through interfaces, so tests can put fakes in their place.

class Clipboard : public QObject {
    Q_OBJECT

public:
    // Asks for the plain text on the clipboard and returns at once. The answer comes later, through the
    // event loop: textRead() with at most form::kClipboardTextLimit characters, empty when the clipboard holds
    // no text, or noAnswer() when whoever holds the clipboard has not answered within a second.
    virtual void requestText() = 0;
    // Replaces whatever the clipboard held by the text.
    virtual void setText(const QString& text) = 0;

signals:
    void textRead(const QString& text);
    void noAnswer();
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal to `owner` and centred on it, one OK button; returns when the user has dismissed it.
    virtual void show(QWidget* owner, const QString& title, const QString& text, form::MessageIcon icon) = 0;
};
