// The Win32 backend of the toolkit: windows, the event queue and the controls.
//
// Sections: handles and per-window data · the window procedure · the event queue · windows ·
// controls · pointer · drawing and the screen · system.
//
// Window* and Control* are the HWNDs themselves, ScreenSource* the screen's HDC. Every window of the
// program lives on the one GUI thread, so every message this thread sees belongs to the program.

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/Utf16.hpp"
#include "platform/Toolkit.hpp"
#include "platform/win32/Win32Diagnostics.hpp"

namespace tintgrab {

namespace {

// ---- Handles and per-window data -----------------------------------------------------------------

HWND hwndOf(Window* window) { return reinterpret_cast<HWND>(window); }
HWND hwndOf(Control* control) { return reinterpret_cast<HWND>(control); }
Window* windowOf(HWND hwnd) { return reinterpret_cast<Window*>(hwnd); }
Control* controlOf(HWND hwnd) { return reinterpret_cast<Control*>(hwnd); }

constexpr wchar_t windowClassName[] = L"TintgrabWindow";
constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL, which the dialog manager sends by itself

// Every GDI object and image list the backend keeps lives in one of these owners, made by owned();
// the count of live ones is what a leak check reads (Wine's GetGuiResources always answers 0).
std::int64_t liveOwnedHandles = 0;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const
    {
        DeleteObject(object);
        --liveOwnedHandles;
    }
};
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiObjectDeleter>;

struct ImageListDeleter {
    void operator()(HIMAGELIST list) const
    {
        ImageList_Destroy(list);
        --liveOwnedHandles;
    }
};
using ImageListOwner = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

GdiObject owned(HGDIOBJ object)
{
    if (object) ++liveOwnedHandles;
    return GdiObject(object);
}

ImageListOwner owned(HIMAGELIST list)
{
    if (list) ++liveOwnedHandles;
    return ImageListOwner(list);
}

// What one of our top-level windows owns; freed with the window.
struct WindowData {
    GdiObject background;
    std::vector<GdiObject> bitmaps;   // the images of its buttons and image views
    std::vector<ImageListOwner> imageLists;
    bool hasEscape = false;
    std::int32_t escapeId = 0;
    int nextControlId = firstControlId;
};

struct Backend {
    std::deque<Event> queue;
    bool suppressNotifications = false; // while the program changes its own controls
    bool classRegistered = false;
};

Backend& backend()
{
    static Backend theBackend;
    return theBackend;
}

WindowData* dataOf(HWND hwnd)
{
    return hwnd ? reinterpret_cast<WindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

bool isOurWindow(HWND hwnd)
{
    wchar_t name[64] = {};
    return hwnd && GetClassNameW(hwnd, name, 64) && lstrcmpW(name, windowClassName) == 0;
}

std::wstring className(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring wide(std::string_view text)
{
    const std::u16string converted = utf16FromUtf8(text);
    return std::wstring(converted.begin(), converted.end());
}

void push(EventKind kind, HWND window, HWND control = nullptr, ControlEventKind controlEvent = ControlEventKind::other)
{
    Event event;
    event.kind = kind;
    event.window = windowOf(window);
    event.control = controlOf(control);
    event.controlEvent = controlEvent;
    backend().queue.push_back(event);
}

// The description of a 32-bit top-down bitmap of the image's size.
BITMAPINFO topDownInfo(const Image& image)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section with the image's pixels, alpha premultiplied when asked.
HBITMAP bitmapOf(const Image& image, bool premultiply)
{
    const BITMAPINFO info = topDownInfo(image);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return bitmap;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::int32_t y = 0; y < image.height(); ++y)
        for (std::int32_t x = 0; x < image.width(); ++x) {
            const Color32 c = image.row(y)[x];
            std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            const std::uint32_t a = image.hasAlpha() ? c >> 24 : 255;
            if (premultiply) {
                r = r * a / 255;
                g = g * a / 255;
                b = b * a / 255;
            }
            *out++ = (a << 24) | (r << 16) | (g << 8) | b;
        }
    return bitmap;
}

// ---- The window procedure ------------------------------------------------------------------------

ControlEventKind controlEventKind(HWND control, WORD code)
{
    const std::wstring name = className(control);
    if (name == L"Button") return code == BN_CLICKED ? ControlEventKind::click : ControlEventKind::other;
    if (name == L"Static") return code == STN_CLICKED ? ControlEventKind::click : ControlEventKind::other;
    if (name == L"Edit") return code == EN_CHANGE ? ControlEventKind::textChanged : ControlEventKind::other;
    if (name == WC_COMBOBOXEXW || name == L"ComboBox")
        return code == CBN_SELCHANGE ? ControlEventKind::selectionChanged : ControlEventKind::other;
    return ControlEventKind::other;
}

void onCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    // Commands without a control (the dialog manager's IDOK and IDCANCEL) are not events.
    if (!control || backend().suppressNotifications || GetParent(control) != hwnd) return;
    push(EventKind::controlEvent, hwnd, control, controlEventKind(control, HIWORD(wParam)));
}

LRESULT onEraseBackground(HWND hwnd, HDC dc)
{
    RECT rect;
    GetClientRect(hwnd, &rect);
    const WindowData* data = dataOf(hwnd);
    FillRect(dc, &rect, data && data->background ? static_cast<HBRUSH>(data->background.get())
                                                  : GetSysColorBrush(COLOR_BTNFACE));
    return 1;
}

void onPaint(HWND hwnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    push(EventKind::repaint, hwnd);
}

LRESULT onControlColor(HWND hwnd, HDC dc, HWND control)
{
    if (className(control) == L"Edit") { // number fields and read-only fields: white, explicitly
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    // Labels stand on the window's own background.
    SetBkMode(dc, TRANSPARENT);
    const WindowData* data = dataOf(hwnd);
    return reinterpret_cast<LRESULT>(data && data->background ? static_cast<HBRUSH>(data->background.get())
                                                              : GetSysColorBrush(COLOR_BTNFACE));
}

// An image button: the platform's push-button face, the image centred at its natural size (one
// pixel right and down while pressed) and a focus rectangle.
void onDrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON) return;
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    HTHEME theme = OpenThemeData(item.hwndItem, L"BUTTON");
    if (theme) {
        const int state = pressed ? PBS_PRESSED : (item.itemState & ODS_DISABLED) ? PBS_DISABLED
                                                 : focused ? PBS_DEFAULTED : PBS_NORMAL;
        DrawThemeParentBackground(item.hwndItem, dc, &rect);
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &rect, nullptr);
        CloseThemeData(theme);
    } else {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
    if (auto bitmap = reinterpret_cast<HBITMAP>(GetPropW(item.hwndItem, L"TintgrabImage"))) {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        const int shift = pressed ? 1 : 0;
        const int x = rect.left + (rect.right - rect.left - info.bmWidth) / 2 + shift;
        const int y = rect.top + (rect.bottom - rect.top - info.bmHeight) / 2 + shift;
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, info.bmWidth, info.bmHeight, blend);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message) {
    case WM_NCCREATE: SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new WindowData)); break;
    case WM_NCDESTROY: delete dataOf(hwnd); SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0); break;
    case WM_CLOSE: push(EventKind::closeRequest, hwnd); return 0;
    case WM_PAINT: onPaint(hwnd); return 0;
    case WM_ERASEBKGND: return onEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: onCommand(hwnd, wParam, lParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return onControlColor(hwnd, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerClass()
{
    if (backend().classRegistered) return;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS; // a quick second press arrives as a double click, not as a press
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);
    backend().classRegistered = true;
}

// ---- The event queue ----------------------------------------------------------------------------

// The control that holds the focus, or the one of ours it belongs to (a list's inner parts).
HWND ownControlOf(HWND hwnd)
{
    while (hwnd && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) && !isOurWindow(GetParent(hwnd))) hwnd = GetParent(hwnd);
    return hwnd && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) ? hwnd : nullptr;
}

