// taktzeit-keyboard: taktzeit --tippen, which taktzeit hands over to this program so that only it loads X11
// and D-Bus. It types through XTEST, one at a time for the user, or copies and says so on the desktop.
#include "c_library_clock.h"
#include "command_line.h"
#include "desktop_notification.h"
#include "linux_desktop.h"
#include "text.h"
#include "x11_keyboard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class TypingDesktop final : public command_line::Desktop {
public:
    bool copy(std::u16string_view text) override { return clipboard.copy(text); }

    // The lock is the user's: a second start (a double press, key repeat) while one types ends without typing.
    command_line::Typing waitToType() override
    {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        const std::string lock = runtime && *runtime ? std::string(runtime) + "/taktzeit-tippen.lock"
                                                     : "/tmp/taktzeit-tippen-" + std::to_string(getuid()) + ".lock";
        const int lockFile = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (lockFile >= 0 && flock(lockFile, LOCK_EX | LOCK_NB) != 0)
            return command_line::Typing::Busy;
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return command_line::Typing::Impossible;
        keyboard = std::make_unique<X11Keyboard>(display);
        return keyboard->waitUntilFree(std::chrono::seconds{2});
    }

    bool type(std::u16string_view text) override { return keyboard && keyboard->type(text); }

    void notify(std::u16string_view message) override { notifyOnDesktop(core::toUtf8(message)); }

private:
    LinuxDesktop clipboard;
    std::unique_ptr<X11Keyboard> keyboard;
};

}  // namespace

int main(int argc, char* argv[])
{
    TypingDesktop desktop;
    const auto outcome =
        command_line::run(std::vector<std::string_view>(argv + 1, argv + argc), core::CLibraryClock(), desktop);
    if (!outcome)
        return 2;
    std::fputs(outcome->output.c_str(), stdout);
    std::fputs(outcome->errors.c_str(), stderr);
    return outcome->exitCode;
}
