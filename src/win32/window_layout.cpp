// The Windows window's controls, made from the form's table, and their places and fonts at the dpi of the
// monitor the window is on.
#include "accessible.h"
#include "converter_window.h"
#include "look.h"
#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

using form::Control;
using form::ControlKind;

namespace win32 {
namespace {

// Whether Windows gives the face itself when asked for it, not a substitute.
bool fontInstalled(const wchar_t* face)
{
    const OwnedFont font(CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font.get());
    wchar_t given[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, given);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return lstrcmpiW(given, face) == 0;
}

// Windows' TrueType successor of "MS Sans Serif"; where it is missing (as under Wine), a face of the same
// widths, and Tahoma last. Never the bitmap face, which does not scale.
const wchar_t* dialogFace()
{
    static const std::wstring face = [] {
        std::vector<std::wstring> candidates{L"Microsoft Sans Serif"};
        for (std::string_view name : form::kArialMetricFaces)
            candidates.emplace_back(name.begin(), name.end());
        for (const std::wstring& candidate : candidates) {
            if (fontInstalled(candidate.c_str()))
                return candidate;
        }
        return std::wstring(L"Tahoma");
    }();
    return face.c_str();
}

OwnedFont makeFont(int points, UINT dpi, bool underline)
{
    return OwnedFont(CreateFontW(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, underline,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, dialogFace()));
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

[[noreturn]] void creationFailed(const char* what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

}  // namespace

// Each control is made in its place with its font, so that nothing is moved or measured twice before the
// first paint. Child windows are created bottom-most, so the form's making order is the stacking order, down
// which the dialog manager tabs.
void ConverterWindow::createControls()
{
    dpi = GetDpiForWindow(window);
    makeFontsAndLogo();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const form::ControlLayout* row : form::makingOrder()) {
        const RECT place = placeOf(*row);
        HWND child = CreateWindowExW(
            row->kind == ControlKind::TextBox || row->kind == ControlKind::Picture ? WS_EX_CLIENTEDGE : 0,
            classOf(row->kind), wide(row->caption).c_str(), styleOf(*row), place.left, place.top,
            place.right - place.left, place.bottom - place.top, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(row->control))), instance, nullptr);
        if (!child || !makeAccessible(child, *row))
            creationFailed(row->name.data());
        controls.at(static_cast<std::size_t>(row->control)) = child;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(row->kind)), FALSE);
    }
    SendMessageW(control(form::kMonthOptions.front()), BM_SETCHECK, BST_CHECKED, 0);
    showLogoAndPanels();

    RECT frame{0, 0, form::pixels(form::kClientWidth, static_cast<int>(dpi)),
               form::pixels(form::kClientHeight, static_cast<int>(dpi))};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The hints of the fields show only under a resting pointer: they are added once the window has been painted.
void ConverterWindow::addHints()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    for (const form::ControlLayout& row : form::kControls) {
        if (row.hint.empty() || !tooltip)
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
}

RECT ConverterWindow::placeOf(const form::ControlLayout& row) const
{
    const form::PixelRect place = form::pixelPlace(row, form::Origin::Window, static_cast<int>(dpi));
    return RECT{place.left, place.top, place.left + place.width, place.top + place.height};
}

HFONT ConverterWindow::fontOf(ControlKind kind) const
{
    return kind == ControlKind::Link && linkLit ? litLinkFont.get()
        : form::takesLabelFont(kind)            ? labelFont.get()
                                                : standardFont.get();
}

void ConverterWindow::makeFontsAndLogo()
{
    standardFont = makeFont(form::kStandardFontPoints, dpi, false);
    labelFont = makeFont(form::kLabelFontPoints, dpi, false);
    litLinkFont = makeFont(form::kLabelFontPoints, dpi, true);
    const int iconSize = MulDiv(form::kLogoPixels, static_cast<int>(dpi), 96);
    logo.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, iconSize, iconSize, 0)));
}

void ConverterWindow::showLogoAndPanels()
{
    SendMessageW(control(Control::Logo), STM_SETICON, reinterpret_cast<WPARAM>(logo.get()), 0);
    std::array<int, form::kStatusPanels.size()> edges{};
    for (std::size_t i = 0; i < edges.size(); ++i)
        edges[i] = form::pixels(form::kStatusPanelWidth * static_cast<int>(i + 1), static_cast<int>(dpi));
    SendMessageW(control(Control::StatusBar), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

// On a monitor of another dpi: fonts, logo, places and sizes anew. The old fonts and logo are let go only once
// every control holds the new ones.
void ConverterWindow::applyDpi(UINT newDpi)
{
    dpi = newDpi;
    const std::array old{std::move(standardFont), std::move(labelFont), std::move(litLinkFont)};
    const OwnedIcon oldLogo = std::move(logo);
    makeFontsAndLogo();
    for (const form::ControlLayout& row : form::kControls) {
        const RECT place = placeOf(row);
        HWND child = control(row.control);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(row.kind)), FALSE);
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    showLogoAndPanels();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
    // A timer's message comes after the first paint.
    SetTimer(window, kHintsTimer, 0, nullptr);
}

}  // namespace win32
