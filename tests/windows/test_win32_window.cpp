// The Windows window under Wine: the table of form cases through its controls, over the fake desktop, and
// its layout at 96 dpi against the design. Prints each failure and "N passed, N failed".
#include "command_line_desktop.h"
#include "converter_window.h"
#include "form_cases.h"
#include "look.h"
#include "wide_text.h"
#include "win32_desktop.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

using namespace cases;

namespace {

// The fake desktop of the cases, with the message boxes remembered instead of shown.
class FakeWindowDesktop final : public WindowDesktop {
public:
    struct Shown {
        HWND owner;
        std::u16string title, text;
        MessageIcon icon;
    };

    explicit FakeWindowDesktop(FakeDesktop& fake)
        : fake(fake)
    {
    }
    core::Instant now() const override { return fake.now(); }
    std::optional<core::Moment> localTime(std::chrono::sys_seconds utc) const override { return fake.localTime(utc); }
    void copy(std::u16string_view text, form::CopyAnswer answer) override { fake.copy(text, std::move(answer)); }
    void requestPaste(form::PasteAnswer answer) override { fake.requestPaste(std::move(answer)); }
    bool openWebAddress(std::u16string_view address) override { return fake.openWebAddress(address); }
    void setWindow(HWND) override {}
    void showMessage(HWND owner, std::u16string_view title, std::u16string_view text, MessageIcon icon) override
    {
        shown.push_back({owner, std::u16string(title), std::u16string(text), icon});
    }

    std::vector<Shown> shown;

private:
    FakeDesktop& fake;
};

HWND child(HWND window, Control control)
{
    return GetDlgItem(window, win32::ConverterWindow::idOf(control));
}

std::u16string windowText(HWND window)
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

// Handles what the actions left in the queue as the program's own loop does; the status clock's real timer is
// left out, the cases tick it.
void settle(const win32::ConverterWindow* window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window && message.hwnd == window->handle() && message.message == WM_TIMER
            && message.wParam == win32::ConverterWindow::kTickTimer)
            continue;
        window ? window->dispatch(message) : void(DispatchMessageW(&message));
    }
}

// Handles messages for up to the time, until the condition holds; whether it did.
template <class Condition>
bool settleUntil(const win32::ConverterWindow* window, Condition done, DWORD milliseconds = 3000)
{
    const DWORD until = GetTickCount() + milliseconds;
    while (!done() && GetTickCount() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        settle(window);
    }
    return done();
}

// Drives the window through its controls with the messages a user's keys and clicks send.
class Win32Driver final : public FormDriver {
public:
    void open(FakeDesktop& desktop) override
    {
        fake = std::make_unique<FakeWindowDesktop>(desktop);
        window = std::make_unique<win32::ConverterWindow>(*fake);
        window->show(SW_SHOWNORMAL);
        settle(window.get());
    }
    void close() override
    {
        window.reset();
        settle(window.get());
    }
    // Selected whole and deleted with characters, as keys do, so that a read-only box keeps its text.
    void clear(Control field) override
    {
        SendMessageW(box(field), EM_SETSEL, 0, -1);
        SendMessageW(box(field), WM_CHAR, L'\b', 0);
        settle(window.get());
    }
    void fill(Control field, std::u16string_view text) override
    {
        SendMessageW(box(field), EM_SETSEL, 0, -1);
        SendMessageW(box(field), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(text).c_str()));
        settle(window.get());
    }
    void typeMore(Control field, std::u16string_view text) override
    {
        const int end = GetWindowTextLengthW(box(field));
        SendMessageW(box(field), EM_SETSEL, end, end);
        for (char16_t character : text)
            SendMessageW(box(field), WM_CHAR, character, 0);
        settle(window.get());
    }
    void eraseLast(Control field) override { typeMore(field, u"\b"); }
    void click(Control control) override
    {
        HWND target = box(control);
        if (!IsWindowEnabled(target))
            return;
        if (control == Control::WebLink) {
            SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        } else {
            SendMessageW(target, BM_CLICK, 0, 0);
        }
        settle(window.get());
    }
    void tick() override
    {
        SendMessageW(window->handle(), WM_TIMER, win32::ConverterWindow::kTickTimer, 0);
        settle(window.get());
    }
    void setMinimized(bool minimized) override
    {
        ShowWindow(window->handle(), minimized ? SW_MINIMIZE : SW_RESTORE);
        // The window manager answers a minimize or restore on its own time, and Wine passes its answer on as
        // one more change of state: it must come before the next step, not after it.
        settleUntil(
            window.get(), [] { return false; }, 500);
    }
    void blankPanel(StatusPanel panel) override
    {
        SendMessageW(box(Control::StatusBar), SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(L""));
    }

    std::u16string text(Control field) override { return windowText(box(field)); }
    bool isEnabled(Control control) override { return IsWindowEnabled(box(control)); }
    bool isChecked(Control option) override { return SendMessageW(box(option), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::u16string panelText(StatusPanel panel) override
    {
        HWND bar = box(Control::StatusBar);
        std::u16string text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0)) + 1u, u'\0');
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        return text;
    }
    std::u16string caption() override { return windowText(window->handle()); }
    int tickDelay() override { return static_cast<int>(window->scheduledTick().count()); }
    std::vector<ShownMessage> takeMessages() override
    {
        std::vector<ShownMessage> taken;
        for (const auto& shown : std::exchange(fake->shown, {}))
            taken.push_back(shownMessage(shown.owner == window->handle(), shown.title, shown.text, shown.icon));
        return taken;
    }

