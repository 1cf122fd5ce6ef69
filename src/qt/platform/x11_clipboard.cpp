#include "x11_clipboard.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// UTF-8 takes at most four bytes a character, so this many bytes always hold as many characters as a paste
// may take.
constexpr qsizetype kByteLimit = 4 * static_cast<qsizetype>(form::kClipboardTextLimit);

template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

X11Clipboard::X11Clipboard(xcb_connection_t* connection, std::chrono::milliseconds timeToAnswer)
    : connection(connection),
      clipboardAtom(internAtom(connection, "CLIPBOARD")),
      utf8Atom(internAtom(connection, "UTF8_STRING")),
      incrementalAtom(internAtom(connection, "INCR")),
      propertyAtom(internAtom(connection, "TAKTZEIT_PASTE"))
{
    deadline.setSingleShot(true);
    deadline.setInterval(timeToAnswer);
    connect(&deadline, &QTimer::timeout, this, [this] {
        endRead();
        emit noAnswer();
    });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Clipboard::~X11Clipboard()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    endRead();
}

void X11Clipboard::requestText()
{
    if (requestor != XCB_WINDOW_NONE)
        return;
    // A window of its own for each read: destroying it ends a transfer that is cut short or never finishes.
    requestor = xcb_generate_id(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, requestor, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    received.clear();
    incremental = false;
    convert(utf8Atom);
    deadline.start();
}

void X11Clipboard::convert(xcb_atom_t wanted)
{
    target = wanted;
    xcb_convert_selection(connection, requestor, clipboardAtom, target, propertyAtom, XCB_CURRENT_TIME);
    xcb_flush(connection);
}

bool X11Clipboard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (requestor == XCB_WINDOW_NONE || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
        if (notify->requestor != requestor)
            return false;
        if (notify->property != XCB_ATOM_NONE)
            readProperty();
        else if (target == utf8Atom)
            convert(XCB_ATOM_STRING);  // no UTF-8 text: perhaps Latin-1 text
        else
            deliver();  // no text at all
        return true;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notify->window != requestor)
            return false;
        // In an incremental transfer each new value is the next piece of the text.
        if (incremental && notify->atom == propertyAtom && notify->state == XCB_PROPERTY_NEW_VALUE)
            readProperty();
        return true;
    }
    default: return false;
    }
}

// Takes what the owner put on the requestor window, never more than a paste may hold. Reading a value whole
// deletes it, which in an incremental transfer asks the owner for the next piece.
void X11Clipboard::readProperty()
{
    const qsizetype wanted = kByteLimit - received.size();
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 1, requestor, propertyAtom, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                static_cast<uint32_t>((wanted + 3) / 4)),
                               nullptr),
        &std::free);
    if (!reply) {
        deliver();
        return;
    }
    if (reply->type == incrementalAtom) {
        incremental = true;
        return;
    }
    const int length = xcb_get_property_value_length(reply.get());
    received.append(static_cast<const char*>(xcb_get_property_value(reply.get())), std::min<qsizetype>(length, wanted));
    if (!incremental || length == 0 || received.size() >= kByteLimit)
        deliver();
}

void X11Clipboard::deliver()
{
    const QString text = target == utf8Atom ? QString::fromUtf8(received) : QString::fromLatin1(received);
    endRead();
    emit textRead(boundedClipboardText(text));
}

void X11Clipboard::endRead()
{
    deadline.stop();
    if (requestor == XCB_WINDOW_NONE)
        return;
    xcb_destroy_window(connection, requestor);
    xcb_flush(connection);
    requestor = XCB_WINDOW_NONE;
    received.clear();
}
