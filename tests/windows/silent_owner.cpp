// A clipboard owner that hangs, for the Windows end-to-end test: it takes the clipboard with text it promises
// to render when asked (delayed rendering) and then never answers, like a program that froze; with "open" it
// holds the clipboard open instead, so that nobody can write to it. Prints "owner" once it holds the clipboard.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!OpenClipboard(window))
        return 1;
    if (argc < 2 || std::strcmp(argv[1], "open") != 0) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, nullptr);
        CloseClipboard();
    }
    std::puts("owner");
    std::fflush(stdout);
    Sleep(INFINITE);
}
