#pragma once
// Our own raster images and the drawing operations on them, with exact integer arithmetic.
//
// An Image holds one Color32 per pixel (0xAABBGGRR), row by row from the top-left corner.
// A 32-bit image has straight (not premultiplied) alpha; a 24-bit image has no alpha channel: it
// counts as opaque wherever it is drawn, and reading one of its pixels gives alpha 0.
// Every operation clips to its target, so no position can read or write outside an image.

#include <cstdint>
#include <vector>

#include "core/Color32.hpp"

namespace tintgrab {

enum class PixelFormat : std::uint8_t { rgb24, rgba32 };

class Image {
public:
    Image() = default;
    // A new 32-bit image is opaque black (0xFF000000), a new 24-bit image black.
    Image(std::int32_t width, std::int32_t height, PixelFormat format);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    PixelFormat format() const { return format_; }
    bool hasAlpha() const { return format_ == PixelFormat::rgba32; }
    bool empty() const { return pixels_.empty(); }

    // The pixel as a Color32; alpha 0 for a 24-bit image, 0 outside the image.
    Color32 pixel(std::int32_t x, std::int32_t y) const;

    // Raw rows for the drawing code and the platform's copies. In a 24-bit image the alpha byte
    // of each stored value is 0.
    Color32* row(std::int32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const Color32* row(std::int32_t y) const { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    Color32* data() { return pixels_.data(); }
    const Color32* data() const { return pixels_.data(); }

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    PixelFormat format_ = PixelFormat::rgba32;
    std::vector<Color32> pixels_;
};

enum class DrawMode : std::uint8_t {
    plain,        // red, green and blue replace the pixel's; a 32-bit target keeps its alpha
    alphaOnly,    // only the alpha byte of a 32-bit target is written
    blend,        // laid over the target by the blend arithmetic
    outlineBlend, // blend, with boxes drawn as their 1-pixel frame
};

// An image opened for drawing, with its current mode (plain when opened).
class Painter {
public:
    explicit Painter(Image& target) : target_(target) {}

    void setMode(DrawMode mode) { mode_ = mode; }
    DrawMode mode() const { return mode_; }

    void fillBox(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color);
    // Only horizontal and vertical lines are used: w or h is 1.
    void line(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color);
    void plot(std::int32_t x, std::int32_t y, Color32 color);
    // In blend modes each source pixel is blended by its own alpha (a 24-bit source counts as
    // opaque); in plain and alpha-only modes the source pixels are copied as the colour would be.
    // The source must not be the target.
    void drawImage(const Image& source, std::int32_t x, std::int32_t y);
    Color32 readPixel(std::int32_t x, std::int32_t y) const { return target_.pixel(x, y); }

private:
    // The clipped rectangle in the current mode, boxes filled whole (never as frames).
    void fillRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, Color32 color);

    Image& target_;
    DrawMode mode_ = DrawMode::plain;
};

// One pixel of the blend: the source colour with its alpha over the target pixel. On a 24-bit
// target the target counts as opaque and its alpha byte stays 0.
Color32 blendPixel(Color32 target, Color32 source, bool targetHasAlpha);

// floor(x / 255) for 0 <= x <= 65534 without a division.
constexpr std::uint32_t divide255(std::uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

// The image enlarged by a whole factor without smoothing: each pixel becomes a factor x factor block.
// A factor below 1 counts as 1; a result too large for 32-bit sizes is an empty image.
Image enlarged(const Image& source, std::int32_t factor);

} // namespace tintgrab
