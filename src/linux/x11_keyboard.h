#pragma once

#include "command_line.h"

#include <X11/Xlib.h>

#include <chrono>
#include <map>
#include <optional>
#include <string_view>

// Types into the window that has the X keyboard focus through the XTEST extension, as the user's own keys
// would: each character on a key of the active layout with the Shift it needs under the locked modifiers
// (Caps Lock, Num Lock), or on a spare key mapped to it for the moment of typing.
class X11Keyboard {
public:
    explicit X11Keyboard(Display* display);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // Waits until every key is up and no program grabs the keyboard, at most for the given time, and keeps the
    // window that has the focus then.
    command_line::Typing waitUntilFree(std::chrono::milliseconds longest);
    // Types the text into the kept window: false, having stopped, once another window has the focus.
    bool type(std::u16string_view text);

private:
    struct Key {
        KeyCode code = 0;
        bool shifted = false;
    };

    bool keysUp() const;
    bool grabbed() const;
    bool typeable(Window focus) const;
    Window focused() const;
    // The key that gives the character in the active layout under the locked modifiers, if any.
    std::optional<Key> keyFor(KeySym symbol) const;
    std::optional<Key> spareKeyFor(KeySym symbol);
    bool setSpareKey(KeyCode code, KeySym symbol);
    void press(const Key& key) const;

    Display* display;
    Window focus = None;
    std::map<KeySym, KeyCode> spareKeys;
};
