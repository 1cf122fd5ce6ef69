#pragma once

#include "command_line.h"

// The command line's desktop on Linux, which loads nothing of it: the clipboard through taktzeit-clipboard,
// a program of its own that owns the clipboard and so is the only one to load X11 and Wayland.
class LinuxDesktop final : public command_line::Desktop {
public:
    bool copy(std::u16string_view text) override;
};
