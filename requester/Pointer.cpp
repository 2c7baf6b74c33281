#include "requester/Pointer.hpp"

#include <algorithm>

namespace tintgrab {

namespace {

// A drag area in client coordinates, edges included; right and bottom are exclusive here.
struct Area {
    std::int32_t x, y, width, height;
    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
    // The position limited to the area, for a pointer that escaped its confinement.
    Point limit(Point p) const
    {
        return {std::clamp(p.x, x, x + width - 1), std::clamp(p.y, y, y + height - 1)};
    }
};

constexpr Area squareArea{layout::squareX, layout::squareY, 256, 256};
constexpr Area redArea{layout::barX, layout::redBarY, layout::barWidth, layout::barHeight};
constexpr Area greenArea{layout::barX, layout::greenBarY, layout::barWidth, layout::barHeight};
constexpr Area blueArea{layout::barX, layout::blueBarY, layout::barWidth, layout::barHeight};
constexpr Area alphaArea{layout::barX, layout::alphaBarY, layout::barWidth, layout::barHeight};
constexpr Area newSwatchArea{layout::swatchX, layout::newSwatchY, layout::swatchWidth, layout::swatchHeight};
constexpr Area referenceSwatchArea{layout::swatchX, layout::referenceSwatchY, layout::swatchWidth, layout::swatchHeight};

Area stripArea(std::int32_t alphaMode)
{
    return {layout::stripX, layout::stripY, layout::stripWidth, layout::stripRows(alphaMode)};
}

bool outside(Point p) { return p.x == -1 && p.y == -1; }

// Hides the pointer and keeps it inside the area until the release; the dialog captures the
// pointer so that the release reaches it wherever it happens. A second drag can only start while
// another is held when the confinement was lost; the pointer is then already hidden and the
// confinement to give back already saved, so that the one release restores both.
void startDrag(RequesterState& s, const Area& area)
{
    if (!s.dragging()) {
        showPointer(false);
        s.savedCursorClip = pointerConfinement();
    }
    const Point origin = clientToScreen(s.requesterWindow, Point{0, 0});
    const ScreenRect rect{origin.x + area.x, origin.y + area.y, origin.x + area.x + area.width,
                          origin.y + area.y + area.height};
    confinePointer(rect);
    capturePointer(s.requesterWindow);
}

enum class Channel { red, green, blue, alpha };

// Sets one channel from the pointer's column on its bar and keeps the other three.
void setChannel(RequesterState& s, Channel channel, std::int32_t value)
{
    s.red = redOf(s.currentColor);
    s.green = greenOf(s.currentColor);
    s.blue = blueOf(s.currentColor);
    s.alpha = alphaOf(s.currentColor);
    switch (channel) {
    case Channel::red: s.red = value; break;
    case Channel::green: s.green = value; break;
    case Channel::blue: s.blue = value; break;
    case Channel::alpha: s.alpha = value; break;
    }
    s.currentColor = packRgba(s.red, s.green, s.blue, s.alpha);
    s.needRedraw = true;
    s.needHsvSync = true;
    s.needHueSync = true;
}

struct BarDrag {
    bool RequesterState::*flag;
    const Area* area;
    Channel channel;
};

constexpr BarDrag barDrags[] = {
    {&RequesterState::draggingRed, &redArea, Channel::red},
    {&RequesterState::draggingGreen, &greenArea, Channel::green},
    {&RequesterState::draggingBlue, &blueArea, Channel::blue},
    {&RequesterState::draggingAlpha, &alphaArea, Channel::alpha},
};

std::int32_t barCount(const RequesterState& s) { return s.alphaMode ? 4 : 3; }

void setSquare(RequesterState& s, Point p)
{
    s.svX = p.x - layout::squareX;
    s.svY = p.y - layout::squareY;
    s.needRedraw = true;
}

void setHuePos(RequesterState& s, Point p)
{
    s.huePos = p.y - layout::stripY;
    s.needRedraw = true;
    s.needHueSync = true;
}

} // namespace

void onLeftPressed(RequesterState& s)
{
    const Point p = pointerInClient(s.requesterWindow);
    bool started = false;
    if (!s.draggingSv && squareArea.contains(p)) {
        startDrag(s, squareArea);
        setSquare(s, p);
        s.draggingSv = true;
        started = true;
    }
    for (std::int32_t i = 0; i < barCount(s); ++i) {
        const BarDrag& bar = barDrags[i];
        if (s.*bar.flag || !bar.area->contains(p)) continue;
        startDrag(s, *bar.area);
        setChannel(s, bar.channel, p.x - layout::barX);
        s.*bar.flag = true;
        started = true;
    }
    const Area strip = stripArea(s.alphaMode);
    if (!s.draggingHue && strip.contains(p)) {
        startDrag(s, strip);
        setHuePos(s, p);
        s.draggingHue = true;
        started = true;
    }
    // No number field keeps the focus, so all of them follow the colour while it changes.
    if (started) setFocus(s.okButton);
}

void onPointerMoved(RequesterState& s)
{
    const Point p = pointerInClient(s.requesterWindow);
    // A pointer outside the client area (confinement lost) moves nothing; any other position is
    // limited to the dragged area, so no value leaves its range.
    if (!outside(p)) {
        if (s.draggingSv) setSquare(s, squareArea.limit(p));
        for (std::int32_t i = 0; i < barCount(s); ++i) {
            const BarDrag& bar = barDrags[i];
            if (s.*bar.flag) setChannel(s, bar.channel, bar.area->limit(p).x - layout::barX);
        }
        if (s.draggingHue) setHuePos(s, stripArea(s.alphaMode).limit(p));
    }

    const std::int32_t hover = newSwatchArea.contains(p) ? 1 : referenceSwatchArea.contains(p) ? 2 : 0;
    if (hover != s.hoverSwatch) {
        s.hoverSwatch = hover;
        s.needRedraw = true;
    }
}

void endDrags(RequesterState& s)
{
    if (!s.dragging()) return;
    showPointer(true);
    confinePointer(s.savedCursorClip);
    releasePointer();
    s.draggingSv = s.draggingRed = s.draggingGreen = s.draggingBlue = s.draggingAlpha = false;
    if (s.draggingHue) s.needHueSync = true;
    s.draggingHue = false;
    s.needRedraw = true;
}

void onLeftReleased(RequesterState& s)
{
    endDrags(s);
    // The swatches act on where the button is released, wherever it was pressed.
    const Point p = pointerInClient(s.requesterWindow);
    if (newSwatchArea.contains(p)) {
        s.compareColor = s.currentColor;
        s.needRedraw = true;
    } else if (referenceSwatchArea.contains(p)) {
        s.currentColor = s.compareColor;
        s.needHsvSync = true;
        s.needHueSync = true;
        s.needRedraw = true;
    }
}

} // namespace tintgrab
