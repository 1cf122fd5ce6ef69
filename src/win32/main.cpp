#include "command_line_desktop.h"
#include "converter_window.h"
#include "texts.h"
#include "wide_text.h"
#include "win32_desktop.h"

#include <commctrl.h>
#include <windows.h>

#include <system_error>

namespace {

// A window that cannot be made ends the program with Windows' reason, where the user sees it.
int failed(const std::system_error& error)
{
    wchar_t* reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(error.code().value()), 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    const std::wstring text = wide(form::kWindowFailed) + L"\n\n" + (reason ? reason : L"");
    LocalFree(reason);
    MessageBoxW(nullptr, text.c_str(), wide(form::kTitle).c_str(), MB_OK | MB_ICONSTOP);
    return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // What a shortcut starts is done without a window, and without a console that would flash up.
    if (const auto arguments = argumentsOf(__argc, __wargv);
        command_line::actsWithoutTerminal(std::vector<std::string_view>(arguments.begin(), arguments.end())))
        return answerWithoutConsole(arguments);
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    try {
        Win32Desktop desktop;
        win32::ConverterWindow window(desktop);
        window.show(showCommand);
        MSG message{};
        BOOL got = 0;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0)
            window.dispatch(message);
        return got == 0 ? static_cast<int>(message.wParam) : 1;
    } catch (const std::system_error& error) {
        return failed(error);
    }
}
