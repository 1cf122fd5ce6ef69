// The baseline for the Windows command line's answer time: a console program that prints one line, built the
// same way (MinGW-w64, static).
#include <cstdio>

int main()
{
    std::puts("141638okt09");
}
