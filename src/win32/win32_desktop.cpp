#include "win32_desktop.h"

#include "handles.h"
#include "wide_text.h"

#include <objbase.h>
#include <shellapi.h>

#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

struct Win32Desktop::PasteRead {
    std::mutex lock;
    std::u16string text;
};

namespace {

// What a finished clipboard copy or read posts to the desktop's window; a paste's deadline is its timer.
constexpr UINT kCopyDone = WM_APP + 1;
constexpr UINT kPasteRead = WM_APP + 2;
constexpr UINT_PTR kPasteTimer = 1;
constexpr wchar_t kClassName[] = L"taktzeitDesktop";

using Deadline = std::chrono::steady_clock::time_point;

DWORD millisecondsUntil(Deadline deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<DWORD>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Another program may hold the clipboard open for a moment: it is tried every 10 ms until the deadline.
bool openClipboard(HWND owner, Deadline deadline)
{
    while (!OpenClipboard(owner)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(10);
    }
    return true;
}

// The clipboard's text, cut to the paste limit, never inside a surrogate pair; empty when it holds none.
// Runs away from the window's thread: an owner that renders late blocks GetClipboardData until it does.
std::optional<std::u16string> readClipboard(Deadline deadline)
{
    // Asking an owner that does not answer to render its text would hold the clipboard open, for every
    // program, as long as Windows waits for it: it is asked first whether it answers at all.
    if (HWND owner = GetClipboardOwner();
        owner && !SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, millisecondsUntil(deadline), nullptr))
        return std::nullopt;
    if (!openClipboard(nullptr, deadline))
        return std::nullopt;
    std::u16string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const char16_t*>(GlobalLock(data))) {
            // Up to the terminating zero, within the memory block however the owner wrote it.
            const std::u16string_view whole(characters, GlobalSize(data) / sizeof(char16_t));
            text = form::pastedPart(whole.substr(0, whole.find(u'\0')));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool writeClipboard(HWND owner, const std::u16string& text, Deadline deadline)
{
    if (!openClipboard(owner, deadline))
        return false;
    bool written = false;
    // Emptied, the clipboard belongs to the window, and no other program's forms of its old content remain.
    if (EmptyClipboard()) {
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
            auto* characters = static_cast<char16_t*>(GlobalLock(memory));
            text.copy(characters, text.size());
            characters[text.size()] = u'\0';
            GlobalUnlock(memory);
            written = SetClipboardData(CF_UNICODETEXT, memory);
            if (!written)
                GlobalFree(memory);
        }
    }
    CloseClipboard();
    return written;
}

}  // namespace

Win32Desktop::Win32Desktop()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = messageProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "RegisterClassExW");
    messages = CreateWindowExW(0, kClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!messages)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateWindowExW");
    SetWindowLongPtrW(messages, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Desktop::~Win32Desktop()
{
    SetWindowLongPtrW(messages, GWLP_USERDATA, 0);
    DestroyWindow(messages);
    if (comReady)
        win32::systemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")();
}

void Win32Desktop::setWindow(HWND target)
{
    window = target;
}

core::Instant Win32Desktop::now() const
{
    return clock.now();
}

std::optional<core::Moment> Win32Desktop::localTime(std::chrono::sys_seconds utc) const
{
    return clock.localTime(utc);
}

// Another program (a paste that hangs, a clipboard manager) may hold the clipboard open: it is waited for away
// from the window's thread, up to the deadline.
void Win32Desktop::copy(std::u16string_view text, form::CopyAnswer answer)
{
    pendingCopy = std::move(answer);
    const WPARAM number = ++copyNumber;
    std::thread([target = messages, number, text = std::u16string(text),
                 deadline = std::chrono::steady_clock::now() + form::kClipboardDeadline] {
        PostMessageW(target, kCopyDone, number, writeClipboard(target, text, deadline));
    }).detach();
}

void Win32Desktop::requestPaste(form::PasteAnswer answer)
{
    pendingPaste = std::move(answer);
    const WPARAM number = ++pasteNumber;
    pasteRead = std::make_shared<PasteRead>();
    SetTimer(messages, kPasteTimer, static_cast<UINT>(form::kClipboardDeadline.count()), nullptr);
    std::thread([target = messages, number, read = pasteRead,
                 deadline = std::chrono::steady_clock::now() + form::kClipboardDeadline] {
        const auto text = readClipboard(deadline);
        if (!text)
            return;
        std::lock_guard<std::mutex> taking(read->lock);
        read->text = *text;
        PostMessageW(target, kPasteRead, number, 0);
    }).detach();
}

LRESULT CALLBACK Win32Desktop::messageProcedure(HWND messages, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Desktop*>(GetWindowLongPtrW(messages, GWLP_USERDATA));
    if (!self || (message != kCopyDone && message != kPasteRead && message != WM_TIMER))
        return DefWindowProcW(messages, message, wParam, lParam);
    self->onMessage(message, wParam, lParam);
    return 0;
}

void Win32Desktop::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCopyDone) {
        if (const form::CopyAnswer answer = wParam == copyNumber ? std::exchange(pendingCopy, nullptr) : nullptr)
            answer(lParam ? form::ClipboardAnswer::Done : form::ClipboardAnswer::Silent);
    } else if (message == kPasteRead) {
        // An answer after its deadline, or to an earlier request, is dropped.
        if (wParam == pasteNumber) {
            std::unique_lock<std::mutex> taking(pasteRead->lock);
            std::u16string text = std::move(pasteRead->text);
            taking.unlock();
            answerPaste(form::ClipboardAnswer::Done, std::move(text));
        }
    } else if (wParam == kPasteTimer) {
        answerPaste(form::ClipboardAnswer::Silent, {});
    }
}

void Win32Desktop::answerPaste(form::ClipboardAnswer answer, std::u16string text)
{
    KillTimer(messages, kPasteTimer);
    ++pasteNumber;
    pasteRead.reset();
    if (const form::PasteAnswer pending = std::exchange(pendingPaste, nullptr))
        pending(answer, std::move(text));
}

void Win32Desktop::showMessage(HWND owner, std::u16string_view title, std::u16string_view text, form::MessageIcon icon)
{
    MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(),
                MB_OK | (icon == form::MessageIcon::Critical ? MB_ICONSTOP : MB_ICONINFORMATION));
}

// shell32 and COM are loaded on the first click of the link, not at start-up; the shell wants COM
// (apartment-threaded) on the thread that calls it.
bool Win32Desktop::openWebAddress(std::u16string_view address)
{
    static const auto initialise = win32::systemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static const auto execute = win32::systemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!comReady && initialise)
        comReady = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    if (!execute)
        return false;
    // Windows reports success as any value above 32.
    const auto result = execute(window, nullptr, wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
