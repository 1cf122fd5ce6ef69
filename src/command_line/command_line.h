#pragma once

#include "clock.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The program's answers on the command line, for scripts, shortcuts and terminals: the same conversions as
// the window, printed, with no window and no display.
namespace command_line {

// What an option does: a mode (what is answered, one at a time), a setting of the mode, or an answer of its own.
enum class Does { Now, Copy, Type, ToTactical, ToNormal, Zone, English, Help, Version };

// The words that follow --normal: every one up to the next option.
inline constexpr std::size_t kEveryWord = static_cast<std::size_t>(-1);

// One option of the command line: its name, what follows it, and its line of the help.
struct Option {
    std::string_view name;
    Does does;
    std::string_view operands;  // as the help shows them; "[=...]" is a value joined to the name by "="
    std::string_view help;
    std::size_t words = 0;        // how many words follow it, or kEveryWord
    bool writesTactical = false;  // a mode whose text --englisch and --zone change
};

// Every option, in the order of the help; the help, the parser, the manual page and the completion follow it.
std::span<const Option> options();

struct Outcome {
    int exitCode = 0;
    std::string output;  // UTF-8, for standard output
    std::string errors;  // UTF-8, for standard error
    bool told = false;   // the errors were also shown on the desktop, where the user sees them
};

// Whether the text can be typed now into the window that has the keyboard focus.
enum class Typing {
    Ready,       // the keys are up and nothing holds the keyboard
    Impossible,  // keys still held or the keyboard grabbed after the wait, or no typing into that window
    Busy,        // another taktzeit types at this moment
};

// What the actions that reach beyond the terminal need of the desktop; each platform gives its own.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Puts the text on the clipboard, where it stays once the program has ended: whether the clipboard holds it.
    virtual bool copy(std::u16string_view text) = 0;
    // Waits, at most two seconds, until every key is up and no program holds the keyboard. Where it answers
    // Ready, it holds the right to type until the text is typed.
    virtual Typing waitToType() { return Typing::Impossible; }
    // Types the text into the window that had the focus when waitToType answered; false, having stopped, where
    // the focus moved to another window on the way.
    virtual bool type(std::u16string_view) { return false; }
    // Says something to the user outside the terminal, as a desktop notification.
    virtual void notify(std::u16string_view) {}
};

// What the program answers to its arguments (without the program's name), or nothing when they hold none
// of its own options: then they are the window's.
std::optional<Outcome> run(const std::vector<std::string_view>& arguments, const core::Clock& clock, Desktop& desktop);

// Whether the arguments ask for what a desktop shortcut starts, with no terminal to answer on (--kopieren,
// --tippen): Windows' window program does that itself instead of opening its window.
bool actsWithoutTerminal(const std::vector<std::string_view>& arguments);

// Whether the arguments ask for typing (--tippen), which on Linux a program of its own does.
bool types(const std::vector<std::string_view>& arguments);

}  // namespace command_line
