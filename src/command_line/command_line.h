#pragma once

#include "clock.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's answers on the command line, for scripts, shortcuts and terminals: the same conversions as
// the window, printed, with no window and no display.
namespace command_line {

struct Outcome {
    int exitCode = 0;
    std::string output;  // UTF-8, for standard output
    std::string errors;  // UTF-8, for standard error
};

// What the program answers to its arguments (without the program's name), or nothing when they hold none
// of its own options: then they are Qt's and the window's.
std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock);

}  // namespace command_line
