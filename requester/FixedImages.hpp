#pragma once
// The fixed pictures the requester paints its face from, made once when it opens: the six icons,
// the overlay of the saturation/value square, the channel bars, the checkerboards of the alpha
// build, the two markers, and the canvas and hue strip that are drawn on later.

#include <cstdint>

#include "requester/Raster.hpp"

namespace tintgrab {

struct RequesterImages {
    Image okIcon;         // 32 x 32
    Image cancelIcon;     // 24 x 24
    Image pickIcon;       // 32 x 32
    Image ringIcon;       // 15 x 15, centre pixel (7, 7) transparent
    Image arrowUpIcon;    // 24 x 24
    Image arrowDownIcon;  // 24 x 24
    Image svOverlayImage; // 256 x 256: white ramp to the left, black ramp to the bottom
    Image redBarImage;    // 256 x 10
    Image greenBarImage;  // 256 x 10
    Image blueBarImage;   // 256 x 10
    Image alphaBarImage;  // 256 x 10, alpha build only (empty otherwise)
    Image checkerImage;   // 48 x 64, 24-bit, alpha build only (empty otherwise)
    Image canvasImage;    // 372 x (346 + 22 * alphaMode), all transparent black
    Image barMarkerImage; // 3 x 16
    Image hueMarkerImage; // 26 x 3
    Image hueStripImage;  // 20 x (322 + 22 * alphaMode), opaque black until the strip is laid out
};

// Makes every picture up to and including hueMarkerImage. An icon whose embedded bytes cannot be
// decoded stays empty; drawing an empty image draws nothing.
void makeFixedImages(RequesterImages& images, std::int32_t alphaMode);

// Creates hueStripImage; called once the hue table exists.
void makeHueStripImage(RequesterImages& images, std::int32_t alphaMode);

} // namespace tintgrab
