#include "converter_window.h"

#include "look.h"
#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

using form::Control;
using form::ControlKind;

namespace win32 {
namespace {

constexpr wchar_t kClassName[] = L"taktzeit";
// Control ids start above IDOK (1) and IDCANCEL (2), which the dialog manager sends for Enter and Esc.
constexpr int kFirstId = 100;

// Whether Windows gives the face itself when asked for it, not a substitute.
bool fontInstalled(const wchar_t* face)
{
    HFONT font = CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    wchar_t given[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, given);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return lstrcmpiW(given, face) == 0;
}

// Windows' TrueType successor of "MS Sans Serif"; where it is missing (as under Wine), a face of the same
// widths, and Tahoma last. Never the bitmap face, which does not scale.
const wchar_t* dialogFace()
{
    static const wchar_t* const face = [] {
        for (const wchar_t* candidate : {L"Microsoft Sans Serif", L"Arial", L"Liberation Sans"}) {
            if (fontInstalled(candidate))
                return candidate;
        }
        return L"Tahoma";
    }();
    return face;
}

HFONT makeFont(int points, UINT dpi, bool underline)
{
    return CreateFontW(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, dialogFace());
}

const wchar_t* classOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::Button:
    case ControlKind::Option: return L"BUTTON";
    case ControlKind::TextBox: return L"EDIT";
    case ControlKind::StatusBar: return STATUSCLASSNAMEW;
    case ControlKind::Label:
    case ControlKind::Link:
    case ControlKind::Picture: return L"STATIC";
    }
    return L"STATIC";
}

DWORD styleOf(const form::ControlLayout& row)
{
    // Siblings never paint over one another: a frame stays behind the controls drawn on it.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (row.settings & form::kDisabled)
        style |= WS_DISABLED;
    switch (row.kind) {
    case ControlKind::Frame: return style | BS_GROUPBOX;
    case ControlKind::Button: return style | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
    case ControlKind::Option:
        return style | BS_AUTORADIOBUTTON | (row.control == form::kMonthOptions.front() ? WS_GROUP : 0)
            | (row.settings & form::kSelected ? WS_TABSTOP : 0);
    case ControlKind::TextBox:
        return style | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | (row.settings & form::kReadOnly ? ES_READONLY : 0);
    case ControlKind::Label: return style | SS_LEFT;
    case ControlKind::Link: return style | SS_CENTER | SS_NOTIFY;
    case ControlKind::Picture: return style | WS_TABSTOP | WS_GROUP | SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE;
    case ControlKind::StatusBar: return style | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    }
    return style;
}

// Child windows are created bottom-most, and the dialog manager tabs down the stacking order: the keyboard
// order first, each field just after the label that names it (so screen readers take its name from the
// label), then the other controls, and the frames at the bottom, behind what is drawn on them.
std::vector<const form::ControlLayout*> creationOrder()
{
    std::vector<const form::ControlLayout*> order;
    const auto added = [&](const form::ControlLayout& row) {
        return std::find(order.begin(), order.end(), &row) != order.end();
    };
    for (Control control : form::kTabOrder) {
        for (const form::ControlLayout& row : form::kControls) {
            if (row.labelled == control)
                order.push_back(&row);
        }
        order.push_back(&form::layoutOf(control));
    }
    for (bool frames : {false, true}) {
        for (const form::ControlLayout& row : form::kControls) {
            if (!added(row) && (row.kind == ControlKind::Frame) == frames)
                order.push_back(&row);
        }
    }
    return order;
}

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
    logo = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    hand = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(2), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = logo;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // A fixed frame with minimize and close buttons but no maximize button.
    CreateWindowExW(0, kClassName, wide(form::kTitle).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    desktop.setWindow(window);
    createControls();
    form.load();
}

ConverterWindow::~ConverterWindow()
{
    if (window)
        DestroyWindow(window);
    for (HFONT font : {standardFont, labelFont, litLinkFont})
        DeleteObject(font);
}

