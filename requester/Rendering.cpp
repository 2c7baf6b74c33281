#include "requester/Rendering.hpp"

namespace tintgrab {

void composeCanvas(RequesterState& s)
{
    RequesterImages& images = s.images;
    const std::int32_t tall = 22 * s.alphaMode;
    Painter canvas(images.canvasImage);
    canvas.setMode(DrawMode::blend);

    // Background: every pixel left of the controls' column, and the column above the palette list.
    canvas.fillBox(32, 0, 280, 280, s.faceColor);
    canvas.fillBox(0, 0, 44, layout::faceHeight + tall, s.faceColor);
    canvas.fillBox(300, 0, 72, 77, s.faceColor);
    canvas.fillBox(32, 268, 280, 34, s.faceColor);
    canvas.fillBox(32, 290, 280, 34, s.faceColor);
    canvas.fillBox(32, 312, 280, 34, s.faceColor);
    if (s.alphaMode) canvas.fillBox(32, 334, 280, 34, s.faceColor);

    canvas.drawImage(images.hueStripImage, layout::stripX, layout::stripY);
    // The opaque hue box with the overlay blended on it depends on nothing but the hue, and copying
    // the opaque result gives the canvas the same pixels as filling and blending there.
    if (s.composedSquare.empty() || s.squareHue != s.hueColor) {
        s.composedSquare = Image(256, 256, PixelFormat::rgba32);
        Painter square(s.composedSquare);
        square.setMode(DrawMode::blend);
        square.fillBox(0, 0, 256, 256, withAlpha(s.hueColor, 255));
        square.drawImage(images.svOverlayImage, 0, 0);
        s.squareHue = s.hueColor;
    }
    canvas.drawImage(s.composedSquare, layout::squareX, layout::squareY);

    // The colour under the square's cursor, read before any marker covers it.
    if (s.draggingSv || s.draggingHue) {
        const Color32 pixel = canvas.readPixel(layout::squareX + s.svX, layout::squareY + s.svY);
        s.currentColor = withAlpha(pixel, alphaOf(s.currentColor));
    }

    if (s.alphaMode) {
        canvas.drawImage(images.checkerImage, layout::swatchX, layout::newSwatchY);
        canvas.fillBox(layout::swatchX, layout::newSwatchY, layout::swatchWidth, layout::swatchHeight, s.currentColor);
        canvas.fillBox(layout::swatchX, layout::referenceSwatchY, layout::swatchWidth, layout::swatchHeight,
                       s.compareColor);
    } else {
        canvas.fillBox(layout::swatchX, layout::newSwatchY, layout::swatchWidth, layout::swatchHeight,
                       withAlpha(s.currentColor, 255));
        canvas.fillBox(layout::swatchX, layout::referenceSwatchY, layout::swatchWidth, layout::swatchHeight,
                       withAlpha(s.compareColor, 255));
    }
    if (s.hoverSwatch == 1) canvas.drawImage(images.arrowDownIcon, 324, 32);
    if (s.hoverSwatch == 2) canvas.drawImage(images.arrowUpIcon, 324, 32);

    canvas.drawImage(images.redBarImage, layout::barX, layout::redBarY);
    canvas.drawImage(images.greenBarImage, layout::barX, layout::greenBarY);
    canvas.drawImage(images.blueBarImage, layout::barX, layout::blueBarY);
    if (s.alphaMode) canvas.drawImage(images.alphaBarImage, layout::barX, layout::alphaBarY);

    canvas.setMode(DrawMode::outlineBlend);
    constexpr Color32 frameColor = 0x60000000u; // black, alpha 96
    canvas.fillBox(43, 11, 258, 258, frameColor);
    canvas.fillBox(11, 11, 22, 324 + tall, frameColor);
    canvas.fillBox(311, 11, 50, 66, frameColor);
    canvas.fillBox(43, 279, 258, 12, frameColor);
    canvas.fillBox(43, 301, 258, 12, frameColor);
    canvas.fillBox(43, 323, 258, 12, frameColor);
    if (s.alphaMode) canvas.fillBox(43, 345, 258, 12, frameColor);

    canvas.drawImage(images.hueMarkerImage, 9, s.huePos + 11);
    canvas.drawImage(images.ringIcon, s.svX + 37, s.svY + 5);

    s.red = redOf(s.currentColor);
    s.green = greenOf(s.currentColor);
    s.blue = blueOf(s.currentColor);
    s.alpha = alphaOf(s.currentColor);
    canvas.drawImage(images.barMarkerImage, s.red + 43, 277);
    canvas.drawImage(images.barMarkerImage, s.green + 43, 299);
    canvas.drawImage(images.barMarkerImage, s.blue + 43, 321);
    if (s.alphaMode) canvas.drawImage(images.barMarkerImage, s.alpha + 43, 343);
}

void copyCanvasToWindow(RequesterState& s) { drawImageOnWindow(s.requesterWindow, s.images.canvasImage, 0, 0); }

} // namespace tintgrab
