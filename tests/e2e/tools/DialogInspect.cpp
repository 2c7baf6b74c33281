// Lists the shown colour dialog from another process, through the system's window queries alone:
//
//   DialogInspect dialog    the dialog's title, client size, styles and button-face colour, then one
//                           line per child window: class, rectangle in the dialog's client area, style,
//                           ex-style, text
//
// Text is printed as UTF-8. Exit code 0 on success, 1 when no dialog is found, 2 on bad use.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t programClass[] = L"TintgrabWindow";

std::string utf8(const std::wstring& text)
{
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// WM_GETTEXT rather than GetWindowText: across processes only the message reads an edit control's text.
std::wstring textOf(HWND hwnd)
{
    const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring classOf(HWND hwnd)
{
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

std::vector<HWND> programWindows()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM list) noexcept -> BOOL {
            if (classOf(hwnd) == programClass) reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

int printDialog()
{
    for (HWND dialog : programWindows()) {
        const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
        if (!(style & WS_CAPTION) || !IsWindowVisible(dialog)) continue; // the eyedropper's popups have none
        RECT client = {};
        GetClientRect(dialog, &client);
        std::printf("title\t%s\n", utf8(textOf(dialog)).c_str());
        std::printf("client\t%ld\t%ld\n", client.right, client.bottom);
        std::printf("style\t%08llX\t%08llX\n", static_cast<unsigned long long>(style),
                    static_cast<unsigned long long>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
        std::printf("face\t%06lX\n", static_cast<unsigned long>(GetSysColor(COLOR_BTNFACE)));
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT rect = {};
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
            std::printf("child\t%s\t%ld\t%ld\t%ld\t%ld\t%08llX\t%08llX\t%s\n", utf8(classOf(child)).c_str(), rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        static_cast<unsigned long long>(GetWindowLongPtrW(child, GWL_STYLE)),
                        static_cast<unsigned long long>(GetWindowLongPtrW(child, GWL_EXSTYLE)),
                        utf8(textOf(child)).c_str());
        }
        return 0;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "dialog") == 0) return printDialog();
    std::fprintf(stderr, "usage: DialogInspect dialog\n");
    return 2;
}
