#include "requester/Raster.hpp"

#include <algorithm>
#include <cstdint>

namespace tintgrab {

// Sections: images; the blend of one pixel; the row kernels (constant colour, then image rows);
// clipping; the painter's operations; enlarging.

Image::Image(std::int32_t width, std::int32_t height, PixelFormat format)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              format == PixelFormat::rgba32 ? 0xFF000000u : 0u)
{
}

Color32 Image::pixel(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return row(y)[x];
}

// ---- The blend of one pixel ----------------------------------------------------------------------

Color32 blendPixel(Color32 target, Color32 source, bool targetHasAlpha)
{
    const std::uint32_t a = source >> 24;
    if (a == 0) return target;
    if (!targetHasAlpha) {
        Color32 out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
            out |= ((s * a + t * (255 - a)) / 255) << shift;
        }
        return out;
    }
    const std::uint32_t d = target >> 24;
    if (d == 0) return source;
    const std::uint32_t weightT = (255 - a) * d, weightS = a * 255, total = weightT + weightS;
    Color32 out = (total / 255) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
        out |= ((t * weightT + s * weightS) / total) << shift;
    }
    return out;
}

namespace {

// The four bytes of a pixel spread into 16-bit lanes of a 64-bit word: red in bits 0-15, blue
// 16-31, green 32-47, alpha 48-63. A lane holds a product of two bytes (at most 65025) with
// room to spare, so arithmetic on all four lanes at once never carries from one into the next.
constexpr std::uint64_t spread(Color32 c)
{
    return (c & 0x00FF00FFu) | (std::uint64_t{c & 0xFF00FF00u} << 24);
}

constexpr Color32 gather(std::uint64_t lanes)
{
    return static_cast<Color32>((lanes & 0x00FF00FFu) | ((lanes >> 24) & 0xFF00FF00u));
}

// divide255 in every lane: each lane holds at most 65025, inside divide255's range.
constexpr std::uint64_t divide255Lanes(std::uint64_t x)
{
    return ((x + 0x0001000100010001u + ((x >> 8) & 0x00FF00FF00FF00FFu)) >> 8) & 0x00FF00FF00FF00FFu;
}

// floor((t * (255 - a) + s * a) / 255) in each colour channel, with sourceTimesAlpha =
// spread(source) * a. This is the blend over an opaque target (alpha stays 255) and, with the
// alpha byte cleared afterwards, the blend on a 24-bit target, for every a including 0 and 255.
inline Color32 mixChannels(Color32 target, std::uint64_t sourceTimesAlpha, std::uint32_t a)
{
    return gather(divide255Lanes(spread(target) * (255 - a) + sourceTimesAlpha));
}

// ---- Row kernels for a constant colour ----------------------------------------------------------
// Each writes `count` pixels from `pixels` on; the mode is chosen once per operation.

using ColorRow = void (*)(Color32* pixels, std::int32_t count, Color32 color);

void plainRow(Color32* pixels, std::int32_t count, Color32 color)
{
    const Color32 rgb = color & 0x00FFFFFFu;
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0xFF000000u) | rgb;
}

void alphaOnlyRow(Color32* pixels, std::int32_t count, Color32 color)
{
    const Color32 alpha = color & 0xFF000000u;
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0x00FFFFFFu) | alpha;
}

void nothingRow(Color32*, std::int32_t, Color32) {}

void fillRow(Color32* pixels, std::int32_t count, Color32 color) { std::fill(pixels, pixels + count, color); }

// Blend of a colour with 0 < alpha < 255 on a 32-bit target.
void blendRow32(Color32* pixels, std::int32_t count, Color32 color)
{
    const std::uint32_t a = color >> 24;
    const std::uint64_t sourceTimesAlpha = spread(color) * a;
    for (std::int32_t i = 0; i < count; ++i) {
        const Color32 target = pixels[i];
        if (target >= 0xFF000000u) pixels[i] = mixChannels(target, sourceTimesAlpha, a) | 0xFF000000u;
        else pixels[i] = blendPixel(target, color, true);
    }
}

