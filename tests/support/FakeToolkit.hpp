#pragma once
// A scripted backend of platform/Toolkit.hpp for deterministic tests of the whole dialog.
//
// The test queues steps; each step runs when the dialog takes its next event, so it can move the
// pointer, type into a field or look at what the dialog has drawn before returning the event the
// dialog then handles. A step arrives while the dialog waits, so each one gets a loop pass of its
// own, unless samePass() says it was already pending together with the step before it. When the
// script runs out, waitEvent() answers with a close request of the active window, so a dialog can
// never hang a test.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Toolkit.hpp"

namespace tintgrab {

enum class FakeControlKind : std::uint8_t { imageList, numberField, readOnlyField, label, imageButton, imageView };

struct Control {
    FakeControlKind kind = FakeControlKind::label;
    Window* parent = nullptr;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    std::int32_t closedHeight = 0, openHeight = 0;
    std::string text;
    std::vector<std::string> itemTexts;
    std::vector<Image> itemImages;
    std::int32_t selection = -1;
    Image image;
    bool hasImage = false;
    std::int32_t order = 0; // creation order, for Tab
};

struct Window {
    bool dialog = false;
    std::string title;
    std::int32_t x = 0, y = 0;            // outer top-left (dialog) or client top-left (popup)
    std::int32_t clientWidth = 0, clientHeight = 0;
    Window* owner = nullptr;
    bool open = true, visible = true, enabled = true, topmost = false;
    Color32 background = 0;
    std::vector<std::unique_ptr<Control>> controls;
    std::vector<std::int32_t> escapeShortcuts;
    // What was drawn on the client area. Alpha 0 marks a pixel where the window's own background
    // shows (nothing was drawn there yet).
    Image surface;
    std::int32_t drawCount = 0;
    std::int32_t invertCount = 0;
};

namespace fake {

// Frame of a fake dialog: the client area starts this far from the outer top-left corner.
inline constexpr std::int32_t frameLeft = 3, frameTop = 26, frameRight = 3, frameBottom = 3;

using Step = std::function<Event()>;

// The confinement when nothing confines the pointer: the whole virtual screen.
inline constexpr ScreenRect unconfined{-32768, -32768, 32768, 32768};

struct ScriptStep {
    Step run;
    bool samePass = false; // pending together with the step before: handled in the same drain
};

struct Screen {
    std::vector<MonitorRect> monitors;
    // The pixels of the virtual screen, one image per monitor (24-bit), used by captureScreen.
    std::vector<Image> monitorPixels;
    bool canOpen = true;
    Point size{1280, 1024};
};

struct State {
    std::deque<ScriptStep> script;
    bool scriptExhausted = false;

    std::vector<std::unique_ptr<Window>> windows; // every window ever opened, closed ones included
    Window* active = nullptr;
    Control* focus = nullptr;
    std::int32_t controlsMade = 0;

    Point pointer{-1000, -1000}; // virtual-screen coordinates
    std::int32_t cursorCount = 0; // ShowCursor counter: 0 visible, below 0 hidden
    ScreenRect confinement = unconfined;
    Window* capture = nullptr;

    Screen screen;
    std::int32_t screensOpen = 0;
    std::int32_t pauses = 0;
    bool failDialogOpen = false;
    std::vector<std::int32_t> failingPopups; // numbers of the popups (counted from 0) that fail to open
    std::int32_t popupsOpened = 0;

    Color32 buttonFace = 0x00F0F0F0;
    std::string clipboard;

    std::int32_t eventsTaken = 0;
};

State& state();
void reset(); // a fresh state: no windows, empty script, one 1280x1024 monitor

// ---- Building a script ---------------------------------------------------------------------------
void queue(Step step);
// The step queued last arrives together with the one before it (handled in the same loop pass).
void samePass();
void queueEvent(Event event); // the event for the active window
// Pointer actions over the active dialog's client area (client coordinates).
void moveTo(std::int32_t x, std::int32_t y);
void press(std::int32_t x, std::int32_t y);
void release(std::int32_t x, std::int32_t y);
// Pointer actions in virtual-screen coordinates (the eyedropper).
void moveOnScreen(std::int32_t x, std::int32_t y);
void repaint();
void closeRequest();
// A click on the button at client (x, y) of the dialog.
void clickButtonAt(std::int32_t x, std::int32_t y);
// Types text into the field at client (x, y): sets its text, gives it the focus, raises textChanged.
void typeInto(std::int32_t x, std::int32_t y, std::string text);
void pickListItem(std::int32_t index);
void pressEscape();
// A left click on the frozen screen (the image view of whatever monitor is under the pointer).
void clickScreen();
// Runs f between two loop passes, without an event of its own (the next step follows at once).
void atStep(std::function<void()> f);

// ---- Inspecting ----------------------------------------------------------------------------------
Window* dialog();                       // the last dialog window opened
Control* controlAt(std::int32_t x, std::int32_t y); // of the last dialog, by its top-left corner
std::vector<Window*> openWindows();
std::int32_t openWindowCount();
Point clientOrigin(const Window* window);

} // namespace fake
} // namespace tintgrab