void ConverterWindow::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const form::ControlLayout* row : creationOrder()) {
        controls.at(static_cast<std::size_t>(row->control)) = CreateWindowExW(
            row->kind == ControlKind::TextBox || row->kind == ControlKind::Picture ? WS_EX_CLIENTEDGE : 0,
            classOf(row->kind), wide(row->caption).c_str(), styleOf(*row), 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(row->control))), instance, nullptr);
    }
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    for (const form::ControlLayout& row : form::kControls) {
        if (row.hint.empty())
            continue;
        std::wstring hint = wide(row.hint);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(control(row.control));
        tool.lpszText = hint.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(control(Control::GermanMonthsOption), BM_SETCHECK, BST_CHECKED, 0);
    applyDpi(GetDpiForWindow(window));
}

int ConverterWindow::scaled(int twips) const
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Sizes every control, font and the window for the monitor's dpi: at creation and when it changes.
void ConverterWindow::applyDpi(UINT newDpi)
{
    dpi = newDpi;
    for (HFONT font : {standardFont, labelFont, litLinkFont})
        DeleteObject(font);
    standardFont = makeFont(form::kStandardFontPoints, dpi, false);
    labelFont = makeFont(form::kLabelFontPoints, dpi, false);
    litLinkFont = makeFont(form::kLabelFontPoints, dpi, true);
    for (const form::ControlLayout& row : form::kControls) {
        int left = row.place.left;
        int top = row.place.top;
        if (row.container != Control::Window) {
            left += form::layoutOf(row.container).place.left;
            top += form::layoutOf(row.container).place.top;
        }
        HWND child = control(row.control);
        SetWindowPos(child, nullptr, scaled(left), scaled(top), scaled(row.place.width), scaled(row.place.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(row.kind == ControlKind::Link && linkLit ? litLinkFont
                                                  : form::takesLabelFont(row.kind)     ? labelFont
                                                                                       : standardFont),
                     TRUE);
    }
    const int iconSize = MulDiv(form::kLogoPixels, static_cast<int>(dpi), 96);
    const auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, iconSize, iconSize, 0));
    if (const auto old = reinterpret_cast<HICON>(
            SendMessageW(control(Control::Logo), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
        old && old != logo)
        DestroyIcon(old);
    std::array<int, form::kStatusPanels.size()> edges{};
    for (std::size_t i = 0; i < edges.size(); ++i)
        edges[i] = scaled(form::kStatusPanelWidth * static_cast<int>(i + 1));
    SendMessageW(control(Control::StatusBar), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    RECT frame{0, 0, scaled(form::kClientWidth), scaled(form::kClientHeight)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConverterWindow::show(int showCommand)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT bounds;
    GetWindowRect(window, &bounds);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - (bounds.right - bounds.left)) / 2,
                 work.top + (work.bottom - work.top - (bounds.bottom - bounds.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, showCommand);
    SetFocus(control(form::kFirstFocus));
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
    if (auto* self = reinterpret_cast<ConverterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return self->onMessage(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ConverterWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (desktop.handleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_TIMER:
        if (wParam == kTickTimer) {
            KillTimer(window, kTickTimer);
            nextTick = std::chrono::milliseconds(-1);
            form.tick();
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
    case WM_CTLCOLORSTATIC: {
        const auto child = reinterpret_cast<HWND>(lParam);
        const auto dc = reinterpret_cast<HDC>(wParam);
        const Control which = controlOf(child);
        // Locked boxes keep the colours of the others.
        if (which != Control::None && form::layoutOf(which).kind == ControlKind::TextBox) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        if (which == Control::WebLink) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, linkLit ? litLinkColour() : GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            lastFocus = GetFocus();
        else if (lastFocus)
            SetFocus(lastFocus);
        return 0;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        window = nullptr;
        PostQuitMessage(0);
        return 0;
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

// The form's rule against the user's colours of the moment.
COLORREF ConverterWindow::litLinkColour()
{
    const auto colour = [](COLORREF system) {
        return form::Colour{GetRValue(system), GetGValue(system), GetBValue(system)};
    };
    const form::Colour lit =
        form::litLinkColour(colour(GetSysColor(COLOR_BTNFACE)), colour(GetSysColor(COLOR_WINDOWTEXT)));
    return RGB(lit.red, lit.green, lit.blue);
}

void ConverterWindow::setLinkLit(bool lit)
{
    if (linkLit == lit)
        return;
    linkLit = lit;
    SendMessageW(control(Control::WebLink), WM_SETFONT, reinterpret_cast<WPARAM>(lit ? litLinkFont : labelFont), TRUE);
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