private:
    HWND box(Control control) const { return child(window->handle(), control); }

    std::unique_ptr<FakeWindowDesktop> fake;
    std::unique_ptr<win32::ConverterWindow> window;
};

Control controlNamed(std::string_view name)
{
    for (const form::ControlLayout& row : form::kControls) {
        if (row.name == name)
            return row.control;
    }
    return Control::None;
}

std::string nameOf(HWND control)
{
    const auto which = static_cast<Control>(GetDlgCtrlID(control) - win32::ConverterWindow::idOf(Control::Window));
    return which > Control::None && which <= Control::StatusBar ? std::string(form::layoutOf(which).name) : "?";
}

// Every control's place, size, caption and font against the design at the dpi (twips times dpi over 1440;
// 96 dpi makes 15 twips a pixel), every caption uncut.
std::vector<std::string> placeFailures(HWND window, int dpi)
{
    std::vector<std::string> failures;
    const auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    RECT client;
    GetClientRect(window, &client);
    if (client.right != pixels(6870) || client.bottom != pixels(5820))
        failures.push_back("client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    for (const Placement& designed : kPlacements) {
        HWND control = child(window, controlNamed(designed.name));
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        int left = designed.left, top = designed.top;
        for (const Placement& frame : kPlacements) {
            if (std::string_view(frame.name) == designed.container) {
                left += frame.left;
                top += frame.top;
            }
        }
        const RECT wanted{pixels(left), pixels(top), pixels(left) + pixels(designed.width),
                          pixels(top) + pixels(designed.height)};
        if (!EqualRect(&place, &wanted))
            failures.push_back(std::string(designed.name) + " at " + std::to_string(place.left) + ","
                               + std::to_string(place.top) + " " + std::to_string(place.right - place.left) + "x"
                               + std::to_string(place.bottom - place.top));
        const std::u16string caption = windowText(control);
        const form::ControlKind kind = form::layoutOf(controlNamed(designed.name)).kind;
        if (kind != form::ControlKind::StatusBar && kind != form::ControlKind::Picture
            && utf8(caption) != designed.caption)
            failures.push_back(std::string(designed.name) + " reads '" + utf8(caption) + "'");
        // Labels and the link in 12 points, everything else in 8.
        const std::string_view name = designed.name;
        const int points = name.ends_with("Caption") || name == "webLink" ? 12 : 8;
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        GetObjectW(font, sizeof(logical), &logical);
        if (kind != form::ControlKind::Picture && logical.lfHeight != -MulDiv(points, dpi, 72))
            failures.push_back(std::string(designed.name) + "'s font is " + std::to_string(logical.lfHeight) + " high");
        // Room the control itself needs beside its caption: a button's edges, an option's circle, a frame's
        // corners.
        const int margin = kind == form::ControlKind::Button ? 6
            : kind == form::ControlKind::Option              ? GetSystemMetrics(SM_CXMENUCHECK) + 4
            : kind == form::ControlKind::Frame               ? 16
                                                             : 0;
        HDC dc = GetDC(control);
        const auto old = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()),
                              &extent);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        if (extent.cx + margin > place.right - place.left)
            failures.push_back(std::string(designed.name) + "'s caption is cut: " + std::to_string(extent.cx) + " px");
    }
    // The logo at its natural size for the dpi.
    ICONINFO logo{};
    BITMAP picture{};
    if (GetIconInfo(reinterpret_cast<HICON>(SendMessageW(child(window, Control::Logo), STM_GETICON, 0, 0)), &logo)) {
        GetObjectW(logo.hbmColor, sizeof(picture), &picture);
        DeleteObject(logo.hbmColor);
        DeleteObject(logo.hbmMask);
    }
    if (picture.bmWidth != MulDiv(32, dpi, 96))
        failures.push_back("the logo is " + std::to_string(picture.bmWidth) + " pixels wide");
    return failures;
}