bool listIsOpen(HWND focus)
{
    HWND control = ownControlOf(focus);
    return control && className(control) == WC_COMBOBOXEXW && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0);
}

bool isEnterOrEscape(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP: return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
    case WM_CHAR: return msg.wParam == '\r' || msg.wParam == 27;
    default: return false;
    }
}

EventKind pointerEventOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return EventKind::leftPressed;
    case WM_LBUTTONUP: return EventKind::leftReleased;
    case WM_MOUSEMOVE: return EventKind::pointerMoved;
    default: return EventKind::none;
    }
}

// Dispatches one message; what it causes lands in the queue.
void handleMessage(MSG& msg)
{
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    if (isEnterOrEscape(msg) && !listIsOpen(msg.hwnd)) {
        // Escape is a shortcut where a window asked for one; otherwise neither key does anything.
        const WindowData* data = isOurWindow(top) ? dataOf(top) : nullptr;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && data && data->hasEscape) {
            Event event;
            event.kind = EventKind::shortcut;
            event.window = windowOf(top);
            event.shortcutId = data->escapeId;
            backend().queue.push_back(event);
        }
        return;
    }
    // Tab, Shift+Tab and the other keys of the dialog manager; it dispatches whatever it takes.
    if (!(isOurWindow(top) && IsDialogMessageW(top, &msg))) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const EventKind pointer = pointerEventOf(msg.message);
    if (pointer != EventKind::none) push(pointer, top);
}

