// taktzeit: the command line, which loads no toolkit, and for everything else the window, a program of its own.
#include "c_library_clock.h"
#include "command_line.h"
#include "helper_programs.h"
#include "linux_desktop.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    // Typing loads X11, which this program does not: a program of its own types. Without it, the time is copied.
    if (command_line::types(arguments)) {
        if (const std::string keyboard = helperProgram("taktzeit-keyboard"); !keyboard.empty())
            execv(keyboard.c_str(), argv);
    }
    LinuxDesktop desktop;
    if (const auto outcome = command_line::run(arguments, core::CLibraryClock(), desktop)) {
        std::fputs(outcome->output.c_str(), stdout);
        std::fputs(outcome->errors.c_str(), stderr);
        return outcome->exitCode;
    }
    // Under this program's name, by which the desktop knows the window (WM_CLASS taktzeit).
    const std::string window = helperProgram("taktzeit-window");
    if (window.empty())
        errno = ENOENT;
    else
        execv(window.c_str(), argv);
    std::perror("taktzeit-window");
    return 1;
}
