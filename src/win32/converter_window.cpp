#include "converter_window.h"

#include "look.h"
#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>

using form::Control;
using form::ControlKind;

namespace win32 {
namespace {

constexpr wchar_t kClassName[] = L"taktzeit";
// Control ids start above IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter and Esc.
constexpr int kFirstId = 100;

}  // namespace

int ConverterWindow::idOf(Control control)
{
    return kFirstId + static_cast<int>(control);
}

ConverterWindow::ConverterWindow(WindowDesktop& desktop)
    : desktop(desktop),
      form(*this, desktop)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Shared: Windows keeps them for the life of the program, for every window of the class.
    hand =
        static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(2), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "RegisterClassExW");

    // A fixed frame with minimize and close buttons but no maximize button.
    if (!CreateWindowExW(0, kClassName, wide(form::kTitle).c_str(),
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                         nullptr, nullptr, instance, this))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateWindowExW");
    desktop.setWindow(window);
    try {
        createControls();
    } catch (...) {
        DestroyWindow(window);
        throw;
    }
    form.load();
}

ConverterWindow::~ConverterWindow()
{
    if (window)
        DestroyWindow(window);
}

void ConverterWindow::dispatch(MSG& message) const
{
    // The dialog manager moves the focus with Tab and the arrow keys; Enter and Esc reach no button.
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

HWND ConverterWindow::control(Control which) const
{
    return controls.at(static_cast<std::size_t>(which));
}

Control ConverterWindow::controlOf(HWND child) const
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == child)
            return static_cast<Control>(i);
    }
    return Control::None;
}

LRESULT CALLBACK ConverterWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ConverterWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ConverterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // The last message: the window lets go of its state, and Windows of the window.
    if (self && message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window = nullptr;
        self->desktop.setWindow(nullptr);
        self = nullptr;
    }
    return self ? self->onMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ConverterWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_TIMER:
        KillTimer(window, wParam);
        if (wParam == kTickTimer) {
            nextTick = std::chrono::milliseconds(-1);
            form.tick();
        } else if (wParam == kHintsTimer) {
            addHints();
        }
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED)
            form.windowStateChanged(wParam == SIZE_MINIMIZED);
        return 0;
    case WM_SETCURSOR:
        if (setCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush = colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        // The common controls learn of new colours only from their parent.
        if (message == WM_SYSCOLORCHANGE)
            SendMessageW(control(Control::StatusBar), message, wParam, lParam);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            lastFocus = GetFocus();
        else if (lastFocus)
            SetFocus(lastFocus);
        return 0;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ConverterWindow::command(int id, int notification)
{
    const Control which = static_cast<Control>(id - kFirstId);
    if (id < kFirstId || which == Control::None)
        return;
    switch (form::layoutOf(which).kind) {
    case ControlKind::Button:
        if (notification == BN_CLICKED)
            form.click(which);
        break;
    case ControlKind::Option:
        if (notification == BN_CLICKED)
            keepOptionTabStopAtSelected();
        break;
    case ControlKind::Link:
        if (notification == STN_CLICKED)
            form.click(which);
        break;
    case ControlKind::TextBox:
        if (notification == EN_CHANGE && which == Control::TacticalInput)
            form.tacticalInputChanged();
        break;
    default: break;
    }
}

// The link lights up under the pointer and stays lit until the pointer reaches bare window surface: frames
// and labels pass their mouse on to the window, so the place decides, not the window that hears it.
bool ConverterWindow::setCursor(HWND under)
{
    if (under == control(Control::WebLink)) {
        setLinkLit(true);
        SetCursor(hand);
        return true;
    }
    if (under == window) {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(window, &point);
        if (ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE) == window)
            setLinkLit(false);
    }
    return false;
}

// The colours of the boxes and the link, from the user's colours of the moment; 0 for the others, which
// Windows colours itself.
LRESULT ConverterWindow::colourStatic(HDC dc, HWND child)
{
    const Control which = controlOf(child);
    // Locked boxes keep the colours of the others.
    if (which != Control::None && form::layoutOf(which).kind == ControlKind::TextBox) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (which != Control::WebLink)
        return 0;
    const auto colour = [](int index) {
        const COLORREF system = GetSysColor(index);
        return form::Colour{GetRValue(system), GetGValue(system), GetBValue(system)};
    };
    const form::Colour text =
        linkLit ? form::litLinkColour(colour(COLOR_BTNFACE), colour(COLOR_WINDOWTEXT)) : colour(COLOR_WINDOWTEXT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(text.red, text.green, text.blue));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void ConverterWindow::setLinkLit(bool lit)
{
    if (linkLit == lit)
        return;
    linkLit = lit;
    SendMessageW(control(Control::WebLink), WM_SETFONT,
                 reinterpret_cast<WPARAM>(lit ? litLinkFont.get() : labelFont.get()), TRUE);
}

// The month options take one keyboard stop, at the selected one; the arrow keys move within the group.
void ConverterWindow::keepOptionTabStopAtSelected()
{
    for (Control option : form::kMonthOptions) {
        HWND button = control(option);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        const bool selected = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SetWindowLongPtrW(button, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

std::u16string ConverterWindow::text(Control field) const
{
    HWND box = control(field);
    std::wstring content(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    content.resize(static_cast<std::size_t>(GetWindowTextW(box, content.data(), static_cast<int>(content.size()))));
    return utf16(content);
}

void ConverterWindow::setText(Control field, std::u16string_view text)
{
    HWND box = control(field);
    const auto limit = static_cast<std::size_t>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
    SetWindowTextW(box, wide(text.substr(0, limit)).c_str());
}

void ConverterWindow::setLimit(Control field, std::size_t characters)
{
    SendMessageW(control(field), EM_SETLIMITTEXT, characters, 0);
}

void ConverterWindow::enableCopy()
{
    EnableWindow(control(Control::CopyButton), TRUE);
}

core::MonthLanguage ConverterWindow::monthLanguage() const
{
    return SendMessageW(control(Control::GermanMonthsOption), BM_GETCHECK, 0, 0) == BST_CHECKED
        ? core::MonthLanguage::German
        : core::MonthLanguage::English;
}

void ConverterWindow::setPanelText(form::StatusPanel panel, std::u16string_view text)
{
    const auto position = std::find(form::kStatusPanels.begin(), form::kStatusPanels.end(), panel);
    SendMessageW(control(Control::StatusBar), SB_SETTEXTW, static_cast<WPARAM>(position - form::kStatusPanels.begin()),
                 reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void ConverterWindow::setCaption(std::u16string_view caption)
{
    SetWindowTextW(window, wide(caption).c_str());
}

void ConverterWindow::showMessage(std::u16string_view text, form::MessageIcon icon)
{
    desktop.showMessage(window, form::kTitle, text, icon);
}

void ConverterWindow::scheduleTick(std::chrono::milliseconds delay)
{
    nextTick = delay;
    SetTimer(window, kTickTimer, static_cast<UINT>(delay.count()), nullptr);
}

}  // namespace win32
