#pragma once
// Decoding of the icon files (.ico) the program carries inside itself.

#include <cstddef>
#include <cstdint>
#include <span>

#include "requester/Raster.hpp"

namespace tintgrab {

// The icon in the bytes of an .ico file, as a 32-bit straight-alpha image. Where the file holds
// several images, the one taken is, among those of the first image's width and height, the one
// with the most bits per pixel (the first of equals). Images stored as 32-bit BGRA and as 24-bit
// BGR (transparency from the AND mask) are understood; anything else, and any damaged or truncated
// file, gives an empty image. Never reads outside the bytes given.
Image decodeIcon(std::span<const std::uint8_t> bytes);

} // namespace tintgrab