// Blend of a colour with 0 < alpha < 255 on a 24-bit target; the alpha byte stays 0.
void blendRow24(Color32* pixels, std::int32_t count, Color32 color)
{
    const std::uint32_t a = color >> 24;
    const std::uint64_t sourceTimesAlpha = spread(color) * a;
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = mixChannels(pixels[i], sourceTimesAlpha, a) & 0x00FFFFFFu;
}

// The kernel and the colour it writes, for one operation. Blend shortcuts: alpha 0 changes
// nothing, alpha 255 writes the colour (with alpha 255 on a 32-bit target, none on a 24-bit one).
struct ColorKernel {
    ColorRow row;
    Color32 color;
};

ColorKernel colorKernel(DrawMode mode, bool targetHasAlpha, Color32 color)
{
    switch (mode) {
    case DrawMode::plain: return {plainRow, color};
    case DrawMode::alphaOnly: return {targetHasAlpha ? alphaOnlyRow : nothingRow, color};
    case DrawMode::blend:
    case DrawMode::outlineBlend: break;
    }
    const std::uint32_t a = color >> 24;
    if (a == 0) return {nothingRow, color};
    if (a == 255) return {fillRow, targetHasAlpha ? color : color & 0x00FFFFFFu};
    return {targetHasAlpha ? blendRow32 : blendRow24, color};
}

// ---- Row kernels for image rows -----------------------------------------------------------------
// Each combines `count` source pixels into as many target pixels; source and target never overlap.

using ImageRow = void (*)(Color32* pixels, const Color32* source, std::int32_t count);

void copyColorsRow(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0xFF000000u) | (source[i] & 0x00FFFFFFu);
}

void copyAlphaRow(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0x00FFFFFFu) | (source[i] & 0xFF000000u);
}

void opaqueAlphaRow(Color32* pixels, const Color32*, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) pixels[i] |= 0xFF000000u;
}

void nothingImageRow(Color32*, const Color32*, std::int32_t) {}

// A 24-bit source counts as opaque: its colours are copied with alpha 255.
void copyOpaqueRow(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = source[i] | 0xFF000000u;
}

void copyRgbRow(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) pixels[i] = source[i] & 0x00FFFFFFu;
}

// Each source pixel blended by its own alpha over a 32-bit target. Opaque targets, the common
// case, take the short quotient, which also holds for source alpha 0 and 255.
void blendImageRow32(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) {
        const Color32 target = pixels[i], color = source[i];
        const std::uint32_t a = color >> 24;
        if (a == 255) pixels[i] = color; // what the blend gives for an opaque pixel, over any target
        else if (target >= 0xFF000000u) pixels[i] = mixChannels(target, spread(color) * a, a) | 0xFF000000u;
        else pixels[i] = blendPixel(target, color, true);
    }
}

void blendImageRow24(Color32* pixels, const Color32* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) {
        const Color32 color = source[i];
        const std::uint32_t a = color >> 24;
        pixels[i] = mixChannels(pixels[i], spread(color) * a, a) & 0x00FFFFFFu;
    }
}

ImageRow imageKernel(DrawMode mode, bool targetHasAlpha, bool sourceHasAlpha)
{
    switch (mode) {
    case DrawMode::plain: return copyColorsRow;
    case DrawMode::alphaOnly:
        if (!targetHasAlpha) return nothingImageRow;
        return sourceHasAlpha ? copyAlphaRow : opaqueAlphaRow;
    case DrawMode::blend:
    case DrawMode::outlineBlend: break;
    }
    if (!sourceHasAlpha) return targetHasAlpha ? copyOpaqueRow : copyRgbRow;
    return targetHasAlpha ? blendImageRow32 : blendImageRow24;
}

// ---- Clipping ------------------------------------------------------------------------------------

