#pragma once
#include "requester/RequesterState.hpp"

namespace tintgrab {

// The client height for a table of tableHeight pixels.
std::int32_t requesterClientHeight(std::int32_t tableHeight, std::int32_t alphaMode);

// The outer top-left corner of a window of outerSize: centred on the parent's outer rectangle (never
// negative), or on the whole primary screen (0 where the window is larger than the screen).
Point requesterPosition(Point outerSize, const ScreenRect* parentRect, Point screenSize);

// Opens requesterWindow with its controls, the palette list filled and the format table's controls
// made; sets faceColor. False when the window could not be opened (no control is made then).
bool openRequesterWindow(RequesterState& s, std::int32_t tableHeight);

} // namespace tintgrab
