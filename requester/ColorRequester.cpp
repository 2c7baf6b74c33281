// The colour dialog: preparation, the event loop and the teardown.
//
// Sections: dispatch of one event · the per-pass steps · ColorRequester itself.

#include "requester/ColorRequester.hpp"
#include "requester/RequesterLoop.hpp"

#include "requester/ChannelFields.hpp"
#include "requester/ColorModel.hpp"
#include "requester/Eyedropper.hpp"
#include "requester/Layout.hpp"
#include "requester/Pointer.hpp"
#include "requester/Rendering.hpp"
#include "requester/RequesterState.hpp"

namespace tintgrab {

namespace {

void finish(RequesterState& s, Color32 value)
{
    s.done = true;
    s.result = value;
}

bool isNumberField(const RequesterState& s, const Control* control)
{
    return control && (control == s.redField || control == s.greenField || control == s.blueField
                       || control == s.alphaField);
}

void dispatch(RequesterState& s, const Event& event)
{
    switch (event.kind) {
    case EventKind::closeRequest: finish(s, s.originalColor); return;
    case EventKind::leftPressed: onLeftPressed(s); return;
    case EventKind::leftReleased: onLeftReleased(s); return;
    case EventKind::pointerMoved: onPointerMoved(s); return;
    case EventKind::repaint: s.repaintRequested = true; return;
    case EventKind::controlEvent: break;
    default: return;
    }
    const Control* control = event.control;
    if (!control) return;
    if (control == s.cancelButton) finish(s, s.originalColor);
    else if (control == s.okButton) finish(s, s.currentColor);
    else if (control == s.pickButton) runEyedropper(s);
    else if (isNumberField(s, control)) {
        if (event.controlEvent == ControlEventKind::textChanged) onFieldChanged(s);
    } else if (control == s.paletteCombo) {
        if (event.controlEvent == ControlEventKind::selectionChanged) onPalettePick(s);
    }
}

void syncSquareFromColor(RequesterState& s)
{
    const SquarePosition position = squarePositionOf(s.currentColor);
    s.hueColor = position.hueColor;
    s.svX = position.svX;
    s.svY = position.svY;
    s.needHsvSync = false;
}

// While the strip is dragged the hue follows the row under the marker; otherwise the strip is laid
// out again around the hue and the marker goes back to its middle.
void syncHue(RequesterState& s)
{
    if (s.draggingHue) s.hueColor = hueFromStrip(s.images.hueStripImage, s.huePos);
    else layOutHueStrip(s.images.hueStripImage, s.hueTable, s.hueColor, s.hueIndex, s.huePos, s.alphaMode);
    s.needHueSync = false;
}

void redraw(RequesterState& s)
{
    composeCanvas(s);
    bringFieldsInStep(s);
    bringListSelectionInStep(s);
    fillFormatCells(s.formatCells, s.currentColor);
    s.needRedraw = false;
    s.repaintRequested = true;
}

void runLoop(RequesterState& s, const PassObserver& afterPass)
{
    for (;;) {
        // Every pending event is handled before anything is drawn: a burst costs one composition.
        do {
            dispatch(s, s.lastEvent);
            if (s.done) break;
            s.lastEvent = takeEvent();
        } while (s.lastEvent.kind != EventKind::none);

        if (s.needHsvSync) syncSquareFromColor(s);
        if (s.needHueSync) syncHue(s);
        if (s.needRedraw) redraw(s);
        if (s.repaintRequested) {
            copyCanvasToWindow(s);
            s.repaintRequested = false;
        }
        if (afterPass) afterPass(s);
        if (s.done) return;
        s.lastEvent = waitEvent();
    }
}

} // namespace

Color32 ColorRequester(Color32 color, std::string_view formatText, std::int32_t alphaMode, Window* parentWindow)
{
    return runRequester(color, formatText, alphaMode, parentWindow, nullptr);
}

Color32 runRequester(Color32 color, std::string_view formatText, std::int32_t alphaMode, Window* parentWindow,
                     const PassObserver& afterPass)
{
    RequesterState s;
    s.formatText = std::string(formatText);
    s.alphaMode = alphaMode ? 1 : 0;
    s.parentWindow = parentWindow;
    s.result = color;

    makeFixedImages(s.images, s.alphaMode);
    s.hueTable = buildHueTable();
    makeHueStripImage(s.images, s.alphaMode);
    s.paletteEntries = generatePalette();
    FormatTable table = parseFormatText(s.formatText, s.alphaMode);
    s.dialogTitle = std::move(table.dialogTitle);
    s.formatCells = std::move(table.formatCells);

    const bool hasParent = parentWindow && windowExists(parentWindow);
    if (hasParent) setWindowEnabled(parentWindow, false);

    if (openRequesterWindow(s, table.tableHeight)) {
        s.originalColor = s.compareColor = s.currentColor = color;
        s.needRedraw = s.needHsvSync = s.needHueSync = true;
        s.lastEvent = Event{};
        runLoop(s, afterPass);
        // A drag still held (the loop ended by the keyboard or a close request) gives the pointer back.
        endDrags(s);
        closeWindow(s.requesterWindow);
    }
    if (hasParent && windowExists(parentWindow)) setWindowEnabled(parentWindow, true);
    return s.result;
    // The images, lists and texts go with s.
}

} // namespace tintgrab
