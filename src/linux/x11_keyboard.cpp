#include "x11_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Input methods (IBus) may put a quickly typed non-ASCII character after the next one.
constexpr auto kInputMethodPause = 20ms;
// Time for the window's toolkit to take the keys before a spare key goes back to no character: Xlib reads a
// changed map only when it looks a key up.
constexpr auto kMappingPause = 250ms;

struct KeymapFree {
    void operator()(XkbDescPtr keymap) const { XkbFreeKeyboard(keymap, 0, True); }
};
using Keymap = std::unique_ptr<XkbDescRec, KeymapFree>;

Keymap keymapOf(Display* display)
{
    return Keymap(XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
}

// The level a key gives under the modifiers, by its key type (Shift, Caps Lock, Num Lock as the map says).
int levelOf(XkbDescPtr keymap, KeyCode code, int group, unsigned modifiers)
{
    const XkbKeyTypePtr type = XkbKeyKeyType(keymap, code, group);
    const unsigned active = modifiers & type->mods.mask;
    for (int i = 0; i < type->map_count; ++i) {
        if (type->map[i].active && type->map[i].mods.mask == active)
            return type->map[i].level;
    }
    return 0;
}

KeySym symbolOf(char16_t character)
{
    return character < 0x100 ? KeySym(character) : KeySym(0x01000000 | character);
}

}  // namespace

X11Keyboard::X11Keyboard(Display* display)
    : display(display)
{
}

X11Keyboard::~X11Keyboard()
{
    if (!spareKeys.empty()) {
        XSync(display, False);
        std::this_thread::sleep_for(kMappingPause);
        for (const auto& [symbol, code] : spareKeys)
            setSpareKey(code, NoSymbol);
    }
    XCloseDisplay(display);
}

command_line::Typing X11Keyboard::waitUntilFree(std::chrono::milliseconds longest)
{
    const auto deadline = std::chrono::steady_clock::now() + longest;
    while (!keysUp() || grabbed()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return command_line::Typing::Impossible;
        std::this_thread::sleep_for(10ms);
    }
    focus = focused();
    return typeable(focus) ? command_line::Typing::Ready : command_line::Typing::Impossible;
}

bool X11Keyboard::keysUp() const
{
    char keys[32]{};
    XQueryKeymap(display, keys);
    return std::all_of(std::begin(keys), std::end(keys), [](char bits) { return bits == 0; });
}

// Whether another program holds the keyboard (an open menu, the desktop's overview): then no grab is given.
bool X11Keyboard::grabbed() const
{
    const int answer =
        XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (answer == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    XSync(display, False);
    return answer != GrabSuccess;
}

Window X11Keyboard::focused() const
{
    Window window = None;
    int revert = 0;
    XGetInputFocus(display, &window, &revert);
    return window;
}

// In a Wayland session XTEST reaches X programs only: the focus must lie in a window that the window manager
// manages (WM_STATE), not in the stand-in X focus of a Wayland program.
bool X11Keyboard::typeable(Window window) const
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (window == None || !wayland || !*wayland)
        return window != None;
    const Atom state = XInternAtom(display, "WM_STATE", True);
    while (state != None && window != None && window != PointerRoot) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, window, state, 0, 1, False, AnyPropertyType, &type, &format, &items, &after, &data);
        if (data)
            XFree(data);
        if (type != None)
            return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        window = parent == root ? None : parent;
    }
    return false;
}

std::optional<X11Keyboard::Key> X11Keyboard::keyFor(KeySym symbol) const
{
    const Keymap keymap = keymapOf(display);
    XkbStateRec state{};
    if (!keymap || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    const unsigned held = state.locked_mods | state.latched_mods;
    for (int code = keymap->min_key_code; code <= keymap->max_key_code; ++code) {
        const int groups = XkbKeyNumGroups(keymap.get(), code);
        if (groups == 0)
            continue;
        const int group = state.group % groups;
        for (const bool shifted : {false, true}) {
            const int level = levelOf(keymap.get(), KeyCode(code), group, held | (shifted ? ShiftMask : 0));
            if (level < XkbKeyGroupWidth(keymap.get(), code, group)
                && XkbKeySymEntry(keymap.get(), code, level, group) == symbol)
                return Key{KeyCode(code), shifted};
        }
    }
    return std::nullopt;
}

// Gives the key the character and its capital in one group that every layout falls back to, as a letter of
// the Latin alphabet type (so that Caps Lock changes it as on any letter), or no characters at all again.
bool X11Keyboard::setSpareKey(KeyCode code, KeySym symbol)
{
    const Keymap keymap = keymapOf(display);
    if (!keymap)
        return false;
    XkbMapChangesRec changes{};
    KeySym cases[2] = {};
    XConvertCase(symbol, &cases[0], &cases[1]);
    const int width = symbol == NoSymbol ? 0 : cases[0] == cases[1] ? 1 : 2;
    int types[XkbNumKbdGroups] = {width == 2 ? XkbAlphabeticIndex : XkbOneLevelIndex};
    if (XkbChangeTypesOfKey(keymap.get(), code, width ? 1 : 0, XkbGroup1Mask, types, &changes) != Success)
        return false;
    KeySym* symbols = XkbResizeKeySyms(keymap.get(), code, width);
    if (width && !symbols)
        return false;
    std::copy(cases, cases + width, symbols);
    changes.changed |= XkbKeySymsMask;
    changes.first_key_sym = code;
    changes.num_key_syms = 1;
    const bool changed = XkbChangeMap(display, keymap.get(), &changes);
    XSync(display, False);
    return changed;
}

std::optional<X11Keyboard::Key> X11Keyboard::spareKeyFor(KeySym symbol)
{
    if (!spareKeys.contains(symbol)) {
        const Keymap keymap = keymapOf(display);
        if (!keymap)
            return std::nullopt;
        KeyCode spare = 0;
        for (int code = keymap->max_key_code; code >= keymap->min_key_code && !spare; --code) {
            if (XkbKeyNumGroups(keymap.get(), code) == 0
                && std::none_of(spareKeys.begin(), spareKeys.end(),
                                [&](const auto& used) { return used.second == code; }))
                spare = KeyCode(code);
        }
        if (!spare || !setSpareKey(spare, symbol))
            return std::nullopt;
        spareKeys[symbol] = spare;
    }
    return keyFor(symbol);
}

void X11Keyboard::press(const Key& key) const
{
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    if (key.shifted)
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    XTestFakeKeyEvent(display, key.code, True, CurrentTime);
    XTestFakeKeyEvent(display, key.code, False, CurrentTime);
    if (key.shifted)
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
    XSync(display, False);
}

// Every key is found, and spare keys mapped, before the first is pressed: a program that reads the key map
// only at its first key then reads it whole, with the spare keys in it.
bool X11Keyboard::type(std::u16string_view text)
{
    std::vector<Key> keys;
    for (const char16_t character : text) {
        auto key = keyFor(symbolOf(character));
        if (!key)
            key = spareKeyFor(symbolOf(character));
        if (!key)
            return false;
        keys.push_back(*key);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (focused() != focus)
            return false;
        const bool ascii = text[i] < 0x80;
        if (!ascii)
            std::this_thread::sleep_for(kInputMethodPause);
        press(keys[i]);
        if (!ascii)
            std::this_thread::sleep_for(kInputMethodPause);
    }
    return true;
}
