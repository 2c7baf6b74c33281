// Clipboard text as UTF-8 above the border, CF_UNICODETEXT below it.

#include <windows.h>

#include <cstring>
#include <string>

#include "core/Utf16.hpp"
#include "platform/Toolkit.hpp"

namespace tintgrab {

namespace {

// Clipboard managers and remote-desktop tools hold the clipboard open for a few milliseconds at a
// time; keep trying for about half a second before giving up.
constexpr int openAttempts = 50;
constexpr DWORD openRetryMs = 10;

// An invisible message-only window to own the clipboard while we write it: SetClipboardData
// fails after OpenClipboard(NULL) and EmptyClipboard on Windows.
HWND clipboardOwner()
{
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    return owner;
}

bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < openAttempts; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(openRetryMs);
    }
    return false;
}

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) : open_(openClipboard(owner)) {}
    ~ClipboardSession() { if (open_) CloseClipboard(); }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool isOpen() const { return open_; }

private:
    bool open_;
};

} // namespace

std::string readClipboardText()
{
    ClipboardSession session(nullptr);
    if (!session.isOpen()) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    const auto* text = static_cast<const char16_t*>(GlobalLock(data));
    if (!text) return {};
    // The text ends at its terminating zero, but never beyond the memory block that holds it.
    const std::size_t capacity = GlobalSize(data) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < capacity && text[length] != 0) ++length;
    std::string result = utf8FromUtf16(std::u16string_view(text, length));
    GlobalUnlock(data);
    return result;
}

void writeClipboardText(std::string_view text)
{
    const std::u16string wide = utf16FromUtf8(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return;
    }
    ClipboardSession session(clipboardOwner());
    if (!session.isOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory); // the clipboard did not take it
}

} // namespace tintgrab