// A window over the fake desktop, shown, with what showing it left in the queue handled.
struct ShownWindow {
    ShownWindow()
    {
        window.show(SW_SHOWNORMAL);
        settle(&window);
    }
    FakeDesktop desktop;
    FakeWindowDesktop windowDesktop{desktop};
    win32::ConverterWindow window{windowDesktop};
};

std::string firstOf(const std::vector<std::string>& failures)
{
    return failures.empty() ? std::string() : failures.front();
}

// The window against the design at the screen's dpi, its hints on the fields, and the keyboard order from the
// first focus, read from the dialog manager and walked with the Tab key.
std::string layoutFailure()
{
    ShownWindow shown;
    win32::ConverterWindow& window = shown.window;
    if (auto failure = firstOf(placeFailures(window.handle(), static_cast<int>(GetDpiForWindow(window.handle()))));
        !failure.empty())
        return failure;

    // The hints come once the window has been painted, which a loaded machine may take a moment for.
    const auto hinted = [] {
        HWND tooltip = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND found, LPARAM result) {
                wchar_t name[64] = {};
                GetClassNameW(found, name, 64);
                if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0)
                    *reinterpret_cast<HWND*>(result) = found;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&tooltip));
        std::string names;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        for (UINT i = 0; tooltip && SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)); ++i)
            names += nameOf(reinterpret_cast<HWND>(tool.uId)) + " ";
        return names;
    };
    settleUntil(&window, [&] { return hinted() == "tacticalInput timeInput dateInput "; });
    if (const std::string names = hinted(); names != "tacticalInput timeInput dateInput ")
        return "hints on: " + names;

    const std::string wantedStops = "toTacticalButton tacticalResult dateInput timeInput nowButton logo "
                                    "germanMonthsOption tacticalInput timeResult dateResult toNormalButton "
                                    "clearToTacticalButton clearToNormalButton pasteButton toTacticalButton ";
    std::string stops, pressed;
    HWND focus = GetFocus();
    for (int i = 0; i < 15 && focus; ++i) {
        stops += nameOf(focus) + " ";
        pressed += nameOf(GetFocus()) + " ";
        focus = GetNextDlgTabItem(window.handle(), focus, FALSE);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 0);
        settle(&window);
    }
    if (stops != wantedStops)
        return "tab stops: " + stops;
    return pressed == wantedStops ? std::string() : "Tab moves through: " + pressed;
}

// Moved to a monitor of 144 dpi and back, as Windows tells the window: every place, font and caption matches
// the dpi at each step; every replaced font and icon is freed, and none in use.
std::string dpiChangeFailure()
{
    ShownWindow shown;
    win32::ConverterWindow& window = shown.window;
    const auto inUse = [&] {
        std::vector<HGDIOBJ> fonts;
        for (const form::ControlLayout& row : form::kControls) {
            // The logo shows no text.
            if (row.control != Control::Logo)
                fonts.push_back(
                    reinterpret_cast<HGDIOBJ>(SendMessageW(child(window.handle(), row.control), WM_GETFONT, 0, 0)));
        }
        return std::pair{
            fonts, reinterpret_cast<HICON>(SendMessageW(child(window.handle(), Control::Logo), STM_GETICON, 0, 0))};
    };
    for (int dpi : {144, 96}) {
        const auto [oldFonts, oldIcon] = inUse();
        RECT frame, client;
        GetWindowRect(window.handle(), &frame);
        GetClientRect(window.handle(), &client);
        // Windows suggests the frame around the client area at the new dpi.
        const RECT suggested{frame.left, frame.top, frame.right + MulDiv(6870, dpi, 1440) - client.right,
                             frame.bottom + MulDiv(5820, dpi, 1440) - client.bottom};
        SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        settle(&window);
        if (auto failure = firstOf(placeFailures(window.handle(), dpi)); !failure.empty())
            return "at " + std::to_string(dpi) + " dpi: " + failure;
        const auto [fonts, icon] = inUse();
        ICONINFO info{};
        for (HGDIOBJ font : fonts) {
            if (GetObjectType(font) != OBJ_FONT)
                return "a control holds a deleted font at " + std::to_string(dpi) + " dpi";
        }
        for (HGDIOBJ font : oldFonts) {
            if (GetObjectType(font) != 0)
                return "a replaced font is still alive at " + std::to_string(dpi) + " dpi";
        }
        if (!GetIconInfo(icon, &info))
            return "the logo shows a destroyed icon at " + std::to_string(dpi) + " dpi";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        if (GetIconInfo(oldIcon, &info))
            return "the replaced logo is still alive at " + std::to_string(dpi) + " dpi";
    }
    return {};
}

