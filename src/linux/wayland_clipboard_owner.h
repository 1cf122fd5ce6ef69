#pragma once

#include <string>

struct wl_display;
struct wl_proxy;

// The owner of a Wayland clipboard for one text, through the wlr-data-control protocol, which wlroots desktops
// and KDE Plasma offer to programs without a window of their own.
class WaylandClipboardOwner {
public:
    explicit WaylandClipboardOwner(std::string utf8);
    ~WaylandClipboardOwner();
    WaylandClipboardOwner(const WaylandClipboardOwner&) = delete;
    WaylandClipboardOwner& operator=(const WaylandClipboardOwner&) = delete;

    // Whether the compositor offers the protocol, with a seat; false too where there is no Wayland session.
    bool offered();
    // Takes the clipboard: whether the compositor took the text.
    bool own();
    // Answers until another program takes the clipboard or the compositor goes away.
    void serve();

    // What the compositor tells, called from its listeners.
    void found(wl_proxy* registry, unsigned name, const char* interface, unsigned version);
    void send(const char* type, int fd) const;
    void cancelled() { owning = false; }

private:
    const std::string utf8;
    wl_display* display = nullptr;
    wl_proxy* manager = nullptr;
    wl_proxy* seat = nullptr;
    wl_proxy* source = nullptr;
    wl_proxy* device = nullptr;
    bool owning = false;
};
