#pragma once
#include "requester/RequesterState.hpp"

namespace tintgrab {

// The three pointer handlers. They read the pointer position when they run and only change fields
// and raise flags; the loop draws.
void onLeftPressed(RequesterState& s);
void onPointerMoved(RequesterState& s);
void onLeftReleased(RequesterState& s);

// Ends every drag in progress: the pointer is shown and freed as before the drag.
void endDrags(RequesterState& s);

} // namespace tintgrab
