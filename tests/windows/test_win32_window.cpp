// The Windows window under Wine: the table of form cases through its controls, over the fake desktop, and
// its layout at 96 dpi against the design. Prints each failure and "N passed, N failed".
#include "converter_window.h"
#include "form_cases.h"
#include "wide_text.h"

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
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
    bool handleMessage(UINT, WPARAM, LPARAM) override { return false; }
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

// Handles what the actions left in the queue; the status clock's real timer is left out, the cases tick it.
void settle()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER && message.wParam == win32::ConverterWindow::kTickTimer)
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Drives the window through its controls with the messages a user's keys and clicks send.
class Win32Driver final : public FormDriver {
public:
    void open(FakeDesktop& desktop) override
    {
        fake = std::make_unique<FakeWindowDesktop>(desktop);
        window = std::make_unique<win32::ConverterWindow>(*fake);
        window->show(SW_SHOWNORMAL);
        settle();
    }
    void close() override
    {
        window.reset();
        settle();
    }
    void type(Control field, std::u16string_view text) override
    {
        SetWindowTextW(box(field), L"");
        typeMore(field, text);
    }
    void fill(Control field, std::u16string_view text) override
    {
        SendMessageW(box(field), EM_SETSEL, 0, -1);
        SendMessageW(box(field), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(text).c_str()));
        settle();
    }
    void typeMore(Control field, std::u16string_view text) override
    {
        const int end = GetWindowTextLengthW(box(field));
        SendMessageW(box(field), EM_SETSEL, end, end);
        for (char16_t character : text)
            SendMessageW(box(field), WM_CHAR, character, 0);
        settle();
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
        settle();
    }
    void tick() override
    {
        SendMessageW(window->handle(), WM_TIMER, win32::ConverterWindow::kTickTimer, 0);
        settle();
    }
    void setMinimized(bool minimized) override
    {
        ShowWindow(window->handle(), minimized ? SW_MINIMIZE : SW_RESTORE);
        // The window manager answers a minimize or restore on its own time, and Wine passes its answer on as
        // one more change of state: it must come before the next step, not after it.
        const DWORD until = GetTickCount() + 500;
        while (GetTickCount() < until) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, until - GetTickCount(), QS_ALLINPUT);
            settle();
        }
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
        for (const auto& shown : std::exchange(fake->shown, {})) {
            const bool designed = shown.owner == window->handle() && shown.title == kDesignedTitle;
            taken.push_back(
                {(designed ? u"" : u"(not modal or wrongly titled) " + shown.title + u": ") + shown.text, shown.icon});
        }
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

// The window against the design at the screen's dpi (twips times dpi over 1440; 96 dpi makes 15 twips a
// pixel): every control's place, size and caption, every caption uncut, the client area, and the keyboard
// order from the first focus.
std::vector<std::string> layoutFailures()
{
    std::vector<std::string> failures;
    FakeDesktop desktop;
    FakeWindowDesktop windowDesktop(desktop);
    win32::ConverterWindow window(windowDesktop);
    window.show(SW_SHOWNORMAL);
    settle();
    const auto dpi = static_cast<int>(GetDpiForWindow(window.handle()));
    const auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    RECT client;
    GetClientRect(window.handle(), &client);
    if (client.right != pixels(6870) || client.bottom != pixels(5820))
        failures.push_back("client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    for (const Placement& designed : kPlacements) {
        HWND control = child(window.handle(), controlNamed(designed.name));
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&place), 2);
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
        // Room the control itself needs beside its caption: a button's edges, an option's circle, a frame's
        // corners.
        const int margin = kind == form::ControlKind::Button ? 6
            : kind == form::ControlKind::Option              ? GetSystemMetrics(SM_CXMENUCHECK) + 4
            : kind == form::ControlKind::Frame               ? 16
                                                             : 0;
        HDC dc = GetDC(control);
        const auto old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(caption.c_str()), static_cast<int>(caption.size()),
                              &extent);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        if (extent.cx + margin > place.right - place.left)
            failures.push_back(std::string(designed.name) + "'s caption is cut: " + std::to_string(extent.cx) + " px");
    }
    std::string stops;
    HWND focus = GetFocus();
    for (int i = 0; i < 15 && focus; ++i) {
        stops += std::string(form::layoutOf(static_cast<Control>(GetDlgCtrlID(focus)
                                                                 - win32::ConverterWindow::idOf(Control::Window)))
                                 .name)
            + " ";
        focus = GetNextDlgTabItem(window.handle(), focus, FALSE);
    }
    const std::string wantedStops = "toTacticalButton tacticalResult dateInput timeInput nowButton logo "
                                    "germanMonthsOption tacticalInput timeResult dateResult toNormalButton "
                                    "clearToTacticalButton clearToNormalButton pasteButton toTacticalButton ";
    if (stops != wantedStops)
        failures.push_back("tab stops: " + stops);
    return failures;
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    int passed = 0, failed = 0;
    const auto report = [&](const std::string& name, const std::string& failure) {
        if (failure.empty()) {
            ++passed;
            std::printf("PASS: %s\n", name.c_str());
        } else {
            ++failed;
            std::printf("FAIL: %s: %s\n", name.c_str(), failure.c_str());
        }
        std::fflush(stdout);
    };
    for (const FormCase& formCase : formCases()) {
        Win32Driver driver;
        report(formCase.name, runCase(formCase, driver));
    }
    const auto layout = layoutFailures();
    std::printf("at %u dpi\n", GetDpiForSystem());
    report("layout", layout.empty() ? std::string() : layout.front());
    for (std::size_t i = 1; i < layout.size(); ++i)
        std::printf("      %s\n", layout[i].c_str());
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
