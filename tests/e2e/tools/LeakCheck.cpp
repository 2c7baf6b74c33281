// Opens and closes the real dialog many times in one process, then runs the eyedropper many times
// inside one dialog, and checks that nothing the program makes is left behind: the process's
// windows (top-level and child, hidden ones included) and the backend's live GDI objects and image
// lists come back to what they were after the first dialog. GetGuiResources is printed too; under
// Wine it reads 0, so it counts only where it reads more than that (on Windows).
//
//   LeakCheck ALPHAMODE [DIALOGS [PICKS]]      (defaults 210 and 60)
//
// A thread timer plays the user: it closes each dialog (WM_CLOSE, as the close box does), or
// clicks the pick button and closes the eyedropper's covering window. Exit code 0 when nothing grew.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "launcher/BuildVariants.hpp"
#include "platform/win32/Win32Diagnostics.hpp"
#include "requester/ColorRequester.hpp"

namespace {

using namespace tintgrab;

struct Counts {
    long windows = 0;
    long long handles = 0;
    unsigned long gdi = 0, user = 0;
};

BOOL CALLBACK countChild(HWND, LPARAM count) noexcept
{
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK countOwnTopLevel(HWND window, LPARAM count) noexcept
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(count);
        EnumChildWindows(window, countChild, count);
    }
    return TRUE;
}

Counts counts()
{
    Counts c;
    EnumWindows(countOwnTopLevel, reinterpret_cast<LPARAM>(&c.windows));
    c.handles = liveBackendHandles();
    c.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return c;
}

void print(const char* label, const Counts& c)
{
    std::printf("%-34s windows %ld, backend handles %lld, GetGuiResources GDI %lu USER %lu\n", label, c.windows,
                c.handles, c.gdi, c.user);
}

// The program's shown windows: the dialog (it has a caption) and the eyedropper's covering windows.
struct Shown {
    HWND dialog = nullptr;
    HWND popup = nullptr;
};

BOOL CALLBACK findShown(HWND window, LPARAM param) noexcept
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = {};
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || !GetClassNameW(window, name, 64)
        || lstrcmpW(name, L"TintgrabWindow") != 0)
        return TRUE;
    auto* shown = reinterpret_cast<Shown*>(param);
    if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) shown->dialog = window;
    else shown->popup = window;
    return TRUE;
}

Shown shownWindows()
{
    Shown shown;
    EnumWindows(findShown, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// What the timer does: close dialogs, or run the eyedropper `picksLeft` times and then close.
int picksLeft = 0;
bool countPicks = false;
Counts pickBaseline;
long long pickGrowth = 0;
int picksDone = 0;
Counts whileOpen; // seen with a dialog shown: proves the counts see what the program makes

void CALLBACK playUser(HWND, UINT, UINT_PTR, DWORD) noexcept
{
    const Shown shown = shownWindows();
    if (shown.popup) { // the eyedropper is running: end it the way Escape or a close would
        PostMessageW(shown.popup, WM_CLOSE, 0, 0);
        return;
    }
    if (!shown.dialog) return;
    if (whileOpen.windows == 0) whileOpen = counts();
    if (countPicks) {
        const Counts now = counts();
        if (picksDone == 0) pickBaseline = now;
        pickGrowth = std::max(pickGrowth, (now.windows - pickBaseline.windows) + (now.handles - pickBaseline.handles));
        ++picksDone;
    }
    if (picksLeft > 0) {
        --picksLeft;
        countPicks = true;
        // The pick button's centre, client (336, 156).
        if (HWND button = ChildWindowFromPointEx(shown.dialog, POINT{336, 156}, CWP_ALL))
            SendMessageW(button, BM_CLICK, 0, 0);
        return;
    }
    PostMessageW(shown.dialog, WM_CLOSE, 0, 0);
}

} // namespace

int main(int argc, char** argv)
{
    const std::int32_t alphaMode = argc > 1 && std::atoi(argv[1]) ? 1 : 0;
    const int dialogs = argc > 2 ? std::atoi(argv[2]) : 210;
    const int picks = argc > 3 ? std::atoi(argv[3]) : 60;
    const std::string_view formatText = alphaMode ? alphaFormatText : opaqueFormatText;
    SetTimer(nullptr, 0, 15, playUser);

    const Counts before = counts();
    print("before any dialog", before);
    ColorRequester(0xFF336699u, formatText, alphaMode, nullptr);
    const Counts first = counts();
    print("after the first dialog", first);
    for (int i = 1; i < dialogs; ++i) ColorRequester(0xFF336699u, formatText, alphaMode, nullptr);
    const Counts afterDialogs = counts();
    char label[64];
    std::snprintf(label, sizeof label, "after %d dialogs", dialogs);
    print(label, afterDialogs);

    picksLeft = picks;
    ColorRequester(0xFF336699u, formatText, alphaMode, nullptr);
    const Counts afterPicks = counts();
    print("with a dialog open", whileOpen);
    std::snprintf(label, sizeof label, "after %d eyedropper runs", picksDone);
    print(label, afterPicks);
    std::printf("growth between eyedropper runs, at most: %lld\n", pickGrowth);

    bool leaked = afterDialogs.windows != first.windows || afterDialogs.handles != first.handles
               || afterPicks.windows != first.windows || afterPicks.handles != first.handles || pickGrowth != 0
               || first.handles != before.handles || picksDone < picks;
    if (whileOpen.windows < 10 || whileOpen.handles < 3) {
        std::printf("the counts did not see the open dialog\n");
        leaked = true;
    }
    // Counted by the system where it can (Windows); a little slack for objects the system caches.
    if (first.gdi > 0 && (afterDialogs.gdi > first.gdi + 8 || afterPicks.gdi > first.gdi + 8)) leaked = true;
    if (first.user > 0 && (afterDialogs.user > first.user + 8 || afterPicks.user > first.user + 8)) leaked = true;
    std::printf("%s\n", leaked ? "LEAK" : "nothing left behind");
    return leaked ? 1 : 0;
}
