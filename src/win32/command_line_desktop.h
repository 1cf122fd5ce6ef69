#pragma once

#include "command_line.h"
#include "keyboard.h"

#include <string>
#include <vector>

// The command line's desktop on Windows: the clipboard through the window's desktop, its answer waited for
// on this thread; typing and notifications through the keyboard's input and the notification area.
class Win32CommandLineDesktop final : public command_line::Desktop {
public:
    bool copy(std::u16string_view text) override;
    command_line::Typing waitToType() override;
    bool type(std::u16string_view text) override;
    void notify(std::u16string_view message) override;

private:
    win32::Keyboard keyboard;
};

// The program's arguments after its name, in UTF-8.
std::vector<std::string> argumentsOf(int argc, wchar_t* argv[]);

// taktzeit.com's answer to its arguments (UTF-8), written to its console or wherever its streams lead:
// the exit status, or nothing when the arguments are the window's.
std::optional<int> answerOnConsole(const std::vector<std::string>& arguments);

// taktzeit.exe's answer to what a shortcut starts: the exit status; what went wrong in a message box.
int answerWithoutConsole(const std::vector<std::string>& arguments);
