#pragma once
#include "requester/RequesterState.hpp"

namespace tintgrab {

// Takes a colour from anywhere on the screen: hides the dialog, photographs every monitor, covers
// each with its frozen picture and follows the pointer with a magnifier until a left click picks
// the pixel under it (keeping the alpha), or Escape or a close request cancels. Runs to its end.
void runEyedropper(RequesterState& s);

// Where the 121 x 121 magnifier goes for the pointer at (px, py) on the monitor: 16 pixels right of
// and below the pointer, or 137 pixels left of or above it where it would reach past the monitor.
Point magnifierPosition(const MonitorRect& monitor, std::int32_t px, std::int32_t py);

} // namespace tintgrab
