// A clipboard owner that hangs, for the Windows end-to-end test: it takes the clipboard with text it promises
// to render when asked (delayed rendering) and then never answers, like a program that froze. Prints
// "owner" once it holds the clipboard.
#include <windows.h>

#include <cstdio>

int main()
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!OpenClipboard(window))
        return 1;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    std::puts("owner");
    std::fflush(stdout);
    Sleep(INFINITE);
}
