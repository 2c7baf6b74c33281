// A small console helper for the end-to-end tests: it finds the Win32 window behind an X window
// (Wine records the X window id of every top-level window in the property
// "__wine_x11_whole_window") and answers what X cannot tell, or acts the Windows way.
//
//   WindowProbe client XID   prints "x y width height": the client area in screen coordinates
//   WindowProbe close XID    posts WM_CLOSE, the same close request as the close box or Alt+F4
//
// Exit code 0 on success, 1 when no window of this process's desktop has that X window, 2 on bad use.
// Taking the X id rather than the title keeps the title's accents out of the command line, whose
// conversion to UTF-16 would depend on the locale Wine runs in.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct WindowSearch {
    std::uint64_t xWindow;
    HWND found;
};

BOOL CALLBACK matchWholeWindow(HWND window, LPARAM param) noexcept
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    const auto xWindow = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(
        GetPropA(window, "__wine_x11_whole_window")));
    if (xWindow == search->xWindow) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND windowOfX(const char* text)
{
    char* end = nullptr;
    const std::uint64_t xWindow = std::strtoull(text, &end, 0);
    if (end == text || *end != '\0' || xWindow == 0) return nullptr;
    WindowSearch search{xWindow, nullptr};
    EnumWindows(matchWholeWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: WindowProbe client|close XID\n");
        return 2;
    }
    const HWND window = windowOfX(argv[2]);
    if (window == nullptr) return 1;

    if (std::strcmp(argv[1], "client") == 0) {
        RECT client{};
        POINT origin{0, 0};
        if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return 1;
        std::printf("%ld %ld %ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y),
                    static_cast<long>(client.right), static_cast<long>(client.bottom));
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    std::fprintf(stderr, "WindowProbe: unknown command %s\n", argv[1]);
    return 2;
}
