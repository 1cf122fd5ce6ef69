// taktzeit.com: the command line on Windows. cmd and PowerShell find it before taktzeit.exe when a user types
// "taktzeit", and wait for it, so its answer can be piped, redirected and tested with %ERRORLEVEL%. Without
// options of its own it starts the window, taktzeit.exe beside it, and ends at once.
#include "command_line_desktop.h"

#include <windows.h>

#include <string>

namespace {

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
    const auto answered = answerOnConsole(argumentsOf(argc, argv));
    return answered ? *answered : startWindow();
}
