// A clipboard manager as small as can be: it owns CLIPBOARD_MANAGER, and asked to save the clipboard
// (SAVE_TARGETS) it reads its text, prints it and confirms. Ends after the first save, or after ten seconds.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

xcb_connection_t* connection;

xcb_atom_t atom(const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply->atom;
    std::free(reply);
    return found;
}

}  // namespace

int main()
{
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    const xcb_atom_t manager = atom("CLIPBOARD_MANAGER"), clipboard = atom("CLIPBOARD"), utf8 = atom("UTF8_STRING"),
                     saved = atom("SAVED_TEXT");
    xcb_set_selection_owner(connection, window, manager, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::printf("ready\n");
    std::fflush(stdout);
    alarm(10);
    xcb_selection_request_event_t asked{};
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const int type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST) {
            asked = *reinterpret_cast<xcb_selection_request_event_t*>(event);
            xcb_convert_selection(connection, window, clipboard, utf8, saved, asked.time);
            xcb_flush(connection);
        } else if (type == XCB_SELECTION_NOTIFY && asked.requestor) {
            xcb_get_property_reply_t* text = xcb_get_property_reply(
                connection, xcb_get_property(connection, 1, window, saved, utf8, 0, 1024), nullptr);
            std::printf("%.*s\n", xcb_get_property_value_length(text),
                        static_cast<const char*>(xcb_get_property_value(text)));
            std::free(text);
            xcb_selection_notify_event_t done{};
            done.response_type = XCB_SELECTION_NOTIFY;
            done.time = asked.time;
            done.requestor = asked.requestor;
            done.selection = asked.selection;
            done.target = asked.target;
            done.property = asked.property;
            xcb_send_event(connection, 0, asked.requestor, 0, reinterpret_cast<const char*>(&done));
            xcb_flush(connection);
            std::free(event);
            return 0;
        }
        std::free(event);
    }
    return 1;
}
