#pragma once
#include "requester/RequesterState.hpp"

namespace tintgrab {

// Paints the whole face into canvasImage from the fixed images. While the square or the strip is
// being dragged it also reads currentColor back from the freshly painted square, keeping the alpha.
// Leaves red, green, blue and alpha holding the channels of currentColor.
void composeCanvas(RequesterState& s);

// Copies the canvas to the window; its transparent pixels leave the controls' area alone.
void copyCanvasToWindow(RequesterState& s);

} // namespace tintgrab