// Every control tells assistive technology its designed name and role, the link its description too.
std::string accessibilityFailure()
{
    ShownWindow shown;
    win32::ConverterWindow& window = shown.window;
    const std::pair<std::string_view, long> roles[] = {{"push button", ROLE_SYSTEM_PUSHBUTTON},
                                                       {"radio button", ROLE_SYSTEM_RADIOBUTTON},
                                                       {"editable text", ROLE_SYSTEM_TEXT},
                                                       {"read-only text", ROLE_SYSTEM_TEXT},
                                                       {"static text", ROLE_SYSTEM_STATICTEXT},
                                                       {"grouping", ROLE_SYSTEM_GROUPING},
                                                       {"link", ROLE_SYSTEM_LINK},
                                                       {"graphic", ROLE_SYSTEM_GRAPHIC},
                                                       {"status bar", ROLE_SYSTEM_STATUSBAR}};
    const auto said = [](BSTR text) {
        const std::string utf8Text = text ? utf8(reinterpret_cast<const char16_t*>(text)) : "(nothing)";
        SysFreeString(text);
        return utf8Text;
    };
    std::string failures;
    for (const Placement& designed : kPlacements) {
        IAccessible* accessible = nullptr;
        if (FAILED(AccessibleObjectFromWindow(child(window.handle(), controlNamed(designed.name)), OBJID_CLIENT,
                                              __uuidof(IAccessible), reinterpret_cast<void**>(&accessible))))
            return std::string(designed.name) + " has no accessible object";
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr, description = nullptr;
        VARIANT role{}, state{};
        accessible->get_accName(self, &name);
        accessible->get_accRole(self, &role);
        accessible->get_accState(self, &state);
        accessible->get_accDescription(self, &description);
        accessible->Release();
        const std::string spoken = said(name), described = said(description);
        long wanted = 0;
        for (const auto& [roleName, value] : roles)
            wanted = roleName == designed.role ? value : wanted;
        if (spoken != designed.accessibleName || role.lVal != wanted)
            failures += std::string(designed.name) + " is '" + spoken + "', role " + std::to_string(role.lVal) + "; ";
        // The role names both kinds of field a text; the state tells them apart.
        const std::string_view kind = designed.role;
        const bool readOnly = (state.lVal & STATE_SYSTEM_READONLY) != 0;
        if ((kind == "read-only text" && !readOnly) || (kind == "editable text" && readOnly))
            failures += std::string(designed.name) + (readOnly ? " is" : " is not") + " read-only; ";
        std::string wantedDescription = designed.name == std::string_view("webLink") ? kDesignedLinkDescription : "";
        for (const auto& [input, hint] : kDesignedHints)
            wantedDescription = designed.name == std::string_view(input) ? hint : wantedDescription;
        if (!wantedDescription.empty() && described != wantedDescription)
            failures += std::string(designed.name) + "'s description is '" + described + "'; ";
    }
    return failures;
}

