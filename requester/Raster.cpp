#include "requester/Raster.hpp"

#include <algorithm>

namespace tintgrab {

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

void Painter::span(std::int32_t x, std::int32_t y, std::int32_t w, Color32 color)
{
    if (y < 0 || y >= target_.height()) return;
    const std::int32_t x0 = std::max(x, 0);
    const std::int32_t x1 = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{x} + w, target_.width()));
    Color32* pixels = target_.row(y);
    const bool hasAlpha = target_.hasAlpha();
    for (std::int32_t i = x0; i < x1; ++i) {
        Color32& p = pixels[i];
        switch (mode_) {
        case DrawMode::plain: p = (p & 0xFF000000u) | (color & 0x00FFFFFFu); break;
        case DrawMode::alphaOnly: if (hasAlpha) p = (p & 0x00FFFFFFu) | (color & 0xFF000000u); break;
        case DrawMode::blend:
        case DrawMode::outlineBlend: p = blendPixel(p, color, hasAlpha); break;
        }
    }
}

void Painter::fillBox(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color)
{
    if (w <= 0 || h <= 0) return;
    if (mode_ != DrawMode::outlineBlend) {
        for (std::int64_t row = y; row < std::int64_t{y} + h; ++row)
            if (row >= 0 && row < target_.height()) span(x, static_cast<std::int32_t>(row), w, color);
        return;
    }
    span(x, y, w, color);
    if (h > 1) span(x, static_cast<std::int32_t>(std::int64_t{y} + h - 1), w, color);
    for (std::int64_t row = std::int64_t{y} + 1; row < std::int64_t{y} + h - 1; ++row) {
        if (row < 0 || row >= target_.height()) continue;
        span(x, static_cast<std::int32_t>(row), 1, color);
        if (w > 1) span(static_cast<std::int32_t>(std::int64_t{x} + w - 1), static_cast<std::int32_t>(row), 1, color);
    }
}

void Painter::line(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color32 color)
{
    const DrawMode saved = mode_;
    if (mode_ == DrawMode::outlineBlend) mode_ = DrawMode::blend;
    fillBox(x, y, w, h, color);
    mode_ = saved;
}

void Painter::plot(std::int32_t x, std::int32_t y, Color32 color) { line(x, y, 1, 1, color); }

void Painter::drawImage(const Image& source, std::int32_t x, std::int32_t y)
{
    const DrawMode saved = mode_;
    if (mode_ == DrawMode::outlineBlend) mode_ = DrawMode::blend;
    for (std::int32_t sy = 0; sy < source.height(); ++sy) {
        const std::int64_t ty = std::int64_t{y} + sy;
        if (ty < 0 || ty >= target_.height()) continue;
        for (std::int32_t sx = 0; sx < source.width(); ++sx) {
            const std::int64_t tx = std::int64_t{x} + sx;
            if (tx < 0 || tx >= target_.width()) continue;
            Color32 color = source.row(sy)[sx];
            if (!source.hasAlpha()) color |= 0xFF000000u;
            span(static_cast<std::int32_t>(tx), static_cast<std::int32_t>(ty), 1, color);
        }
    }
    mode_ = saved;
}

Image enlarged(const Image& source, std::int32_t factor)
{
    if (factor < 1) factor = 1;
    Image result(source.width() * factor, source.height() * factor, source.format());
    for (std::int32_t y = 0; y < result.height(); ++y)
        for (std::int32_t x = 0; x < result.width(); ++x)
            result.row(y)[x] = source.row(y / factor)[x / factor];
    return result;
}

} // namespace tintgrab
