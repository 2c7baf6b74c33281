// The programs' entry point. No command line is read; the exit code is always the program's.

#include <windows.h>

#include "platform/Toolkit.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return tintgrab::programMain();
}