// The lit link against the face of a dark and of a high-contrast colour scheme.
std::string linkContrastFailure()
{
    ShownWindow shown;
    win32::ConverterWindow& window = shown.window;
    HWND link = child(window.handle(), Control::WebLink);
    SendMessageW(window.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const int elements[] = {COLOR_BTNFACE, COLOR_WINDOWTEXT};
    const COLORREF before[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)};
    std::string failures;
    for (const auto& [scheme, colours] :
         {std::pair{"dark", std::array<COLORREF, 2>{RGB(32, 32, 32), RGB(255, 255, 255)}},
          {"high contrast", {RGB(0, 0, 0), RGB(255, 255, 255)}},
          {"high contrast white", {RGB(255, 255, 255), RGB(0, 0, 0)}}}) {
        SetSysColors(2, elements, colours.data());
        settle(&window);
        HDC dc = GetDC(link);
        SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
        const COLORREF lit = GetTextColor(dc);
        ReleaseDC(link, dc);
        const auto colour = [](COLORREF c) { return form::Colour{GetRValue(c), GetGValue(c), GetBValue(c)}; };
        if (const double ratio = form::contrastRatio(colour(lit), colour(colours[0])); ratio < 4.5)
            failures += std::string(scheme) + ": " + std::to_string(ratio) + "; ";
    }
    SetSysColors(2, elements, before);
    return failures;
}

// A thread that holds the clipboard as a frozen program would: open, or owned with a text it never renders.
class ClipboardHolder {
public:
    explicit ClipboardHolder(bool open)
        : release(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          holds(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread([this, open] {
              HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
              OpenClipboard(owner);
              if (!open) {
                  EmptyClipboard();
                  SetClipboardData(CF_UNICODETEXT, nullptr);
                  CloseClipboard();
              }
              SetEvent(holds);
              WaitForSingleObject(release, INFINITE);
              if (open)
                  CloseClipboard();
              DestroyWindow(owner);
          })
    {
        WaitForSingleObject(holds, INFINITE);
    }
    ~ClipboardHolder()
    {
        SetEvent(release);
        thread.join();
        CloseHandle(release);
        CloseHandle(holds);
    }

private:
    HANDLE release, holds;
    std::thread thread;
};

// The Windows desktop itself: a copy that owns the clipboard, a copy and a paste that another program keeps
// waiting, within the deadline, and a browser that takes no address.
std::string desktopFailure()
{
    Win32Desktop desktop;
    win32::ConverterWindow window(desktop);
    std::optional<form::ClipboardAnswer> copied;
    desktop.copy(u"141638okt09", [&](form::ClipboardAnswer answer) { copied = answer; });
    if (!settleUntil(&window, [&] { return copied.has_value(); }) || *copied != form::ClipboardAnswer::Done)
        return "the copy was not done";
    if (GetWindowThreadProcessId(GetClipboardOwner(), nullptr) != GetCurrentThreadId())
        return "the copy left the clipboard to another owner";
    std::optional<std::pair<form::ClipboardAnswer, std::u16string>> pasted;
    const auto paste = [&] {
        pasted.reset();
        desktop.requestPaste([&](form::ClipboardAnswer answer, std::u16string text) { pasted = {answer, text}; });
        const DWORD start = GetTickCount();
        return settleUntil(&window, [&] { return pasted.has_value(); }) ? GetTickCount() - start : 9999;
    };
    paste();
    if (pasted != std::pair{form::ClipboardAnswer::Done, std::u16string(u"141638okt09")})
        return "the copy did not come back in a paste";
    {
        ClipboardHolder frozen(false);
        if (const DWORD waited = paste(); waited > 1300 || !pasted || pasted->first != form::ClipboardAnswer::Silent)
            return "a paste from a frozen owner answered after " + std::to_string(waited) + " ms";
    }
    {
        ClipboardHolder held(true);
        copied.reset();
        desktop.copy(u"141638okt09", [&](form::ClipboardAnswer answer) { copied = answer; });
        if (!settleUntil(&window, [&] { return copied.has_value(); }) || *copied != form::ClipboardAnswer::Silent)
            return "a copy into a clipboard held open was not reported";
    }
    if (desktop.openWebAddress(u"taktzeit-unbekannt:nichts"))
        return "an address no program takes was reported as opened";
    return {};
}

// What only a shown window does: the Tab stop moves to the option clicked, the focus comes back to its
// control when the window is activated again (Alt+Tab, after a message box), the status bar's panels are 1440
// twips wide each.
std::string shownWindowFailure()
{
    ShownWindow shown;
    HWND window = shown.window.handle();
    const auto box = [&](Control control) { return child(window, control); };
    SendMessageW(box(Control::EnglishMonthsOption), BM_CLICK, 0, 0);
    settle(&shown.window);
    const auto stop = [&](Control option) { return (GetWindowLongPtrW(box(option), GWL_STYLE) & WS_TABSTOP) != 0; };
    if (stop(Control::GermanMonthsOption) || !stop(Control::EnglishMonthsOption))
        return "after a click on englische Monate the Tab stop is not at it";
    SetFocus(box(Control::TimeInput));
    SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(box(Control::NowButton));
    SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
    if (GetFocus() != box(Control::TimeInput))
        return "activated again, the focus is on " + nameOf(GetFocus());
    std::array<int, 3> edges{};
    SendMessageW(box(Control::StatusBar), SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < 3; ++i) {
        if (edges[i] != MulDiv(1440 * (i + 1), static_cast<int>(GetDpiForWindow(window)), 1440))
            return "the status bar's panel " + std::to_string(i) + " ends at " + std::to_string(edges[i]);
    }
    return {};
}

// The command line's copy in-process, read while this process runs (Wine empties the clipboard when its owner
// ends); its usage error ends with 2; on a console it shows umlauts.
std::string commandLineFailure()
{
    if (const int status = answerWithoutConsole({"--kopieren", "--zone=Z"}); status != 0)
        return "--kopieren ended with " + std::to_string(status);
    std::u16string copied;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
            copied = static_cast<const char16_t*>(GlobalLock(data));
        CloseClipboard();
    }
    if (copied.size() != 12 || copied[6] != u'Z')
        return "--kopieren --zone=Z left '" + utf8(copied) + "' on the clipboard";
    // A console of its own: Wine gives the test one whose buffers cannot be read.
    FreeConsole();
    AllocConsole();
    HANDLE console =
        CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, 0, nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
    SetConsoleActiveScreenBuffer(console);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE), errors = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, console);
    SetStdHandle(STD_ERROR_HANDLE, console);
    const auto printed = answerOnConsole({"--taktisch", "8:05", "5.3.2009"});
    const auto refused = answerOnConsole({"--kopieren", "--taktisch", "8:05", "5.3.2009"});
    SetStdHandle(STD_OUTPUT_HANDLE, output);
    SetStdHandle(STD_ERROR_HANDLE, errors);
    std::u16string shown(11, u' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, reinterpret_cast<wchar_t*>(shown.data()), 11, COORD{0, 0}, &read);
    CloseHandle(console);
    if (printed != 0 || shown != u"050805m\u00e4r09")
        return "a console shows '" + utf8(shown) + "'";
    return refused == 2 ? std::string() : "a usage error ended with " + std::to_string(refused.value_or(-1));
}

