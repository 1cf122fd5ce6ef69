#include "x11_clipboard_owner.h"

#include <poll.h>

#include <cerrno>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
Owned<Reply> owned(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

// The text in ISO 8859-1, as STRING is; a character beyond it, which no tactical time has, as '?'.
std::string latin1(const std::string& utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
        } else if ((lead & 0xe0) == 0xc0 && lead <= 0xc3 && i + 1 < utf8.size()) {
            bytes += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3f));
        } else if ((lead & 0xc0) != 0x80) {
            bytes += '?';
        }
    }
    return bytes;
}

}  // namespace

X11ClipboardOwner::X11ClipboardOwner(std::string utf8)
    : utf8(std::move(utf8)),
      connection(xcb_connect(nullptr, nullptr))
{
}

X11ClipboardOwner::~X11ClipboardOwner()
{
    xcb_disconnect(connection);
}

xcb_atom_t X11ClipboardOwner::atom(const char* name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The server's time, from a change of a property of the owner's own window.
xcb_timestamp_t X11ClipboardOwner::serverTime()
{
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, atoms.property, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
    while (const auto event = owned(xcb_wait_for_event(connection))) {
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
            return reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
    }
    return XCB_CURRENT_TIME;
}

bool X11ClipboardOwner::own()
{
    if (xcb_connection_has_error(connection))
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);
    atoms = Atoms{atom("CLIPBOARD"),         atom("TARGETS"),           atom("UTF8_STRING"), atom("TEXT"),
                  atom("TIMESTAMP"),         atom("MULTIPLE"),          atom("ATOM_PAIR"),   atom("SAVE_TARGETS"),
                  atom("CLIPBOARD_MANAGER"), atom("TAKTZEIT_CLIPBOARD")};
    ownedSince = serverTime();
    xcb_set_selection_owner(connection, window, atoms.clipboard, ownedSince);
    const auto owner =
        owned(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atoms.clipboard), nullptr));
    return owner && owner->owner == window;
}

bool X11ClipboardOwner::answer(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property)
{
    if (target == atoms.targets) {
        const xcb_atom_t offered[] = {atoms.targets,    atoms.timestamp, atoms.multiple,
                                      atoms.utf8String, XCB_ATOM_STRING, atoms.text};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                            std::size(offered), offered);
    } else if (target == atoms.timestamp) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &ownedSince);
    } else if (target == atoms.utf8String || target == atoms.text) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, atoms.utf8String, 8,
                            static_cast<uint32_t>(utf8.size()), utf8.data());
    } else if (target == XCB_ATOM_STRING) {
        const std::string bytes = latin1(utf8);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_STRING, 8,
                            static_cast<uint32_t>(bytes.size()), bytes.data());
    } else {
        return false;
    }
    return true;
}

void X11ClipboardOwner::answer(const xcb_selection_request_event_t& request)
{
    // A requestor of before ICCCM names no property: the target is the property.
    xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    const bool inTime = request.time == XCB_CURRENT_TIME || request.time >= ownedSince;
    if (!inTime || request.selection != atoms.clipboard) {
        property = XCB_ATOM_NONE;
    } else if (request.target == atoms.multiple) {
        // Pairs of target and property; each that cannot be answered gets None as its property.
        const auto pairs = owned(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, request.requestor, property, atoms.atomPair, 0, 1024),
            nullptr));
        if (pairs && pairs->format == 32) {
            const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(pairs.get()));
            std::vector<xcb_atom_t> answered(begin, begin + xcb_get_property_value_length(pairs.get()) / 4);
            for (std::size_t i = 0; i + 1 < answered.size(); i += 2) {
                if (answered[i] == atoms.multiple || !answer(request.requestor, answered[i], answered[i + 1]))
                    answered[i + 1] = XCB_ATOM_NONE;
            }
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, atoms.atomPair, 32,
                                static_cast<uint32_t>(answered.size()), answered.data());
        } else {
            property = XCB_ATOM_NONE;
        }
    } else if (!answer(request.requestor, request.target, property)) {
        property = XCB_ATOM_NONE;
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
}

// False once there is nothing more to answer for.
bool X11ClipboardOwner::handle(const xcb_generic_event_t& event)
{
    switch (event.response_type & 0x7f) {
    case XCB_SELECTION_REQUEST: answer(reinterpret_cast<const xcb_selection_request_event_t&>(event)); return true;
    case XCB_SELECTION_CLEAR: return false;
    case XCB_SELECTION_NOTIFY:
        return !managerAsked
            || reinterpret_cast<const xcb_selection_notify_event_t&>(event).target != atoms.saveTargets;
    default: return true;
    }
}

void X11ClipboardOwner::serve()
{
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::time_point::max();
    const auto manager =
        owned(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atoms.manager), nullptr));
    if (manager && manager->owner != XCB_WINDOW_NONE) {
        xcb_convert_selection(connection, window, atoms.manager, atoms.saveTargets, atoms.property, ownedSince);
        xcb_flush(connection);
        managerAsked = true;
        deadline = Clock::now() + std::chrono::seconds(1);
    }
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (const auto event = owned(xcb_poll_for_event(connection))) {
            if (!handle(*event))
                return;
        }
        if (xcb_connection_has_error(connection) || Clock::now() >= deadline)
            return;
        const int wait = deadline == Clock::time_point::max()
            ? -1
            : static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count());
        if (poll(&server, 1, wait) < 0 && errno != EINTR)
            return;
    }
}
