#pragma once
// What the Win32 backend can tell about itself, for the leak checks of its tests.

#include <cstdint>

namespace tintgrab {

// GDI objects and image lists the backend holds right now (window backgrounds, button and image-view
// bitmaps, list images, and the short-lived ones while a call runs).
std::int64_t liveBackendHandles();

} // namespace tintgrab