// A control that Windows refuses to make ends the window with Windows' reason, and leaves no window behind.
std::string creationFailure()
{
    FakeDesktop desktop;
    FakeWindowDesktop windowDesktop(desktop);
    static int made = 0;
    made = 0;
    HHOOK refuseThird = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return code == HCBT_CREATEWND && ++made == 3 ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    std::string failure = "the window was made";
    try {
        win32::ConverterWindow window(windowDesktop);
    } catch (const std::system_error&) {
        failure = FindWindowW(L"taktzeit", nullptr) ? "a window was left behind" : "";
    }
    UnhookWindowsHookEx(refuseThird);
    return failure;
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Tally tally;
    const auto report = [&](const std::string& name, const std::string& failure) { tally.report(name, failure); };
    for (const FormCase& formCase : formCases()) {
        Win32Driver driver;
        report(formCase.name, runCase(formCase, driver));
    }
    std::printf("at %u dpi\n", GetDpiForSystem());
    report("layout, hints and keyboard order", layoutFailure());
    report("names and roles", accessibilityFailure());
    report("option stop, focus and panels", shownWindowFailure());
    if (GetDpiForSystem() == 96) {
        report("moved to 144 dpi and back", dpiChangeFailure());
        report("the lit link on dark and high-contrast colours", linkContrastFailure());
        report("the desktop's clipboard and browser", desktopFailure());
        report("a window that cannot be made", creationFailure());
        report("the command line's copy, status and console", commandLineFailure());
    }
    std::printf("%s\n", tally.summary().c_str());
    return tally.exitCode();
}
