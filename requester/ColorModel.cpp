#include "requester/ColorModel.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace tintgrab {

namespace {

// The nearest integer, an exact half going to the even one, whatever the floating-point
// environment's rounding mode. Exact for the non-negative values the colour model rounds; callers
// stay well inside the 64-bit range.
std::int64_t roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    std::int64_t result = static_cast<std::int64_t>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && (result & 1) != 0)) ++result;
    return result;
}

std::int32_t roundToChannel(double value) { return static_cast<std::int32_t>(roundHalfEven(value)); }

} // namespace

std::vector<Color32> buildHueTable()
{
    std::vector<Color32> table;
    table.reserve(hueTableSize);
    // blue starts one below 0 so that the first step of phase 0 lands on blue 0.
    std::int32_t red = 255, green = 0, blue = -1;
    std::int32_t phase = 0;
    for (std::int32_t i = 0; i < hueTableSize; ++i) {
        // Each phase moves one channel towards its end; the end test follows the step, and the
        // next phase starts with the next entry.
        switch (phase) {
        case 0: if (++blue == 255) phase = 1; break;
        case 1: if (--red == 0) phase = 2; break;
        case 2: if (++green == 255) phase = 3; break;
        case 3: if (--blue == 0) phase = 4; break;
        case 4: if (++red == 255) phase = 5; break;
        default: if (--green == 0) phase = 0; break;
        }
        table.push_back(packRgb(red, green, blue));
    }
    return table;
}

void layOutHueStrip(Image& hueStripImage, const std::vector<Color32>& hueTable, Color32 hueColor,
                    std::int32_t& hueIndex, std::int32_t& huePos, std::int32_t alphaMode)
{
    // The search covers one full cycle, so every ramp colour matches once; the window then starts
    // 764 entries before the match and its middle rows show the entry one past it.
    const std::int32_t searchEnd = std::min<std::int32_t>(2295, static_cast<std::int32_t>(hueTable.size()) - 1);
    for (std::int32_t i = 765; i <= searchEnd; ++i) {
        if (hueTable[static_cast<std::size_t>(i)] == hueColor) {
            hueIndex = i - 764;
            break;
        }
    }

    // The offset into the window is a cubic of the row: one full cycle from the top row to the last
    // row D, about one entry per row in the middle and about twelve at the ends. t and the offset
    // are rounded to single precision; the offsets depend only on the row count.
    const std::int32_t rows = hueStripHeight(alphaMode);
    const double last = rows - 1;
    std::array<float, 344> offsets{};
    for (std::int32_t y = 0; y < rows; ++y) {
        const float t = static_cast<float>(2.0 * y / last - 1.0);
        const double tt = t;
        offsets[static_cast<std::size_t>(y)] =
            static_cast<float>((tt * tt * tt + (y / last) * 0.5 + 1.0) * 255.0 * 6.0 / 2.5);
    }

    Painter painter(hueStripImage);
    painter.setMode(DrawMode::blend);
    const std::int64_t tableSize = static_cast<std::int64_t>(hueTable.size());
    for (std::int32_t y = 0; y < rows; ++y) {
        // hueIndex + offset is rounded as a whole: an offset ending in exactly one half rounds
        // differently for odd and even hueIndex.
        const std::int64_t index = roundHalfEven(static_cast<double>(hueIndex) + offsets[static_cast<std::size_t>(y)]);
        if (index < 0 || index >= tableSize) continue;
        // Opaque, so the blend writes the table colour exactly.
        painter.line(0, y, hueStripWidth, 1, hueTable[static_cast<std::size_t>(index)] | 0xFF000000u);
    }

    huePos = rows / 2 - 1;
}

Color32 hueFromStrip(const Image& hueStripImage, std::int32_t huePos)
{
    if (hueStripImage.empty()) return 0;
    const std::int32_t row = std::clamp(huePos, 0, hueStripImage.height() - 1);
    return hueStripImage.pixel(0, row) & 0x00FFFFFFu;
}

SquarePosition squarePositionOf(Color32 currentColor)
{
    const Color32 rgb = currentColor & 0x00FFFFFFu;
    // White and black have no hue of their own: they keep red and are placed in their corners below.
    const Color32 start = rgb == 0x00FFFFFFu || rgb == 0 ? 0x000000FFu : rgb;
    std::array<std::int32_t, 3> channel{redOf(start), greenOf(start), blueOf(start)};
    SquarePosition result{0, 255, 0};

    // Value: scale the maximum channel up to 255. Ties go to red, then green, then blue.
    std::size_t top = 0;
    if (channel[0] >= channel[1] && channel[0] >= channel[2] && channel[0] >= 1) top = 0;
    else if (channel[1] >= channel[0] && channel[1] >= channel[2] && channel[1] >= 1) top = 1;
    else top = 2; // start is never black, so blue is the maximum here
    {
        const std::int32_t maximum = channel[top];
        const float factor = static_cast<float>(255.0 / maximum);
        result.svY = 255 - maximum;
        for (std::size_t k = 0; k < 3; ++k)
            channel[k] = k == top ? 255 : roundToChannel(static_cast<double>(factor) * channel[k]);
    }

    // Saturation: pull the minimum channel down to 0 and stretch the others. Ties go to red, then
    // green, then blue.
    std::size_t bottom = 0;
    if (channel[0] <= channel[1] && channel[0] <= channel[2]) bottom = 0;
    else if (channel[1] <= channel[0] && channel[1] <= channel[2]) bottom = 1;
    else bottom = 2;
    {
        const std::int32_t minimum = channel[bottom];
        const float factor = static_cast<float>(minimum / 255.0);
        result.svX = 255 - minimum;
        const double divisor = 1.0 - static_cast<double>(factor);
        for (std::size_t k = 0; k < 3; ++k) {
            // An exact grey leaves all three channels at 255: 0 / 0, which counts as 0.
            if (k == bottom || minimum == 255) channel[k] = 0;
            else channel[k] = roundToChannel((channel[k] - minimum) / divisor);
        }
    }
    result.hueColor = packRgb(channel[0], channel[1], channel[2]);

    if (rgb == 0x00FFFFFFu) {
        result.svX = 0;
        result.svY = 0;
    } else if (rgb == 0) {
        result.svX = 255;
        result.svY = 255;
    }
    return result;
}

Color32 squareColorAt(Color32 hueColor, std::int32_t svX, std::int32_t svY)
{
    // The overlay's pixel at (svX, svY) blended over the opaque hue, in closed form: w is the white
    // alpha of the column, y the black alpha of the row.
    const std::int32_t w = 255 - std::clamp(svX, 0, 255);
    const std::int32_t y = std::clamp(svY, 0, 255);
    const std::int32_t coverage = 255 * y + (255 - y) * w;
    const std::int32_t alpha = coverage / 255;
    const std::int32_t grey = w == 0 ? 0 : 255 * w * (255 - y) / coverage;
    const auto mix = [&](std::int32_t hue) { return alpha == 0 ? hue : (hue * (255 - alpha) + grey * alpha) / 255; };
    return packRgb(mix(redOf(hueColor)), mix(greenOf(hueColor)), mix(blueOf(hueColor)));
}

} // namespace tintgrab
