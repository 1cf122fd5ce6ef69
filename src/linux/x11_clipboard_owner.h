#pragma once

#include <xcb/xcb.h>

#include <string>

// The owner of the X clipboard for one text, as ICCCM asks: it answers TARGETS, UTF8_STRING, STRING (Latin-1),
// TEXT, TIMESTAMP and MULTIPLE, and hands the text to a clipboard manager where one runs.
class X11ClipboardOwner {
public:
    explicit X11ClipboardOwner(std::string utf8);
    ~X11ClipboardOwner();
    X11ClipboardOwner(const X11ClipboardOwner&) = delete;
    X11ClipboardOwner& operator=(const X11ClipboardOwner&) = delete;

    // Takes the clipboard: whether the X server now names this owner.
    bool own();
    // Answers until another program owns the clipboard, a clipboard manager has confirmed that it keeps the
    // text (waited for at most a second), or the X server goes away.
    void serve();

private:
    struct Atoms {
        xcb_atom_t clipboard, targets, utf8String, text, timestamp, multiple, atomPair, saveTargets, manager, property;
    };

    xcb_atom_t atom(const char* name);
    xcb_timestamp_t serverTime();
    // Writes the target into the requestor's property; false for a target it does not have.
    bool answer(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property);
    void answer(const xcb_selection_request_event_t& request);
    bool handle(const xcb_generic_event_t& event);

    const std::string utf8;
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    Atoms atoms{};
    xcb_timestamp_t ownedSince = XCB_CURRENT_TIME;
    bool managerAsked = false;
};
