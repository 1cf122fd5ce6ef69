// A window with the keyboard focus that prints what is typed into it, as UTF-8, a character at a time; a key
// pressed under Ctrl or Alt shows as "^" and its text. --group N locks the keyboard's Nth layout (from 0),
// --grab holds the keyboard as an open menu does; --until N ends after N characters, with a last line of the
// time they were all in (received_ns=, since the epoch), for the benchmark.
#include <X11/XKBlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "typing_target: no X display\n");
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 240, 40, 0, 0, 0xffffff);
    XStoreName(display, window, "Tippziel");
    XSelectInput(display, window, KeyPressMask | StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event{}; event.type != MapNotify;)
        XNextEvent(display, &event);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    long until = -1;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--group") == 0)
            XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(std::atoi(argv[i + 1])));
        if (std::strcmp(argv[i], "--until") == 0)
            until = std::atol(argv[i + 1]);
    }
    if (argc > 1 && std::strcmp(argv[argc - 1], "--grab") == 0)
        XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MappingNotify)
            XRefreshKeyboardMapping(&event.xmapping);
        if (event.type != KeyPress)
            continue;
        char latin1[8]{};
        KeySym symbol = NoSymbol;
        const int length = XLookupString(&event.xkey, latin1, sizeof latin1, &symbol, nullptr);
        for (int i = 0; i < length; ++i) {
            const unsigned char byte = static_cast<unsigned char>(latin1[i]);
            if (event.xkey.state & (ControlMask | Mod1Mask))
                std::putchar('^');
            if (byte < 0x80) {
                std::putchar(byte);
            } else {
                std::putchar(0xc0 | (byte >> 6));
                std::putchar(0x80 | (byte & 0x3f));
            }
        }
        if (length > 0 && --until == 0) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("\nreceived_ns=%lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            return 0;
        }
        std::fflush(stdout);
    }
}
