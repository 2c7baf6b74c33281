#pragma once
// The one door to the operating system. Plain functions on opaque handles, declared here and
// defined by exactly one backend per binary: platform/win32 for the programs, the scripted
// FakeToolkit for the requester's tests. The backend translates; every rule about colours,
// positions, flags and order lives above it.
//
// Texts are UTF-8 here; a backend converts at its own border.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Color32.hpp"
#include "requester/Raster.hpp"

namespace tintgrab {

struct Window;       // a top-level or popup window of the program
struct Control;      // a child control of a window
struct ScreenSource; // the whole screen, opened for capturing during one eyedropper run

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A screen rectangle; right and bottom are exclusive.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A monitor in virtual-screen coordinates (physical pixels).
struct MonitorRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const MonitorRect&, const MonitorRect&) = default;
};

enum class EventKind : std::uint8_t {
    none,          // nothing was pending (non-waiting take only)
    closeRequest,  // the user asked a window to close (close box, Alt+F4, the system menu)
    leftPressed,   // left button pressed over any window or control of the program
    leftReleased,  // left button released
    pointerMoved,  // pointer moved over any window or control of the program
    repaint,       // a window must be repainted (shown, uncovered, its background erased)
    controlEvent,  // a control reported something: see ControlEventKind
    shortcut,      // a keyboard shortcut of a window fired: see shortcutId
};

enum class ControlEventKind : std::uint8_t {
    click,            // a button was clicked, or an image view was clicked with the left button
    textChanged,      // the user changed a text field's text (typing, deleting, pasting)
    selectionChanged, // the user chose an item of a drop-down list
    other,            // anything else (focus changes, double clicks, the list opening, ...)
};

struct Event {
    EventKind kind = EventKind::none;
    Window* window = nullptr;   // the top-level window the event belongs to
    Control* control = nullptr; // controlEvent: the control that reported it
    ControlEventKind controlEvent = ControlEventKind::other;
    std::int32_t shortcutId = 0;
};

// ---- Event queue --------------------------------------------------------------------------------
// Taking an event lets the toolkit dispatch it first: a control has updated itself by the time its
// event is returned. Changes the program makes to its own controls produce no events.
Event takeEvent(); // the next pending event, or kind none; never waits
Event waitEvent(); // waits until an event arrives
void pause(std::int32_t milliseconds);

// ---- Windows ------------------------------------------------------------------------------------
// A tool window (narrow title bar, no task-bar entry) with a close box, without minimise and
// maximise boxes, not resizable; its client area is clientWidth x clientHeight and its outer
// rectangle's top-left corner is (x, y). Shown and activated at once. Null when it cannot be opened.
Window* openDialogWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                         std::int32_t clientHeight, Window* owner);
// The outer size of a dialog window with that client size.
Point dialogOuterSize(std::int32_t clientWidth, std::int32_t clientHeight);
// A borderless popup whose client area is at (x, y) in virtual-screen coordinates; shown and activated.
Window* openPopupWindow(std::string_view title, std::int32_t x, std::int32_t y, std::int32_t clientWidth,
                        std::int32_t clientHeight, Window* owner);
void closeWindow(Window* window); // its controls and shortcuts go with it
bool windowExists(Window* window);
ScreenRect windowRect(Window* window); // outer rectangle
void setClientSize(Window* window, std::int32_t clientWidth, std::int32_t clientHeight); // keeps the position
void moveWindow(Window* window, std::int32_t x, std::int32_t y);                         // keeps the size
void setTopmost(Window* window); // above every window that is not topmost itself; does not activate
void setBackgroundColor(Window* window, Color32 color); // red, green, blue; alpha ignored
void hideWindow(Window* window);
void showWindow(Window* window); // shown and activated
void setWindowEnabled(Window* window, bool enabled);
// Escape pressed while the window is active is reported as a shortcut event with this id.
void addEscapeShortcut(Window* window, std::int32_t id);

// ---- Controls -----------------------------------------------------------------------------------
// Every control but the label is a tab stop, in the order of creation.
// A drop-down list (not editable) with an image in front of each item; closedHeight tall closed,
// openHeight with its list open; nothing selected.
Control* createImageList(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t closedHeight, std::int32_t openHeight);
void addListItem(Control* list, std::string_view text, const Image& image);
std::int32_t listSelection(Control* list);                   // -1 when no item is selected
void setListSelection(Control* list, std::int32_t index);    // -1 clears; raises no event
// A single-line field with a sunken border and a white background into which only the digits 0 to 9
// can be typed (pasted text goes in unfiltered); the text scrolls sideways. Empty when made.
Control* createNumberField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
// A single-line read-only field with centred text, a sunken border and an explicitly white background.
Control* createReadOnlyField(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
// A static text centred both ways, without border, on the window's background; not a tab stop.
Control* createLabel(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::string_view text);
// A push button without text showing the image centred at its natural size (one pixel right and down
// while held), with a focus rectangle when it holds the focus. The image is copied; null means none.
Control* createImageButton(Window* parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                           const Image* image);
// An image view at (0, 0) of the window, showing the image at its natural size; a left click on it is
// a control event of kind click. The image is copied.
Control* createImageView(Window* parent, const Image& image);
std::string controlText(Control* control);
void setControlText(Control* control, std::string_view text); // raises no event
Control* focusedControl();                                    // null when no control of ours has it
void setFocus(Control* control);

// ---- Pointer ------------------------------------------------------------------------------------
// The pointer in the window's client coordinates; (-1, -1) while it is outside the client area.
Point pointerInClient(Window* window);
Point pointerOnScreen(); // virtual-screen coordinates
Point clientToScreen(Window* window, Point point);
void showPointer(bool show); // ShowCursor(TRUE/FALSE): a counter, so calls pair up
ScreenRect pointerConfinement(); // the rectangle in force (the whole screen when none)
void confinePointer(const ScreenRect& rect);
// While captured, pointer messages come to the window even from outside it.
void capturePointer(Window* window);
void releasePointer();

// ---- Drawing on windows -------------------------------------------------------------------------
// Copies the image onto the window's client area at (x, y): a pixel with alpha 0 of a 32-bit image
// leaves the window's own content (its controls included) as it is; every other pixel replaces it.
void drawImageOnWindow(Window* window, const Image& image, std::int32_t x, std::int32_t y);
// Inverts red, green and blue of the w x h pixels at (x, y) of the window's client area.
void invertBox(Window* window, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);

// ---- Screen -------------------------------------------------------------------------------------
std::vector<MonitorRect> listMonitors(); // primary first, then the platform's order
Point primaryScreenSize();               // the whole primary screen, not its work area
ScreenSource* openScreen();              // null when the screen cannot be opened
Point screenSize(ScreenSource* screen);
// ORs the screen's pixels at (x, y), image-sized, into the 24-bit image: an exact copy on a black image.
void captureScreen(ScreenSource* screen, std::int32_t x, std::int32_t y, Image& into);
void closeScreen(ScreenSource* screen);

// ---- System -------------------------------------------------------------------------------------
Color32 buttonFaceColor(); // the system button-face colour, red in the low byte, alpha byte 0

// ---- Clipboard ----------------------------------------------------------------------------------
// The clipboard's plain text; empty when it cannot be opened or holds no text.
std::string readClipboardText();
// Replaces the clipboard's content by the text; a failure is silent.
void writeClipboardText(std::string_view text);

// ---- The program --------------------------------------------------------------------------------
// Defined by the program, called by the backend's entry point; returns the exit code.
int programMain();

} // namespace tintgrab