// [begin, end) of the range start .. start + size - 1 that lies inside 0 .. limit - 1; begin ==
// end when nothing does. 64-bit arithmetic: start + size cannot overflow.
struct Range {
    std::int32_t begin = 0;
    std::int32_t end = 0;
    bool empty() const { return begin >= end; }
};

Range clipRange(std::int64_t start, std::int64_t size, std::int32_t limit)
{
    const std::int64_t begin = std::max<std::int64_t>(start, 0);
    const std::int64_t end = std::min<std::int64_t>(start + size, limit);
    if (begin >= end) return {};
    return {static_cast<std::int32_t>(begin), static_cast<std::int32_t>(end)};
}

} // namespace

// ---- The painter's operations --------------------------------------------------------------------

void Painter::fillRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, Color32 color)
{
    const Range columns = clipRange(x, w, target_.width());
    const Range rows = clipRange(y, h, target_.height());
    if (columns.empty() || rows.empty()) return;
    const ColorKernel kernel = colorKernel(mode_, target_.hasAlpha(), color);
    for (std::int32_t row = rows.begin; row < rows.end; ++row)
        kernel.row(target_.row(row) + columns.begin, columns.end - columns.begin, kernel.color);
}

void Painter::fillBox(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color)
{
    if (w <= 0 || h <= 0) return;
    if (mode_ != DrawMode::outlineBlend) {
        fillRect(x, y, w, h, color);
        return;
    }
    // The frame: top and bottom rows over the full width, then the side columns between them,
    // so that no pixel is blended twice.
    const std::int64_t bottom = std::int64_t{y} + h - 1, right = std::int64_t{x} + w - 1;
    fillRect(x, y, w, 1, color);
    if (h > 1) fillRect(x, bottom, w, 1, color);
    if (h > 2) {
        fillRect(x, std::int64_t{y} + 1, 1, h - 2, color);
        if (w > 1) fillRect(right, std::int64_t{y} + 1, 1, h - 2, color);
    }
}

void Painter::line(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color)
{
    if (w <= 0 || h <= 0) return;
    fillRect(x, y, w, h, color);
}

void Painter::plot(std::int32_t x, std::int32_t y, Color32 color) { fillRect(x, y, 1, 1, color); }

void Painter::drawImage(const Image& source, std::int32_t x, std::int32_t y)
{
    const Range columns = clipRange(x, source.width(), target_.width());
    const Range rows = clipRange(y, source.height(), target_.height());
    if (columns.empty() || rows.empty()) return;
    const ImageRow kernel = imageKernel(mode_, target_.hasAlpha(), source.hasAlpha());
    const std::int32_t sourceX = static_cast<std::int32_t>(columns.begin - std::int64_t{x});
    const std::int32_t count = columns.end - columns.begin;
    for (std::int32_t row = rows.begin; row < rows.end; ++row) {
        const std::int32_t sourceY = static_cast<std::int32_t>(row - std::int64_t{y});
        kernel(target_.row(row) + columns.begin, source.row(sourceY) + sourceX, count);
    }
}

// ---- Enlarging -----------------------------------------------------------------------------------

Image enlarged(const Image& source, std::int32_t factor)
{
    factor = std::max(factor, 1);
    const std::int64_t width = std::int64_t{source.width()} * factor, height = std::int64_t{source.height()} * factor;
    if (width > INT32_MAX || height > INT32_MAX) return Image();
    Image result(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), source.format());
    for (std::int32_t y = 0; y < source.height(); ++y) {
        Color32* first = result.row(y * factor);
        const Color32* pixels = source.row(y);
        for (std::int32_t x = 0; x < source.width(); ++x) std::fill_n(first + x * factor, factor, pixels[x]);
        for (std::int32_t copy = 1; copy < factor; ++copy) std::copy_n(first, width, result.row(y * factor + copy));
    }
    return result;
}

} // namespace tintgrab
