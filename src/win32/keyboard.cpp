#include "keyboard.h"

#include "handles.h"
#include "texts.h"
#include "wide_text.h"

#include <shellapi.h>

#include <utility>
#include <vector>

namespace win32 {
namespace {

// The mandatory integrity level of a process (low, medium, high, system), or 0 where it cannot be read.
DWORD integrityOf(HANDLE process)
{
    static const auto openToken = systemFunction<decltype(OpenProcessToken)>(L"advapi32.dll", "OpenProcessToken");
    static const auto information =
        systemFunction<decltype(GetTokenInformation)>(L"advapi32.dll", "GetTokenInformation");
    static const auto count =
        systemFunction<decltype(GetSidSubAuthorityCount)>(L"advapi32.dll", "GetSidSubAuthorityCount");
    static const auto authority = systemFunction<decltype(GetSidSubAuthority)>(L"advapi32.dll", "GetSidSubAuthority");
    HANDLE token = nullptr;
    if (!openToken || !information || !count || !authority || !openToken(process, TOKEN_QUERY, &token))
        return 0;
    DWORD size = 0;
    information(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> label(size);
    DWORD level = 0;
    if (size && information(token, TokenIntegrityLevel, label.data(), size, &size)) {
        const PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
        level = *authority(sid, *count(sid) - 1u);
    }
    CloseHandle(token);
    return level;
}

// Whether the window belongs to a process of higher integrity than this one; one that cannot even be asked is.
bool runsWithHigherRights(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return true;
    const DWORD theirs = integrityOf(process);
    CloseHandle(process);
    return theirs > integrityOf(GetCurrentProcess());
}

bool keysUp()
{
    for (int key = 0x08; key <= 0xFE; ++key) {
        if (GetAsyncKeyState(key) & 0x8000)
            return false;
    }
    return true;
}

// An open menu holds the keyboard, as a moved or sized window does.
bool menuOpen(HWND window)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    return window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)
        && (thread.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE));
}

constexpr UINT kIconMessage = WM_APP + 1;

// The icon's messages: the balloon's end, however it came, ends the wait for it.
LRESULT CALLBACK balloonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT event = LOWORD(lParam);
    if (message == kIconMessage
        && (event == NIN_BALLOONTIMEOUT || event == NIN_BALLOONUSERCLICK || event == NIN_BALLOONHIDE)) {
        if (auto* shown = reinterpret_cast<bool*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            *shown = false;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

Keyboard::~Keyboard()
{
    letGo();
}

command_line::Typing Keyboard::waitUntilFree(std::chrono::milliseconds longest)
{
    // The user's lock: a second start while one types (a double press) ends without typing.
    lock = CreateMutexW(nullptr, FALSE, L"Local\\taktzeit-tippen");
    if (lock && GetLastError() == ERROR_ALREADY_EXISTS)
        return command_line::Typing::Busy;
    const auto deadline = std::chrono::steady_clock::now() + longest;
    while (!keysUp() || menuOpen(GetForegroundWindow())) {
        if (std::chrono::steady_clock::now() >= deadline) {
            letGo();
            return command_line::Typing::Impossible;
        }
        Sleep(10);
    }
    foreground = GetForegroundWindow();
    if (foreground && !runsWithHigherRights(foreground))
        return command_line::Typing::Ready;
    letGo();
    return command_line::Typing::Impossible;
}

// What follows the typing (a balloon that stays for seconds) does not keep the next press from typing.
void Keyboard::letGo()
{
    if (lock)
        CloseHandle(std::exchange(lock, nullptr));
}

bool Keyboard::type(std::u16string_view text)
{
    std::vector<INPUT> keys;
    for (const char16_t character : text) {
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = character;
            key.ki.dwFlags = KEYEVENTF_UNICODE | up;
            keys.push_back(key);
        }
    }
    const bool typed = GetForegroundWindow() == foreground
        && SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
    letGo();
    return typed;
}

void notifyOnDesktop(std::u16string_view text)
{
    static const auto notifyIcon = systemFunction<decltype(Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = balloonProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"taktzeit balloon";
    RegisterClassW(&windowClass);
    bool shown = true;
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        windowClass.hInstance, nullptr);
    if (window)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&shown));
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP | NIF_INFO | NIF_MESSAGE;
    icon.uCallbackMessage = kIconMessage;
    icon.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    const std::wstring title = wide(form::kTitle), message = wide(text);
    title.copy(icon.szTip, std::size(icon.szTip) - 1);
    title.copy(icon.szInfoTitle, std::size(icon.szInfoTitle) - 1);
    message.copy(icon.szInfo, std::size(icon.szInfo) - 1);
    icon.dwInfoFlags = NIIF_INFO;
    if (!window || !notifyIcon || !notifyIcon(NIM_ADD, &icon)) {
        MessageBoxW(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
    } else {
        // The balloon lasts while its icon does: until it times out, is clicked or closed, at most ten seconds.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{10};
        while (shown && std::chrono::steady_clock::now() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG got{};
            while (PeekMessageW(&got, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&got);
        }
        notifyIcon(NIM_DELETE, &icon);
    }
    if (window)
        DestroyWindow(window);
}

}  // namespace win32
