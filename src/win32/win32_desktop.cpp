#include "win32_desktop.h"

#include "wide_text.h"

#include <shellapi.h>

#include <chrono>
#include <thread>
#include <utility>

namespace {

// Another program may hold the clipboard open for a moment; after this many tries of 10 ms it is taken as
// not answering.
constexpr int kOpenTries = 200;

bool openClipboard(HWND owner, int tries)
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

// The clipboard's text, cut to the paste limit, never inside a surrogate pair; empty when it holds none.
// Runs away from the window's thread: an owner that renders late blocks GetClipboardData until it does.
std::optional<std::u16string> readClipboard()
{
    // Asking an owner that does not answer to render its text would hold the clipboard open, for every
    // program, as long as Windows waits for it: it is asked first whether it answers at all.
    if (HWND owner = GetClipboardOwner(); owner
        && !SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                static_cast<UINT>(form::kClipboardDeadline.count()) - 100, nullptr))
        return std::nullopt;
    if (!openClipboard(nullptr, kOpenTries))
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

}  // namespace

Win32Desktop::Win32Desktop() = default;
Win32Desktop::~Win32Desktop() = default;

void Win32Desktop::setWindow(HWND target)
{
    window = target;
}

core::Instant Win32Desktop::now() const
{
    return std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now());
}

std::optional<core::Moment> Win32Desktop::localTime(std::chrono::sys_seconds utc) const
{
    const core::Moment moment = core::utcMoment(utc);
    const int year = static_cast<int>(moment.date.year());
    // What SYSTEMTIME holds.
    if (year < 1601 || year > 30827)
        return std::nullopt;
    const SYSTEMTIME universal{static_cast<WORD>(year),
                               static_cast<WORD>(core::monthOf(moment.date)),
                               0,
                               static_cast<WORD>(core::dayOf(moment.date)),
                               static_cast<WORD>(moment.time.hour),
                               static_cast<WORD>(moment.time.minute),
                               static_cast<WORD>(moment.time.second),
                               0};
    // The zone's rules for that year, where Windows keeps them year by year.
    DYNAMIC_TIME_ZONE_INFORMATION computerZone;
    TIME_ZONE_INFORMATION zone;
    SYSTEMTIME local;
    if (GetDynamicTimeZoneInformation(&computerZone) == TIME_ZONE_ID_INVALID
        || !GetTimeZoneInformationForYear(static_cast<USHORT>(year), &computerZone, &zone)
        || !SystemTimeToTzSpecificLocalTime(&zone, &universal, &local))
        return std::nullopt;
    return core::Moment{std::chrono::year{local.wYear} / local.wMonth / local.wDay,
                        core::ClockTime{local.wHour, local.wMinute, local.wSecond}, 0};
}

void Win32Desktop::copy(std::u16string_view text, form::CopyAnswer answer)
{
    // A paste that hangs holds the clipboard open; the copy then waits a tenth of a second at most.
    if (!openClipboard(window, 10)) {
        answer(form::ClipboardAnswer::Silent);
        return;
    }
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
        auto* characters = static_cast<char16_t*>(GlobalLock(memory));
        text.copy(characters, text.size());
        characters[text.size()] = u'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
    answer(form::ClipboardAnswer::Done);
}

void Win32Desktop::requestPaste(form::PasteAnswer answer)
{
    pendingPaste = std::move(answer);
    const WPARAM number = ++pasteNumber;
    SetTimer(window, kPasteTimer, static_cast<UINT>(form::kClipboardDeadline.count()), nullptr);
    std::thread([target = window, number] {
        const auto text = readClipboard();
        if (!text)
            return;
        auto* posted = new std::u16string(*text);
        if (!PostMessageW(target, kPasteRead, number, reinterpret_cast<LPARAM>(posted)))
            delete posted;
    }).detach();
}

bool Win32Desktop::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPasteRead) {
        const std::unique_ptr<std::u16string> text(reinterpret_cast<std::u16string*>(lParam));
        // An answer after its deadline, or to an earlier request, is dropped.
        if (wParam == pasteNumber)
            answerPaste(form::ClipboardAnswer::Done, std::move(*text));
        return true;
    }
    if (message == WM_TIMER && wParam == kPasteTimer) {
        answerPaste(form::ClipboardAnswer::Silent, {});
        return true;
    }
    return false;
}

void Win32Desktop::answerPaste(form::ClipboardAnswer answer, std::u16string text)
{
    KillTimer(window, kPasteTimer);
    ++pasteNumber;
    if (const form::PasteAnswer pending = std::exchange(pendingPaste, nullptr))
        pending(answer, std::move(text));
}

void Win32Desktop::showMessage(HWND owner, std::u16string_view title, std::u16string_view text, form::MessageIcon icon)
{
    MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(),
                MB_OK | (icon == form::MessageIcon::Critical ? MB_ICONSTOP : MB_ICONINFORMATION));
}

bool Win32Desktop::openWebAddress(std::u16string_view address)
{
    // Windows reports success as any value above 32.
    const auto result = ShellExecuteW(window, nullptr, wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
