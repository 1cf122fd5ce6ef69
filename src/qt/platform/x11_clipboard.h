#pragma once

#include "system_services.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QTimer>

#include <xcb/xcb.h>

#include <chrono>

// The clipboard on X11, read without waiting: Qt's own read blocks the window until the clipboard's owner
// answers, up to five seconds for each form of text it tries, and always takes the whole text. This one
// asks the owner for the text on a window of its own, takes the answer from the event loop, stops after
// kClipboardTextLimit characters and gives up when the owner has not answered in time, by default
// form::kClipboardDeadline.
class X11Clipboard final : public SystemClipboard, public QAbstractNativeEventFilter {
public:
    explicit X11Clipboard(xcb_connection_t* connection,
                          std::chrono::milliseconds timeToAnswer = form::kClipboardDeadline);
    ~X11Clipboard() override;

    void requestText() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void convert(xcb_atom_t target);
    void readProperty();
    void deliver();
    void endRead();

    xcb_connection_t* const connection;
    const xcb_atom_t clipboardAtom;
    const xcb_atom_t utf8Atom;
    const xcb_atom_t incrementalAtom;
    const xcb_atom_t propertyAtom;
    QTimer deadline;
    // The window that receives the text while a read is under way, none otherwise.
    xcb_window_t requestor = XCB_WINDOW_NONE;
    xcb_atom_t target = XCB_ATOM_NONE;
    bool incremental = false;
    QByteArray received;
};
