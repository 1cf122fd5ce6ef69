#include "desktop_notification.h"

#include <dbus/dbus.h>

#include <string>

namespace {

void appendHint(DBusMessageIter& hints, const char* name, int type, const void* value)
{
    const char signature[] = {static_cast<char>(type), '\0'};
    DBusMessageIter entry, variant;
    dbus_message_iter_open_container(&hints, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &name);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, signature, &variant);
    dbus_message_iter_append_basic(&variant, type, value);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&hints, &entry);
}

}  // namespace

void notifyOnDesktop(std::string_view utf8)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    dbus_error_free(&error);
    if (!bus)
        return;
    dbus_connection_set_exit_on_disconnect(bus, FALSE);
    if (DBusMessage* call =
            dbus_message_new_method_call("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                         "org.freedesktop.Notifications", "Notify")) {
        const std::string body(utf8);
        const char* application = "taktzeit";
        const char* icon = TAKTZEIT_APP_ID;
        const char* summary = "Umrechner taktische Zeit";
        const char* text = body.c_str();
        const dbus_uint32_t replaces = 0;
        const dbus_int32_t timeout = -1;
        const dbus_bool_t transient = TRUE;
        const char* entry = TAKTZEIT_APP_ID;
        DBusMessageIter arguments, actions, hints;
        dbus_message_iter_init_append(call, &arguments);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &application);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &replaces);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &icon);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &summary);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &text);
        dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, "s", &actions);
        dbus_message_iter_close_container(&arguments, &actions);
        dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, "{sv}", &hints);
        appendHint(hints, "transient", DBUS_TYPE_BOOLEAN, &transient);
        appendHint(hints, "desktop-entry", DBUS_TYPE_STRING, &entry);
        dbus_message_iter_close_container(&arguments, &hints);
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_INT32, &timeout);
        dbus_message_set_no_reply(call, TRUE);
        dbus_connection_send(bus, call, nullptr);
        dbus_connection_flush(bus);
        dbus_message_unref(call);
    }
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
}