Event nextEvent(bool wait)
{
    Backend& b = backend();
    for (;;) {
        if (!b.queue.empty()) {
            const Event event = b.queue.front();
            b.queue.pop_front();
            return event;
        }
        MSG msg;
        if (wait) {
            if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
                Event closing; // the thread is being told to quit: treat it as a close request
                closing.kind = EventKind::closeRequest;
                return closing;
            }
        } else if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            return {};
        }
        handleMessage(msg);
    }
}

constexpr DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD dialogExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

RECT outerRectFor(std::int32_t clientWidth, std::int32_t clientHeight, DWORD style, DWORD exStyle)
{
    RECT rect = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return rect;
}

HWND createControl(Window* parent, DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                   std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    HWND parentHwnd = hwndOf(parent);
    WindowData* data = dataOf(parentHwnd);
    if (!IsWindow(parentHwnd) || !data) return nullptr;
    HWND control = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                                   height, parentHwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(data->nextControlId++)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

// The program's own change of a control raises no event.
class SuppressedNotifications {
public:
    SuppressedNotifications() : previous_(backend().suppressNotifications) { backend().suppressNotifications = true; }
    ~SuppressedNotifications() { backend().suppressNotifications = previous_; }
    SuppressedNotifications(const SuppressedNotifications&) = delete;
    SuppressedNotifications& operator=(const SuppressedNotifications&) = delete;

private:
    bool previous_;
};

} // namespace

// ---- Event queue --------------------------------------------------------------------------------

Event takeEvent() { return nextEvent(false); }
Event waitEvent() { return nextEvent(true); }
void pause(std::int32_t milliseconds) { Sleep(static_cast<DWORD>(std::max(milliseconds, 0))); }

// ---- Windows ------------------------------------------------------------------------------------

