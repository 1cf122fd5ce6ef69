#pragma once

#include "clock.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The program's answers on the command line, for scripts, shortcuts and terminals: the same conversions as
// the window, printed, with no window and no display.
namespace command_line {

// One option of the command line: its name, what follows it, and its line of the help.
struct Option {
    std::string_view name;
    std::string_view operands;
    std::string_view help;
};

// Every option, in the order of the help; the help, the parser, the manual page and the completion follow it.
std::span<const Option> options();

struct Outcome {
    int exitCode = 0;
    std::string output;  // UTF-8, for standard output
    std::string errors;  // UTF-8, for standard error
};

// What the program answers to its arguments (without the program's name), or nothing when they hold none
// of its own options: then they are the window's.
std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock);

}  // namespace command_line
