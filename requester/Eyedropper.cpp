#include "requester/Eyedropper.hpp"

#include "requester/Pointer.hpp"

namespace tintgrab {

namespace {

constexpr std::int32_t magnifierSize = 121; // 17 pixels of 7 x 7, plus a 1-pixel black frame
constexpr std::int32_t grabSize = 17;
constexpr std::int32_t zoom = 7;
constexpr std::int32_t escapeShortcutId = 0;

bool contains(const MonitorRect& m, Point p)
{
    return p.x >= m.x && p.y >= m.y && std::int64_t{p.x} < std::int64_t{m.x} + m.width
        && std::int64_t{p.y} < std::int64_t{m.y} + m.height;
}

// Shows the 17 x 17 pixels around the pointer seven times enlarged with an inverted crosshair, and
// remembers the pixel under the pointer. Monitors without a picture or a covering window are passed over.
void updateMagnifier(RequesterState& s, const std::vector<MonitorRect>& monitors, Window* magnifier)
{
    const Point pointer = pointerOnScreen();
    for (std::size_t i = 0; i < monitors.size() && i < s.desktopShots.size(); ++i) {
        const MonitorRect& monitor = monitors[i];
        const DesktopShot& shot = s.desktopShots[i];
        if (!contains(monitor, pointer)) continue;
        if (!shot.hasImage || !shot.shotWindow) return;

        const Point at = magnifierPosition(monitor, pointer.x, pointer.y);
        moveWindow(magnifier, at.x, at.y);

        // The pointer's pixel lands at (8, 8); whatever lies beyond the picture's edges stays black.
        Image grab(grabSize, grabSize, PixelFormat::rgb24);
        Painter(grab).drawImage(shot.shotImage, grabSize / 2 - (pointer.x - monitor.x),
                                grabSize / 2 - (pointer.y - monitor.y));
        s.sampledColor = grab.pixel(grabSize / 2, grabSize / 2) & 0x00FFFFFFu;

        drawImageOnWindow(magnifier, enlarged(grab, zoom), 1, 1);
        // Both lines cross at the middle of the pointer's block; each stops one pixel short of the
        // picture's far edge and includes the frame pixel at its near end.
        invertBox(magnifier, 60, 0, 1, 119);
        invertBox(magnifier, 0, 60, 119, 1);
        return;
    }
}

// Waits for events until a pick, Escape or a close request ends the run.
void runPickLoop(RequesterState& s, const std::vector<MonitorRect>& monitors, Window* magnifier)
{
    // Show the magnifier at once, so that a click before any movement picks the pixel under the pointer.
    updateMagnifier(s, monitors, magnifier);
    do {
        s.lastEvent = waitEvent();
        switch (s.lastEvent.kind) {
        case EventKind::shortcut:
            if (s.lastEvent.shortcutId == escapeShortcutId) s.lastEvent.kind = EventKind::closeRequest;
            break;
        case EventKind::pointerMoved:
            updateMagnifier(s, monitors, magnifier);
            break;
        case EventKind::controlEvent:
            if (s.lastEvent.controlEvent != ControlEventKind::click) break;
            s.currentColor = withAlpha(s.sampledColor, alphaOf(s.currentColor));
            s.needRedraw = true;
            s.needHueSync = true;
            s.needHsvSync = true;
            s.lastEvent.kind = EventKind::closeRequest;
            break;
        default:
            break;
        }
    } while (s.lastEvent.kind != EventKind::closeRequest);
}

} // namespace

Point magnifierPosition(const MonitorRect& monitor, std::int32_t px, std::int32_t py)
{
    std::int64_t mx = std::int64_t{px} + 16, my = std::int64_t{py} + 16;
    if (mx + magnifierSize > std::int64_t{monitor.x} + monitor.width) mx -= 153;
    if (my + magnifierSize > std::int64_t{monitor.y} + monitor.height) my -= 153;
    return {static_cast<std::int32_t>(mx), static_cast<std::int32_t>(my)};
}

void runEyedropper(RequesterState& s)
{
    // A drag held while the eyedropper is started from the keyboard ends first.
    endDrags(s);
    hideWindow(s.requesterWindow);
    pause(50);
    while (takeEvent().kind != EventKind::none) {
    }

    std::vector<MonitorRect> monitors = listMonitors();
    ScreenSource* screen = openScreen();
    if (monitors.empty() && screen) {
        const Point size = screenSize(screen);
        monitors.push_back(MonitorRect{0, 0, size.x, size.y});
    }
    if (monitors.empty()) {
        if (screen) closeScreen(screen);
        showWindow(s.requesterWindow);
        return;
    }

    for (const MonitorRect& monitor : monitors) {
        DesktopShot& shot = s.desktopShots.emplace_back();
        if (monitor.width <= 0 || monitor.height <= 0) continue;
        shot.shotImage = Image(monitor.width, monitor.height, PixelFormat::rgb24);
        shot.hasImage = true;
        if (screen) captureScreen(screen, monitor.x, monitor.y, shot.shotImage);
        shot.shotWindow = openPopupWindow(s.dialogTitle, monitor.x, monitor.y, monitor.width, monitor.height,
                                          s.requesterWindow);
        if (shot.shotWindow) {
            setTopmost(shot.shotWindow);
            createImageView(shot.shotWindow, shot.shotImage);
        }
    }
    if (screen) closeScreen(screen);

    if (Window* magnifier = openPopupWindow(s.dialogTitle, 0, 0, magnifierSize, magnifierSize, s.requesterWindow)) {
        setTopmost(magnifier);
        setBackgroundColor(magnifier, 0);
        addEscapeShortcut(magnifier, escapeShortcutId);
        runPickLoop(s, monitors, magnifier);
        closeWindow(magnifier);
    }

    for (DesktopShot& shot : s.desktopShots)
        if (shot.shotWindow) closeWindow(shot.shotWindow);
    s.desktopShots.clear();
    showWindow(s.requesterWindow);
}

} // namespace tintgrab
