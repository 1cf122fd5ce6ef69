// taktzeit.com: the command line on Windows. cmd and PowerShell find it before taktzeit.exe when a user types
// "taktzeit", and wait for it, so its answer can be piped, redirected and tested with %ERRORLEVEL%. Without
// options of its own it starts the window, taktzeit.exe beside it, and ends at once.
#include "command_line.h"
#include "win32_clock.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

std::string utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

// To a console as Unicode, which shows umlauts whatever its code page; into a file or a pipe as UTF-8.
void write(DWORD stream, const std::string& text)
{
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0, done = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::wstring wide(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                          L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()));
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    }
}

// The window program beside this one, with the same arguments.
int startWindow()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    path.replace(path.size() - 4, 4, L".exe");
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return 1;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::string> bytes;
    for (int i = 1; i < argc; ++i)
        bytes.push_back(utf8(argv[i]));
    const auto outcome = command_line::run(std::vector<std::string_view>(bytes.begin(), bytes.end()), Win32Clock());
    if (!outcome)
        return startWindow();
    write(STD_OUTPUT_HANDLE, outcome->output);
    write(STD_ERROR_HANDLE, outcome->errors);
    return outcome->exitCode;
}