Window* openDialogWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                         std::int32_t clientHeight, Window* owner)
{
    registerClass();
    const RECT outer = outerRectFor(clientWidth, clientHeight, dialogStyle, dialogExStyle);
    HWND hwnd = CreateWindowExW(dialogExStyle, windowClassName, wide(title).c_str(), dialogStyle, x, y,
                                outer.right - outer.left, outer.bottom - outer.top, hwndOf(owner), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    return windowOf(hwnd);
}

Point dialogOuterSize(std::int32_t clientWidth, std::int32_t clientHeight)
{
    const RECT outer = outerRectFor(clientWidth, clientHeight, dialogStyle, dialogExStyle);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

Window* openPopupWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                        std::int32_t clientHeight, Window* owner)
{
    registerClass();
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, windowClassName, wide(title).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                                x, y, clientWidth, clientHeight, hwndOf(owner), nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    if (!hwnd) return nullptr;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    return windowOf(hwnd);
}

void closeWindow(Window* window)
{
    if (IsWindow(hwndOf(window))) DestroyWindow(hwndOf(window));
}

bool windowExists(Window* window) { return window && IsWindow(hwndOf(window)); }

ScreenRect windowRect(Window* window)
{
    RECT rect = {};
    GetWindowRect(hwndOf(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void setClientSize(Window* window, std::int32_t clientWidth, std::int32_t clientHeight)
{
    HWND hwnd = hwndOf(window);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    const RECT outer = outerRectFor(clientWidth, clientHeight, style, exStyle);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void moveWindow(Window* window, std::int32_t x, std::int32_t y)
{
    SetWindowPos(hwndOf(window), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void setTopmost(Window* window)
{
    SetWindowPos(hwndOf(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void setBackgroundColor(Window* window, Color32 color)
{
    WindowData* data = dataOf(hwndOf(window));
    if (!data) return;
    data->background = owned(CreateSolidBrush(RGB(redOf(color), greenOf(color), blueOf(color))));
    InvalidateRect(hwndOf(window), nullptr, TRUE);
}

void hideWindow(Window* window) { ShowWindow(hwndOf(window), SW_HIDE); }

void showWindow(Window* window)
{
    ShowWindow(hwndOf(window), SW_SHOW);
    SetForegroundWindow(hwndOf(window));
}

void setWindowEnabled(Window* window, bool enabled) { EnableWindow(hwndOf(window), enabled ? TRUE : FALSE); }

void addEscapeShortcut(Window* window, std::int32_t id)
{
    if (WindowData* data = dataOf(hwndOf(window))) {
        data->hasEscape = true;
        data->escapeId = id;
    }
}

// ---- Controls -----------------------------------------------------------------------------------

Control* createImageList(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t closedHeight, std::int32_t openHeight)
{
    HWND list = createControl(parent, 0, WC_COMBOBOXEXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, width,
                              openHeight);
    if (!list) return nullptr;
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 0, 96);
    SendMessageW(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    dataOf(hwndOf(parent))->imageLists.push_back(owned(images));
    // The closed height follows the selection field's height, and the list resizes itself to it;
    // some versions add their own margin to the height they are given. Adjust the height asked for
    // until the whole closed control is exactly closedHeight pixels tall.
    LRESULT asked = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; asked != CB_ERR && attempt < 4; ++attempt) {
        RECT rect;
        GetWindowRect(list, &rect);
        const LONG difference = closedHeight - (rect.bottom - rect.top);
        if (difference == 0) break;
        asked += difference;
        SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
    }
    return controlOf(list);
}

void addListItem(Control* list, std::string_view text, const Image& image)
{
    HWND hwnd = hwndOf(list);
    if (!IsWindow(hwnd)) return;
    int imageIndex = -1;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, CBEM_GETIMAGELIST, 0, 0));
    if (images && !image.empty()) {
        GdiObject bitmap = owned(bitmapOf(image, false));
        if (bitmap) imageIndex = ImageList_Add(images, static_cast<HBITMAP>(bitmap.get()), nullptr);
    }
    std::wstring itemText = wide(text);
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | (imageIndex >= 0 ? CBEIF_IMAGE | CBEIF_SELECTEDIMAGE : 0);
    item.iItem = -1;
    item.pszText = itemText.data();
    item.iImage = item.iSelectedImage = imageIndex;
    SuppressedNotifications quiet;
    SendMessageW(hwnd, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::int32_t listSelection(Control* list)
{
    const LRESULT index = SendMessageW(hwndOf(list), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<std::int32_t>(index);
}

void setListSelection(Control* list, std::int32_t index)
{
    SuppressedNotifications quiet;
    SendMessageW(hwndOf(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

Control* createNumberField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return controlOf(createControl(parent, WS_EX_CLIENTEDGE, L"Edit", L"", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, x, y,
                                   width, height));
}

Control* createReadOnlyField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return controlOf(createControl(parent, WS_EX_CLIENTEDGE, L"Edit", L"",
                                   ES_READONLY | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, x, y, width, height));
}

Control* createLabel(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::string_view text)
{
    return controlOf(createControl(parent, 0, L"Static", wide(text), SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, x, y,
                                   width, height));
}

Control* createImageButton(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           const Image* image)
{
    HWND button = createControl(parent, 0, L"Button", L"", BS_OWNERDRAW | WS_TABSTOP, x, y, width, height);
    if (button && image && !image->empty()) {
        GdiObject bitmap = owned(bitmapOf(*image, true));
        SetPropW(button, L"TintgrabImage", bitmap.get());
        dataOf(hwndOf(parent))->bitmaps.push_back(std::move(bitmap));
    }
    return controlOf(button);
}

Control* createImageView(Window* parent, const Image& image)
{
    HWND view = createControl(parent, 0, L"Static", L"", SS_BITMAP | SS_NOTIFY, 0, 0, image.width(), image.height());
    if (!view) return nullptr;
    // Fully opaque, so that the view shows the pixels as they are.
    Image opaque(image.width(), image.height(), PixelFormat::rgb24);
    for (std::int32_t y = 0; y < image.height(); ++y) std::copy_n(image.row(y), image.width(), opaque.row(y));
    GdiObject bitmap = owned(bitmapOf(opaque, false));
    SendMessageW(view, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    dataOf(hwndOf(parent))->bitmaps.push_back(std::move(bitmap));
    return controlOf(view);
}

std::string controlText(Control* control)
{
    HWND hwnd = hwndOf(control);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return utf8FromUtf16(text);
}

void setControlText(Control* control, std::string_view text)
{
    SuppressedNotifications quiet;
    SetWindowTextW(hwndOf(control), wide(text).c_str());
}

Control* focusedControl() { return controlOf(ownControlOf(GetFocus())); }

void setFocus(Control* control) { SetFocus(hwndOf(control)); }

// ---- Pointer ------------------------------------------------------------------------------------

Point pointerInClient(Window* window)
{
    HWND hwnd = hwndOf(window);
    POINT p;
    RECT client;
    if (!IsWindowVisible(hwnd) || !GetCursorPos(&p) || !ScreenToClient(hwnd, &p) || !GetClientRect(hwnd, &client)
        || !PtInRect(&client, p))
        return {-1, -1};
    return {p.x, p.y};
}

Point pointerOnScreen()
{
    POINT p = {};
    GetCursorPos(&p);
    return {p.x, p.y};
}

Point clientToScreen(Window* window, Point point)
{
    POINT p = {point.x, point.y};
    ClientToScreen(hwndOf(window), &p);
    return {p.x, p.y};
}

void showPointer(bool show) { ShowCursor(show ? TRUE : FALSE); }

ScreenRect pointerConfinement()
{
    RECT rect = {};
    GetClipCursor(&rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void confinePointer(const ScreenRect& r)
{
    const RECT rect = {r.left, r.top, r.right, r.bottom};
    ClipCursor(&rect);
}

void capturePointer(Window* window) { SetCapture(hwndOf(window)); }
void releasePointer() { ReleaseCapture(); }

// ---- Drawing and the screen ---------------------------------------------------------------------

void drawImageOnWindow(Window* window, const Image& image, std::int32_t x, std::int32_t y)
{
    HWND hwnd = hwndOf(window);
    if (!IsWindow(hwnd) || image.empty()) return;
    // Only the pixels that are not transparent are copied: a clip region of their runs, row by row.
    std::vector<RECT> runs;
    bool everyPixel = true;
    if (image.hasAlpha()) {
        for (std::int32_t row = 0; row < image.height(); ++row) {
            const Color32* pixels = image.row(row);
            for (std::int32_t column = 0; column < image.width();) {
                if ((pixels[column] >> 24) == 0) {
                    everyPixel = false;
                    ++column;
                    continue;
                }
                const std::int32_t start = column;
                while (column < image.width() && (pixels[column] >> 24) != 0) ++column;
                runs.push_back(RECT{x + start, y + row, x + column, y + row + 1});
            }
        }
    }
    std::vector<std::uint32_t> bgra(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (std::int32_t row = 0; row < image.height(); ++row)
        for (std::int32_t column = 0; column < image.width(); ++column) {
            const Color32 c = image.row(row)[column];
            bgra[static_cast<std::size_t>(row) * static_cast<std::size_t>(image.width()) + static_cast<std::size_t>(column)] =
                0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        }

    HDC dc = GetDC(hwnd);
    if (!dc) return;
    GdiObject region;
    if (!everyPixel) {
        std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(runs.size());
        data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
        data->rdh.rcBound = RECT{x, y, x + image.width(), y + image.height()};
        std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data->Buffer));
        region = owned(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
        SelectClipRgn(dc, static_cast<HRGN>(region.get()));
    }
    const BITMAPINFO info = topDownInfo(image);
    if (everyPixel || region)
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(image.width()), static_cast<DWORD>(image.height()), 0, 0, 0,
                          static_cast<UINT>(image.height()), bgra.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(hwnd, dc);
}

void invertBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    HWND hwnd = hwndOf(window);
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    PatBlt(dc, x, y, w, h, DSTINVERT);
    ReleaseDC(hwnd, dc);
}

namespace {
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) noexcept
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<std::pair<bool, MonitorRect>>*>(list);
    const RECT& r = info.rcMonitor;
    monitors.emplace_back((info.dwFlags & MONITORINFOF_PRIMARY) != 0,
                          MonitorRect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    return TRUE;
}
} // namespace

std::vector<MonitorRect> listMonitors()
{
    std::vector<std::pair<bool, MonitorRect>> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    std::stable_partition(found.begin(), found.end(), [](const auto& m) { return m.first; });
    std::vector<MonitorRect> monitors;
    for (const auto& m : found) monitors.push_back(m.second);
    return monitors;
}

Point primaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

ScreenSource* openScreen() { return reinterpret_cast<ScreenSource*>(GetDC(nullptr)); }

Point screenSize(ScreenSource* screen)
{
    HDC dc = reinterpret_cast<HDC>(screen);
    return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

void captureScreen(ScreenSource* screen, std::int32_t x, std::int32_t y, Image& into)
{
    if (into.empty()) return;
    GdiObject bitmap = owned(bitmapOf(into, false));
    if (!bitmap) return;
    HDC memory = CreateCompatibleDC(reinterpret_cast<HDC>(screen));
    HGDIOBJ old = SelectObject(memory, bitmap.get());
    BitBlt(memory, 0, 0, into.width(), into.height(), reinterpret_cast<HDC>(screen), x, y, SRCPAINT);
    GdiFlush();
    SelectObject(memory, old);
    DeleteDC(memory);
    DIBSECTION section = {};
    if (GetObjectW(bitmap.get(), sizeof section, &section) != sizeof section || !section.dsBm.bmBits) return;
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    for (std::int32_t row = 0; row < into.height(); ++row)
        for (std::int32_t column = 0; column < into.width(); ++column) {
            const std::uint32_t p = *bits++;
            const Color32 c = ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
            into.row(row)[column] = into.hasAlpha() ? c | 0xFF000000u : c;
        }
}

void closeScreen(ScreenSource* screen) { ReleaseDC(nullptr, reinterpret_cast<HDC>(screen)); }

// ---- System -------------------------------------------------------------------------------------

Color32 buttonFaceColor() { return GetSysColor(COLOR_BTNFACE) & 0x00FFFFFFu; }

std::int64_t liveBackendHandles() { return liveOwnedHandles; }

} // namespace tintgrab
