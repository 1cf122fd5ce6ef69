// taktzeit-clipboard TEXT: puts the text on the clipboard and ends once the clipboard holds it, with 0, or
// with 1 where there is none to reach. A clipboard lives only as long as its owner answers, so a child of its
// own, detached from the terminal, answers for it until another program takes the clipboard, a clipboard
// manager has taken the text over, or the display goes away.
#include "wayland_clipboard_owner.h"
#include "x11_clipboard_owner.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace {

// Tells the waiting parent whether the clipboard holds the text, then answers for it.
template <class Owner>
void ownAndServe(Owner& owner, int ready)
{
    const char owned = owner.own() ? 1 : 0;
    const bool told = write(ready, &owned, 1) == 1;
    close(ready);
    if (owned && told)
        owner.serve();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    int ready[2];
    if (pipe(ready) != 0)
        return 1;
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child > 0) {
        close(ready[1]);
        char owned = 0;
        return read(ready[0], &owned, 1) == 1 && owned == 1 ? 0 : 1;
    }
    // Its own session, standard streams on /dev/null and no folder held, so that nothing waits for it: not a
    // terminal, not x=$(taktzeit --kopieren), not an unmount.
    close(ready[0]);
    setsid();
    if (chdir("/") != 0)
        _exit(1);
    const int nothing = open("/dev/null", O_RDWR);
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        dup2(nothing, stream);
    // A reader that goes before it has read all is no reason to end.
    std::signal(SIGPIPE, SIG_IGN);
    // Through wlr-data-control where the compositor offers it: KDE Plasma hands an X program's clipboard on
    // to Wayland programs only while one of its windows is active. Else through the X server (on GNOME,
    // XWayland, whose clipboard mutter hands on).
    if (WaylandClipboardOwner wayland(argv[1]); wayland.offered()) {
        ownAndServe(wayland, ready[1]);
        _exit(0);
    }
    X11ClipboardOwner x11(argv[1]);
    ownAndServe(x11, ready[1]);
    _exit(0);
}
