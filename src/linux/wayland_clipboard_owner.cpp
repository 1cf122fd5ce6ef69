#include "wayland_clipboard_owner.h"

#include <wayland-client.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>

// The wlr-data-control protocol (version 1) as its XML describes it, written out as wayland-scanner would.
namespace {

extern const wl_interface sourceInterface;
extern const wl_interface deviceInterface;
extern const wl_interface offerInterface;

const wl_interface* const sourceTypes[] = {&sourceInterface};
const wl_interface* const managerDeviceTypes[] = {&deviceInterface, &wl_seat_interface};
const wl_interface* const offerTypes[] = {&offerInterface};
const wl_interface* const noTypes[] = {nullptr, nullptr};

const wl_message managerRequests[] = {
    {"create_data_source", "n", const_cast<const wl_interface**>(sourceTypes)},
    {"get_data_device", "no", const_cast<const wl_interface**>(managerDeviceTypes)},
    {"destroy", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface managerInterface = {"zwlr_data_control_manager_v1", 1, 3, managerRequests, 0, nullptr};

const wl_message deviceRequests[] = {
    {"set_selection", "?o", const_cast<const wl_interface**>(sourceTypes)},
    {"destroy", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_message deviceEvents[] = {
    {"data_offer", "n", const_cast<const wl_interface**>(offerTypes)},
    {"selection", "?o", const_cast<const wl_interface**>(offerTypes)},
    {"finished", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface deviceInterface = {"zwlr_data_control_device_v1", 1, 2, deviceRequests, 3, deviceEvents};

const wl_message sourceRequests[] = {
    {"offer", "s", const_cast<const wl_interface**>(noTypes)},
    {"destroy", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_message sourceEvents[] = {
    {"send", "sh", const_cast<const wl_interface**>(noTypes)},
    {"cancelled", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface sourceInterface = {"zwlr_data_control_source_v1", 1, 2, sourceRequests, 2, sourceEvents};

const wl_message offerRequests[] = {
    {"receive", "sh", const_cast<const wl_interface**>(noTypes)},
    {"destroy", "", const_cast<const wl_interface**>(noTypes)},
};
const wl_message offerEvents[] = {
    {"offer", "s", const_cast<const wl_interface**>(noTypes)},
};
const wl_interface offerInterface = {"zwlr_data_control_offer_v1", 1, 2, offerRequests, 1, offerEvents};

// The request numbers, in the order of the tables above.
enum : uint32_t { kCreateDataSource = 0, kGetDataDevice = 1, kManagerDestroy = 2 };
enum : uint32_t { kSetSelection = 0, kDeviceDestroy = 1 };
enum : uint32_t { kOffer = 0, kSourceDestroy = 1 };

// The text in UTF-8, under its Wayland name and the X names that programs through XWayland ask for.
constexpr const char* kTypes[] = {"text/plain;charset=utf-8", "text/plain", "UTF8_STRING", "TEXT"};

void registryGlobal(void* owner, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    static_cast<WaylandClipboardOwner*>(owner)->found(reinterpret_cast<wl_proxy*>(registry), name, interface, version);
}
void registryGlobalRemove(void*, wl_registry*, uint32_t)
{
}
const wl_registry_listener registryListener = {registryGlobal, registryGlobalRemove};

struct SourceListener {
    void (*send)(void* owner, wl_proxy* source, const char* type, int32_t fd);
    void (*cancelled)(void* owner, wl_proxy* source);
};
const SourceListener sourceListener = {
    [](void* owner, wl_proxy*, const char* type, int32_t fd) {
        static_cast<WaylandClipboardOwner*>(owner)->send(type, fd);
    },
    [](void* owner, wl_proxy*) { static_cast<WaylandClipboardOwner*>(owner)->cancelled(); },
};

void destroy(wl_proxy* proxy, uint32_t request)
{
    if (proxy) {
        wl_proxy_marshal(proxy, request);
        wl_proxy_destroy(proxy);
    }
}

}  // namespace

WaylandClipboardOwner::WaylandClipboardOwner(std::string utf8)
    : utf8(std::move(utf8))
{
}

WaylandClipboardOwner::~WaylandClipboardOwner()
{
    if (!display)
        return;
    destroy(device, kDeviceDestroy);
    destroy(source, kSourceDestroy);
    destroy(manager, kManagerDestroy);
    if (seat)
        wl_proxy_destroy(seat);
    wl_display_disconnect(display);
}

void WaylandClipboardOwner::found(wl_proxy* registry, unsigned name, const char* interface, unsigned)
{
    // The first seat: a desktop has one.
    if (!manager && std::strcmp(interface, managerInterface.name) == 0)
        manager = static_cast<wl_proxy*>(
            wl_registry_bind(reinterpret_cast<wl_registry*>(registry), name, &managerInterface, 1));
    else if (!seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        seat = static_cast<wl_proxy*>(
            wl_registry_bind(reinterpret_cast<wl_registry*>(registry), name, &wl_seat_interface, 1));
}

bool WaylandClipboardOwner::offered()
{
    const char* session = std::getenv("WAYLAND_DISPLAY");
    display = session && *session ? wl_display_connect(nullptr) : nullptr;
    if (!display)
        return false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, this);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    return manager && seat;
}

bool WaylandClipboardOwner::own()
{
    source = wl_proxy_marshal_constructor(manager, kCreateDataSource, &sourceInterface, nullptr);
    wl_proxy_add_listener(source, reinterpret_cast<void (**)(void)>(const_cast<SourceListener*>(&sourceListener)),
                          this);
    for (const char* type : kTypes)
        wl_proxy_marshal(source, kOffer, type);
    device = wl_proxy_marshal_constructor(manager, kGetDataDevice, &deviceInterface, nullptr, seat);
    wl_proxy_marshal(device, kSetSelection, source);
    owning = true;
    return wl_display_roundtrip(display) >= 0 && owning;
}

void WaylandClipboardOwner::send(const char*, int fd) const
{
    // Every type offered is the same text in UTF-8; the one who asked closes its end when it has read it.
    for (std::size_t written = 0; written < utf8.size();) {
        const ssize_t now = write(fd, utf8.data() + written, utf8.size() - written);
        if (now <= 0)
            break;
        written += static_cast<std::size_t>(now);
    }
    close(fd);
}

void WaylandClipboardOwner::serve()
{
    while (owning && wl_display_dispatch(display) >= 0) {
    }
}
