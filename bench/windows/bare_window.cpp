// The baselines for the Windows program's start-up, built the same way (MinGW-w64, static): a bare Win32
// window of the same client size with a status bar, and with SAME_CONTROLS the same standard controls as
// taktzeit's window in their places, with one font and nothing behind them.
#include <windows.h>

#include <commctrl.h>

#ifdef SAME_CONTROLS
#include "layout.h"

#include <string>

namespace {

void createSameControls(HWND window, HINSTANCE instance)
{
    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    for (const form::ControlLayout& row : form::kControls) {
        const bool framed = row.container != form::Control::Window;
        const int left = row.place.left + (framed ? form::layoutOf(row.container).place.left : 0);
        const int top = row.place.top + (framed ? form::layoutOf(row.container).place.top : 0);
        const wchar_t* kind = row.kind == form::ControlKind::TextBox ? L"EDIT"
            : row.kind == form::ControlKind::StatusBar               ? STATUSCLASSNAMEW
            : row.kind == form::ControlKind::Frame || row.kind == form::ControlKind::Button
                || row.kind == form::ControlKind::Option
            ? L"BUTTON"
            : L"STATIC";
        const DWORD style = row.kind == form::ControlKind::Frame ? BS_GROUPBOX
            : row.kind == form::ControlKind::Option              ? BS_AUTORADIOBUTTON
                                                                 : 0;
        HWND control = CreateWindowExW(0, kind, std::wstring(row.caption.begin(), row.caption.end()).c_str(),
                                       WS_CHILD | WS_VISIBLE | style, left / 15, top / 15, row.place.width / 15,
                                       row.place.height / 15, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

}  // namespace
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"bare";
    RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 458, 388};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"bare", L"bare", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
#ifdef SAME_CONTROLS
    createSameControls(window, instance);
#else
    CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance, nullptr);
#endif
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
