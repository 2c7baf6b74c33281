#pragma once
// Everything one call of ColorRequester works with. Handlers change fields and raise the need…
// flags; the loop acts on the flags once per pass, after the pending events are handled.
// Nothing survives from one call to the next.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Color32.hpp"
#include "formattable/FormatTable.hpp"
#include "platform/Toolkit.hpp"
#include "requester/FixedImages.hpp"
#include "requester/Palette.hpp"

namespace tintgrab {

// One monitor photographed by the eyedropper, and the window that covers it with its picture.
struct DesktopShot {
    Window* shotWindow = nullptr;
    Image shotImage; // empty when it could not be made
    bool hasImage = false;
};

struct RequesterState {
    Color32 currentColor = 0;  // the colour being edited
    Color32 originalColor = 0; // returned on cancel and close
    Color32 compareColor = 0;  // the reference swatch
    Color32 hueColor = 0;      // the hue under the square, at full saturation and value, alpha 0
    std::int32_t svX = 0, svY = 0; // position in the saturation/value square, 0..255
    std::int32_t huePos = 0;   // marker row on the hue strip
    std::int32_t hueIndex = 0; // where the strip's window into hueTable begins
    std::int32_t red = 0, green = 0, blue = 0, alpha = 0; // channel scratch values
    std::int32_t hoverSwatch = 0; // 0 neither, 1 the new-colour swatch, 2 the reference swatch
    bool draggingSv = false, draggingRed = false, draggingGreen = false, draggingBlue = false,
         draggingAlpha = false, draggingHue = false;
    ScreenRect savedCursorClip;  // the confinement in force when the last drag started
    Color32 sampledColor = 0;    // the eyedropper's last sample, alpha 0
    bool needHsvSync = true;     // derive svX, svY and hueColor from currentColor
    bool needHueSync = true;     // lay the hue strip out again, or read the hue from it while dragging
    bool needRedraw = true;      // compose the face again
    bool repaintRequested = false; // copy the composed face to the window
    bool done = false;           // leave the loop at the end of this pass
    Color32 result = 0;          // the value to return, fixed when done was set
    Event lastEvent;             // the event being handled
    Color32 faceColor = 0;       // the system button-face colour, opaque
    std::int32_t alphaMode = 0;  // 1: alpha bar, alpha field, checkerboards and the taller face
    Window* parentWindow = nullptr;

    // What the call owns.
    std::string formatText;
    std::string dialogTitle;
    std::vector<Color32> hueTable;
    std::vector<PaletteEntry> paletteEntries;
    std::vector<FormatCell> formatCells;
    std::vector<DesktopShot> desktopShots;
    RequesterImages images;
    // The square as composed for squareHue (the hue box under the overlay), kept because it only
    // changes with the hue: most compositions copy it instead of blending 65536 pixels again.
    Image composedSquare;
    Color32 squareHue = 0;

    Window* requesterWindow = nullptr;
    Control* paletteCombo = nullptr;
    Control* redField = nullptr;
    Control* greenField = nullptr;
    Control* blueField = nullptr;
    Control* alphaField = nullptr;
    Control* okButton = nullptr;
    Control* cancelButton = nullptr;
    Control* pickButton = nullptr;

    bool dragging() const
    {
        return draggingSv || draggingRed || draggingGreen || draggingBlue || draggingAlpha || draggingHue;
    }
};

// The face's geometry, in client coordinates of the dialog.
namespace layout {
inline constexpr std::int32_t clientWidth = 372;
inline constexpr std::int32_t faceHeight = 346; // plus 22 in the alpha build
inline constexpr std::int32_t squareX = 44, squareY = 12;
inline constexpr std::int32_t stripX = 12, stripY = 12, stripWidth = 20;
inline constexpr std::int32_t barX = 44, redBarY = 280, greenBarY = 302, blueBarY = 324, alphaBarY = 346;
inline constexpr std::int32_t barWidth = 256, barHeight = 10;
inline constexpr std::int32_t swatchX = 312, swatchWidth = 48, newSwatchY = 12, referenceSwatchY = 44,
                              swatchHeight = 32;
inline constexpr std::int32_t stripRows(std::int32_t alphaMode) { return 322 + 22 * alphaMode; }
} // namespace layout

} // namespace tintgrab
