#include "requester/FixedImages.hpp"

#include <cmath>

#include "requester/EmbeddedIcons.hpp"
#include "requester/IconFile.hpp"

namespace tintgrab {

namespace {

// Grey level of step k of a marker's rails: 255 * 4t(1 - t) with t = k / (steps - 1), each
// intermediate rounded to single precision.
std::int32_t markerLevel(std::int32_t k, std::int32_t steps)
{
    const float t = static_cast<float>(k) / static_cast<float>(steps - 1);
    const float s = t * 4.0f - (t * 4.0f) * t + 0.0f;
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(s) * 255.0));
}

Image transparentImage(std::int32_t width, std::int32_t height)
{
    Image image(width, height, PixelFormat::rgba32);
    Painter painter(image);
    painter.setMode(DrawMode::alphaOnly);
    painter.fillBox(0, 0, width, height, 0);
    return image;
}

// A marker: two rails of `steps` pixels shaded by markerLevel, with a transparent slit between them;
// across (rows 0 and 2 of a steps x 3 image) or upright (columns 0 and 2 of a 3 x steps image).
Image markerImage(std::int32_t steps, bool across)
{
    Image marker = across ? transparentImage(steps, 3) : transparentImage(3, steps);
    Painter painter(marker);
    painter.setMode(DrawMode::blend);
    for (std::int32_t k = 0; k < steps; ++k) {
        const auto v = static_cast<std::uint32_t>(markerLevel(k, steps));
        const Color32 grey = 0xFF000000u + v * 0x010101u;
        painter.plot(across ? k : 0, across ? 0 : k, grey);
        painter.plot(across ? k : 2, across ? 2 : k, grey);
    }
    return marker;
}

// The white/black overlay of the square: on a transparent image, each pixel (c, j) gets white with
// alpha w = 255 - c blended on, then black with alpha j. Written out per pixel, the two blends come
// to alpha total / 255 and grey 255 * w * (255 - j) / total with total = (255 - j) * w + 255 * j:
// the same bits as plotting both colours, with one division per pixel instead of three.
Image makeSquareOverlay()
{
    Image overlay(256, 256, PixelFormat::rgba32);
    for (std::uint32_t j = 0; j < 256; ++j) {
        Color32* row = overlay.row(static_cast<std::int32_t>(j));
        for (std::uint32_t c = 0; c < 256; ++c) {
            const std::uint32_t w = 255 - c;
            if (w == 0) {
                row[c] = j << 24; // only the black: black with alpha j
            } else if (j == 0) {
                row[c] = (w << 24) | 0xFFFFFFu; // only the white
            } else {
                const std::uint32_t total = (255 - j) * w + 255 * j;
                const std::uint32_t grey = 255 * w * (255 - j) / total;
                row[c] = ((total / 255) << 24) | grey * 0x010101u;
            }
        }
    }
    return overlay;
}

} // namespace

void makeFixedImages(RequesterImages& images, std::int32_t alphaMode)
{
    images.okIcon = decodeIcon(embedded::okIcon);
    images.cancelIcon = decodeIcon(embedded::cancelIcon);
    images.pickIcon = decodeIcon(embedded::pickIcon);
    images.ringIcon = decodeIcon(embedded::ringIcon);
    images.arrowUpIcon = decodeIcon(embedded::arrowUpIcon);
    images.arrowDownIcon = decodeIcon(embedded::arrowDownIcon);

    images.svOverlayImage = makeSquareOverlay();

    Image* bars[] = {&images.redBarImage, &images.greenBarImage, &images.blueBarImage};
    for (std::uint32_t channel = 0; channel < 3; ++channel) {
        *bars[channel] = Image(256, 10, PixelFormat::rgba32);
        Painter painter(*bars[channel]);
        painter.setMode(DrawMode::blend);
        for (std::uint32_t x = 0; x < 256; ++x)
            painter.line(static_cast<std::int32_t>(x), 0, 1, 10, 0xFF000000u + (x << (8 * channel)));
    }

    if (alphaMode == 1) {
        images.alphaBarImage = Image(256, 10, PixelFormat::rgba32);
        Painter bar(images.alphaBarImage);
        bar.setMode(DrawMode::blend);
        for (std::int32_t x = 0; x <= 255; x += 10) {
            bar.fillBox(x, 0, 5, 5, 0xFF303030u);
            bar.fillBox(x, 5, 5, 5, 0xFFD0D0D0u);
            bar.fillBox(x + 5, 0, 5, 5, 0xFFD0D0D0u);
            bar.fillBox(x + 5, 5, 5, 5, 0xFF303030u);
        }
        for (std::uint32_t x = 0; x < 256; ++x)
            bar.line(static_cast<std::int32_t>(x), 0, 1, 10, (x << 24) + 0x808080u);

        images.checkerImage = Image(48, 64, PixelFormat::rgb24);
        Painter checker(images.checkerImage);
        checker.setMode(DrawMode::blend);
        for (std::int32_t y = 0; y <= 64; y += 12)
            for (std::int32_t x = 0; x <= 48; x += 12) {
                checker.fillBox(x, y, 6, 6, 0xFF303030u);
                checker.fillBox(x, y + 6, 6, 6, 0xFFD0D0D0u);
                checker.fillBox(x + 6, y, 6, 6, 0xFFD0D0D0u);
                checker.fillBox(x + 6, y + 6, 6, 6, 0xFF303030u);
            }
    } else {
        images.alphaBarImage = Image();
        images.checkerImage = Image();
    }

    images.canvasImage = Image(372, 346 + 22 * alphaMode, PixelFormat::rgba32);
    {
        Painter canvas(images.canvasImage);
        canvas.setMode(DrawMode::alphaOnly);
        canvas.fillBox(0, 0, 372, 368, 0);
    }

    images.barMarkerImage = markerImage(16, false);
    images.hueMarkerImage = markerImage(26, true);
}

void makeHueStripImage(RequesterImages& images, std::int32_t alphaMode)
{
    images.hueStripImage = Image(20, 322 + 22 * alphaMode, PixelFormat::rgba32);
}

} // namespace tintgrab
