// Watches a window's repaints and prints the longest time without one, in milliseconds. The status clock
// repaints every second, so a longer gap means the window stood still.
// Usage: repaint_gaps WINDOW_ID SECONDS
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: repaint_gaps WINDOW_ID SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "repaint_gaps: no X display with the DAMAGE extension\n");
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);

    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration<double>(std::atof(argv[2]));
    auto lastRepaint = Clock::now();
    Clock::duration longest{};
    while (Clock::now() < end) {
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        poll(&fd, 1, static_cast<int>(std::max<long long>(left, 0)));
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                const auto now = Clock::now();
                longest = std::max(longest, now - lastRepaint);
                lastRepaint = now;
            }
        }
    }
    longest = std::max(longest, Clock::now() - lastRepaint);
    std::printf("%lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(longest).count()));
    XCloseDisplay(display);
    return 0;
}
