#include "command_line_desktop.h"

#include "texts.h"
#include "wide_text.h"
#include "win32_clock.h"
#include "win32_desktop.h"

#include <chrono>
#include <string_view>
#include <system_error>

namespace {

std::optional<command_line::Outcome> answer(const std::vector<std::string>& arguments)
{
    Win32CommandLineDesktop desktop;
    return command_line::run(std::vector<std::string_view>(arguments.begin(), arguments.end()), Win32Clock(), desktop);
}

std::wstring fromUtf8(const std::string& text)
{
    std::wstring wide(static_cast<std::size_t>(
                          MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

// To a console as Unicode, which shows umlauts whatever its code page; into a file or a pipe as UTF-8.
void write(DWORD stream, const std::string& text)
{
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0, done = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = fromUtf8(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    }
}

}  // namespace

std::vector<std::string> argumentsOf(int argc, wchar_t* argv[])
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, bytes.data(), size, nullptr, nullptr);
        bytes.pop_back();
        arguments.push_back(std::move(bytes));
    }
    return arguments;
}

bool Win32CommandLineDesktop::copy(std::u16string_view text)
try {
    Win32Desktop desktop;
    std::optional<form::ClipboardAnswer> answer;
    desktop.copy(text, [&](form::ClipboardAnswer given) { answer = given; });
    // The copy gives up at the clipboard's deadline; an owner that hangs may keep it from saying so.
    const auto deadline = std::chrono::steady_clock::now() + 2 * form::kClipboardDeadline;
    while (!answer && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    return answer == form::ClipboardAnswer::Done;
} catch (const std::system_error&) {
    return false;
}

command_line::Typing Win32CommandLineDesktop::waitToType()
{
    return keyboard.waitUntilFree(std::chrono::seconds{2});
}

bool Win32CommandLineDesktop::type(std::u16string_view text)
{
    return keyboard.type(text);
}

void Win32CommandLineDesktop::notify(std::u16string_view message)
{
    win32::notifyOnDesktop(message);
}

std::optional<int> answerOnConsole(const std::vector<std::string>& arguments)
{
    const auto outcome = answer(arguments);
    if (!outcome)
        return std::nullopt;
    write(STD_OUTPUT_HANDLE, outcome->output);
    write(STD_ERROR_HANDLE, outcome->errors);
    return outcome->exitCode;
}

int answerWithoutConsole(const std::vector<std::string>& arguments)
{
    const auto outcome = answer(arguments);
    if (outcome && !outcome->errors.empty() && !outcome->told)
        MessageBoxW(nullptr, fromUtf8(outcome->errors).c_str(), wide(form::kTitle).c_str(), MB_OK | MB_ICONINFORMATION);
    return outcome ? outcome->exitCode : 2;
}
