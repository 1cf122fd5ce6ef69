// taktzeit-clipboard TEXT: puts the text on the X clipboard and ends once the clipboard holds it, with 0, or
// with 1 where there is no X server. An X clipboard lives only as long as its owner answers, so a child of
// its own, detached from the terminal, answers for it until another program takes the clipboard, a clipboard
// manager has taken the text over, or the X server goes away.
#include "x11_clipboard_owner.h"

#include <fcntl.h>
#include <unistd.h>

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
    X11ClipboardOwner owner(argv[1]);
    const char owned = owner.own() ? 1 : 0;
    const bool told = write(ready[1], &owned, 1) == 1;
    close(ready[1]);
    if (owned && told)
        owner.serve();
    _exit(0);
}
