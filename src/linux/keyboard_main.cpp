// taktzeit-keyboard: taktzeit --tippen, which taktzeit hands over to this program so that only it loads X11
// and D-Bus. It types through XTEST, one at a time for the user, or copies and says so on the desktop.
#include "c_library_clock.h"
#include "command_line.h"
#include "desktop_notification.h"
#include "linux_desktop.h"
#include "text.h"
#include "x11_keyboard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class TypingDesktop final : public command_line::Desktop {
public:
    bool copy(std::u16string_view text) override { return clipboard.copy(text); }

    // The lock is the user's on this display: a second start (a double press, key repeat) while one types ends
    // without typing. It is the name of an abstract socket, which nothing can delete and the kernel frees however
    // the program ends.
    command_line::Typing waitToType() override
    {
        const char* screen = std::getenv("DISPLAY");
        const std::string name = "taktzeit-tippen-" + std::to_string(getuid()) + '-' + (screen ? screen : "");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t length = name.copy(address.sun_path + 1, sizeof(address.sun_path) - 1);
        lock = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (lock >= 0
            && bind(lock, reinterpret_cast<const sockaddr*>(&address),
                    static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length))
                != 0
            && errno == EADDRINUSE)
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
    int lock = -1;
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
