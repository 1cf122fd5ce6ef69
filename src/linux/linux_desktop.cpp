#include "linux_desktop.h"

#include "helper_programs.h"
#include "text.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

// A Wayland program's clipboard is reached through the X clipboard, which XWayland hands on; without an X
// server there is none to reach.
bool LinuxDesktop::copy(std::u16string_view text)
{
    const std::string program = helperProgram("taktzeit-clipboard");
    const char* display = std::getenv("DISPLAY");
    if (program.empty() || !display || !*display)
        return false;
    std::string bytes = core::toUtf8(text);
    char name[] = "taktzeit-clipboard";
    char* arguments[] = {name, bytes.data(), nullptr};
    pid_t helper = 0;
    if (posix_spawn(&helper, program.c_str(), nullptr, nullptr, arguments, environ) != 0)
        return false;
    int status = 0;
    pid_t waited = 0;
    do
        waited = waitpid(helper, &status, 0);
    while (waited < 0 && errno == EINTR);
    return waited == helper && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
