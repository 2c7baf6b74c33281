#pragma once
// The packed colour every part of the program passes around: red in bits 0-7, green 8-15,
// blue 16-23, alpha 24-31 (0xAABBGGRR). Written as decimal text it is a signed 32-bit integer.

#include <cstdint>

namespace tintgrab {

using Color32 = std::uint32_t;

// The packers add the shifted channels without masking or clamping, in arithmetic modulo 2^32:
// a value outside 0..255 spills into its neighbours and a negative one borrows from them.
constexpr Color32 packRgb(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    return static_cast<std::uint32_t>(red) + (static_cast<std::uint32_t>(green) << 8)
         + (static_cast<std::uint32_t>(blue) << 16);
}

constexpr Color32 packRgba(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t alpha)
{
    return packRgb(red, green, blue) + (static_cast<std::uint32_t>(alpha) << 24);
}

constexpr std::int32_t redOf(Color32 color) { return static_cast<std::int32_t>(color & 0xFFu); }
constexpr std::int32_t greenOf(Color32 color) { return static_cast<std::int32_t>((color >> 8) & 0xFFu); }
constexpr std::int32_t blueOf(Color32 color) { return static_cast<std::int32_t>((color >> 16) & 0xFFu); }
// An unsigned shift: alpha is never negative.
constexpr std::int32_t alphaOf(Color32 color) { return static_cast<std::int32_t>(color >> 24); }

// The colour with its alpha byte replaced.
constexpr Color32 withAlpha(Color32 color, std::int32_t alpha)
{
    return (color & 0x00FFFFFFu) | (static_cast<std::uint32_t>(alpha & 0xFF) << 24);
}

// The colour as the signed 32-bit integer it is written as.
constexpr std::int32_t signedValue(Color32 color) { return static_cast<std::int32_t>(color); }

} // namespace tintgrab
