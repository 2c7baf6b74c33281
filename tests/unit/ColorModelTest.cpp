#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "core/Color32.hpp"
#include "requester/ColorModel.hpp"
#include "requester/Raster.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

bool onRamp(Color32 color)
{
    if ((color >> 24) != 0) return false;
    const std::int32_t c[3] = {redOf(color), greenOf(color), blueOf(color)};
    std::int32_t full = 0, empty = 0;
    for (std::int32_t v : c) {
        full += v == 255;
        empty += v == 0;
    }
    return full >= 1 && empty >= 1;
}

TEST(HueTable, Landmarks)
{
    const std::vector<Color32> table = buildHueTable();
    ASSERT_EQ(table.size(), 3061u);
    struct Case { std::size_t index; Color32 expected; };
    const Case cases[] = {
        {0, 0x000000FFu},    {255, 0x00FF00FFu},  {256, 0x00FF00FEu},  {510, 0x00FF0000u},
        {765, 0x00FFFF00u},  {1020, 0x0000FF00u}, {1275, 0x0000FFFFu}, {1529, 0x000001FFu},
        {1530, 0x000000FFu}, {1531, 0x000100FFu}, {1785, 0x00FF00FFu}, {3060, 0x000000FFu},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex{table[c.index]}, Hex{c.expected}) << "entry " << c.index;
}

TEST(HueTable, TwoCyclesOfTheWholeRampInSingleSteps)
{
    const std::vector<Color32> table = buildHueTable();
    ASSERT_EQ(table.size(), 3061u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_TRUE(onRamp(table[i])) << "entry " << i << " " << Hex{table[i]};
        if (i + 1530 < table.size()) {
            EXPECT_EQ(Hex{table[i]}, Hex{table[i + 1530]}) << "entry " << i;
        }
        if (i > 0) {
            // Neighbours differ in exactly one channel, by exactly one.
            std::int32_t changed = 0, distance = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int32_t a = static_cast<std::int32_t>((table[i - 1] >> shift) & 0xFF);
                const std::int32_t b = static_cast<std::int32_t>((table[i] >> shift) & 0xFF);
                changed += a != b;
                distance += a > b ? a - b : b - a;
            }
            EXPECT_EQ(changed, 1) << "entry " << i;
            EXPECT_EQ(distance, 1) << "entry " << i;
        }
    }
    // The ramp has 6 x 255 colours: a full cycle holding 1530 different ramp colours holds them all.
    for (std::size_t start : {std::size_t{0}, std::size_t{765}, std::size_t{1531}}) {
        const std::set<Color32> cycle(table.begin() + static_cast<std::ptrdiff_t>(start),
                                      table.begin() + static_cast<std::ptrdiff_t>(start + 1530));
        EXPECT_EQ(cycle.size(), 1530u) << "cycle from " << start;
    }
}

// The strip row's table offset predicted by the cubic 612 t^3 + 153 t + 765 with exact t = (2y - D) / D,
// rounded in integers (no row of either build lies on an exact half).
std::int32_t cubicOffset(std::int32_t y, std::int32_t lastRow)
{
    const std::int64_t d = lastRow, n = 2 * y - lastRow;
    const std::int64_t numerator = 612 * n * n * n + 153 * n * d * d + 765 * d * d * d;
    const std::int64_t denominator = d * d * d;
    return static_cast<std::int32_t>((2 * numerator + denominator) / (2 * denominator));
}

struct StripBuild {
    std::int32_t alphaMode;
    std::int32_t middleRow;
    std::vector<std::pair<std::int32_t, std::int32_t>> sampleRows; // row, offset
};

const StripBuild stripBuilds[] = {
    {0, 160, {{0, 0}, {1, 12}, {2, 25}, {3, 37}, {4, 48}, {5, 60}, {10, 117}, {20, 221}, {40, 391}, {80, 611},
              {120, 717}, {127, 728}, {150, 755}, {158, 763}, {159, 764}, {160, 765}, {161, 765}, {162, 766},
              {163, 767}, {194, 802}, {281, 1139}, {301, 1309}, {311, 1413}, {319, 1505}, {320, 1518},
              {321, 1530}}},
    {1, 171, {{0, 0}, {1, 12}, {2, 23}, {3, 34}, {4, 45}, {5, 56}, {10, 110}, {20, 208}, {40, 372}, {80, 590},
              {120, 702}, {150, 745}, {169, 763}, {170, 764}, {171, 765}, {172, 765}, {173, 766}, {174, 767},
              {303, 1158}, {323, 1322}, {333, 1420}, {341, 1507}, {342, 1518}, {343, 1530}}},
};

// Every pixel of the row is the opaque table entry.
::testing::AssertionResult rowShows(const Image& strip, std::int32_t y, Color32 expected)
{
    for (std::int32_t x = 0; x < strip.width(); ++x) {
        if (strip.pixel(x, y) != expected) {
            return ::testing::AssertionFailure() << "row " << y << " column " << x << " is " << Hex{strip.pixel(x, y)}
                                                 << ", expected " << Hex{expected};
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(HueStrip, RowsFollowTheSampleOffsetsAndTheCubicInBothBuilds)
{
    const std::vector<Color32> table = buildHueTable();
    for (const StripBuild& build : stripBuilds) {
        const std::int32_t rows = hueStripHeight(build.alphaMode);
        // hueColor entry 1000 gives hueIndex 236, entry 1001 gives 237: an even and an odd window start.
        for (std::int32_t match : {1000, 1001, 765, 2294}) {
            Image strip(hueStripWidth, rows, PixelFormat::rgba32);
            std::int32_t hueIndex = -7, huePos = -7;
            layOutHueStrip(strip, table, table[static_cast<std::size_t>(match)], hueIndex, huePos, build.alphaMode);
            ASSERT_EQ(hueIndex, match - 764);
            EXPECT_EQ(huePos, build.middleRow);
            for (const auto& [row, offset] : build.sampleRows) {
                EXPECT_TRUE(rowShows(strip, row, table[static_cast<std::size_t>(hueIndex + offset)] | 0xFF000000u))
                    << "alphaMode " << build.alphaMode << " offset " << offset;
            }
            for (std::int32_t y = 0; y < rows; ++y) {
                const std::int32_t offset = cubicOffset(y, rows - 1);
                EXPECT_TRUE(rowShows(strip, y, table[static_cast<std::size_t>(hueIndex + offset)] | 0xFF000000u))
                    << "alphaMode " << build.alphaMode << " cubic offset " << offset;
            }
            // The marker row shows the entry one past the match.
            EXPECT_EQ(Hex{hueFromStrip(strip, huePos)}, Hex{table[static_cast<std::size_t>(match + 1)]});
        }
    }
}

TEST(HueStrip, SearchMatchesOnceAndOtherwiseKeepsTheWindow)
{
    const std::vector<Color32> table = buildHueTable();
    struct Case { Color32 hueColor; std::int32_t before; std::int32_t after; };
    const Case cases[] = {
        {0x000000FFu, 0, 766},    // red, the hue of white and black: first match at 1530
        {0x00FFFF00u, 0, 1},      // cyan at 765, the first index searched
        {0x00FFFE00u, 0, 1530},   // the entry before cyan matches only at 2294
        {0x00FF00FFu, 5, 1021},   // magenta at 1785
        {0x00000000u, 0, 0},      // black is not on the ramp (an exact grey's hue)
        {0x00000000u, 321, 321},
        {0xFF0000FFu, 42, 42},    // all 32 bits are compared: opaque red does not match
        {0x00808080u, 1530, 1530},
    };
    for (const Case& c : cases) {
        Image strip(hueStripWidth, hueStripHeight(0), PixelFormat::rgba32);
        std::int32_t hueIndex = c.before, huePos = 3;
        layOutHueStrip(strip, table, c.hueColor, hueIndex, huePos, 0);
        EXPECT_EQ(hueIndex, c.after) << Hex{c.hueColor};
        EXPECT_EQ(huePos, 160) << Hex{c.hueColor};
        // The strip is drawn around the resulting window either way.
        EXPECT_TRUE(rowShows(strip, 0, table[static_cast<std::size_t>(c.after)] | 0xFF000000u));
        EXPECT_TRUE(rowShows(strip, 321, table[static_cast<std::size_t>(c.after + 1530)] | 0xFF000000u));
    }
}

TEST(HueStrip, WindowsOutsideTheTableLeaveTheirRowsAlone)
{
    const std::vector<Color32> table = buildHueTable();
    Image strip(hueStripWidth, hueStripHeight(0), PixelFormat::rgba32);
    std::int32_t hueIndex = 2000, huePos = 0;
    layOutHueStrip(strip, table, 0, hueIndex, huePos, 0);
    EXPECT_TRUE(rowShows(strip, 0, table[2000] | 0xFF000000u));
    EXPECT_TRUE(rowShows(strip, 321, 0xFF000000u)); // index 3530 does not exist: still the new image's black

    // A strip image of another size is drawn as far as it reaches.
    Image small(3, 5, PixelFormat::rgba32);
    hueIndex = 0;
    layOutHueStrip(small, table, 0x000000FFu, hueIndex, huePos, 1);
    EXPECT_EQ(hueIndex, 766);
    EXPECT_EQ(huePos, 171);
    EXPECT_TRUE(rowShows(small, 1, table[766 + 12] | 0xFF000000u));
}

TEST(HueStrip, HueFromStripReadsColumnZeroWithinTheImage)
{
    Image strip(hueStripWidth, 4, PixelFormat::rgba32);
    Painter painter(strip);
    painter.fillBox(0, 0, hueStripWidth, 1, 0xFF0000FFu);
    painter.fillBox(0, 3, 1, 1, 0xFF00FF00u);
    painter.fillBox(1, 3, hueStripWidth - 1, 1, 0xFFFF0000u);
    struct Case { std::int32_t huePos; Color32 expected; };
    const Case cases[] = {{0, 0x000000FFu}, {3, 0x0000FF00u}, {1, 0}, {-1, 0x000000FFu}, {-100000, 0x000000FFu},
                          {4, 0x0000FF00u}, {2147483647, 0x0000FF00u}};
    for (const Case& c : cases) EXPECT_EQ(Hex{hueFromStrip(strip, c.huePos)}, Hex{c.expected}) << c.huePos;
    EXPECT_EQ(Hex{hueFromStrip(Image{}, 0)}, Hex{0});
}

TEST(SquarePosition, Examples)
{
    struct Case { Color32 color; Color32 hueColor; std::int32_t svX, svY; };
    const Case cases[] = {
        {0x00336699u, 0x000080FFu, 170, 102}, // depends on the single-precision saturation factor
        {0xFF336699u, 0x000080FFu, 170, 102}, // alpha is ignored
        {0x000000FFu, 0x000000FFu, 255, 0},
        {0x0000FFFFu, 0x0000FFFFu, 255, 0},   // yellow: the red branch of the value step, blue of the saturation step
        {0x00FFFF00u, 0x00FFFF00u, 255, 0},   // cyan: green before blue
        {0x00FF00FFu, 0x00FF00FFu, 255, 0},
        {0x00FFFFFFu, 0x000000FFu, 0, 0},     // white
        {0x80FFFFFFu, 0x000000FFu, 0, 0},
        {0x00000000u, 0x000000FFu, 255, 255}, // black
        {0xFF000000u, 0x000000FFu, 255, 255},
        {0x00808080u, 0x00000000u, 0, 127},   // exact greys: hue 0, no division
        {0x00010101u, 0x00000000u, 0, 254},
        {0x00FEFEFEu, 0x00000000u, 0, 1},
        {0x00000106u, 0x00002AFFu, 255, 249}, // red 6, green 1: the exact half 42.5 rounds to even
        {0x0000070Eu, 0x00007FFFu, 255, 241}, // single-precision value factor: 7 x 255/14 rounds down to 127
        {0x007E3E3Eu, 0x00FF0000u, 130, 129},
        {0x003E3E7Eu, 0x000000FFu, 130, 129},
        {0x00000001u, 0x000000FFu, 255, 254},
        {0x00010000u, 0x00FF0000u, 255, 254},
        {0x00FFFFFEu, 0x00FFFF00u, 1, 0},
    };
    for (const Case& c : cases) {
        const SquarePosition p = squarePositionOf(c.color);
        EXPECT_EQ(Hex{p.hueColor}, Hex{c.hueColor}) << Hex{c.color};
        EXPECT_EQ(p.svX, c.svX) << Hex{c.color};
        EXPECT_EQ(p.svY, c.svY) << Hex{c.color};
    }
}

TEST(SquarePosition, EveryColourLandsInTheSquareWithARampHue)
{
    for (std::uint32_t rgb = 0; rgb <= 0xFFFFFFu; rgb += 7) {
        const SquarePosition p = squarePositionOf(rgb);
        const bool grey = redOf(rgb) == greenOf(rgb) && greenOf(rgb) == blueOf(rgb) && rgb != 0 && rgb != 0xFFFFFFu;
        if (grey) ASSERT_EQ(Hex{p.hueColor}, Hex{0}) << Hex{rgb};
        else ASSERT_TRUE(onRamp(p.hueColor)) << Hex{rgb} << " " << Hex{p.hueColor};
        ASSERT_TRUE(p.svX >= 0 && p.svX <= 255 && p.svY >= 0 && p.svY <= 255) << Hex{rgb};
        // The value step keeps the maximum channel's level as the row.
        const std::int32_t maximum = std::max({redOf(rgb), greenOf(rgb), blueOf(rgb)});
        if (rgb != 0 && rgb != 0xFFFFFFu) {
            ASSERT_EQ(p.svY, 255 - maximum) << Hex{rgb};
        }
    }
}

TEST(SquareColor, ClosedFormReadBack)
{
    struct Case { std::int32_t svX, svY; Color32 expected; };
    const Case cases[] = {
        {0, 0, 0xFFFFFFu},     {255, 0, 0x0000FFu},   {128, 0, 0x7F7FFFu},   {0, 128, 0x7F7F7Fu},
        {128, 128, 0x3E3E7Eu}, {64, 32, 0xA7A7DFu},   {254, 0, 0x0101FFu},   {255, 1, 0x0000FEu},
        {0, 255, 0x000000u},   {128, 255, 0x000000u}, {255, 255, 0x000000u},
        {-5, 0, 0xFFFFFFu},    {300, 0, 0x0000FFu},   {255, 999, 0x000000u}, // positions clip to the square
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex{squareColorAt(0x000000FFu, c.svX, c.svY)}, Hex{c.expected}) << c.svX << ", " << c.svY;
    // The hue's alpha never reaches the result, and each channel follows its own hue channel.
    EXPECT_EQ(Hex{squareColorAt(0xFF0000FFu, 255, 0)}, Hex{0x0000FFu});
    EXPECT_EQ(Hex{squareColorAt(0x00FF8000u, 128, 128)}, Hex{0x7E5F3Eu});
}

// The square as the dialog composes it: the white/black overlay plotted pixel by pixel in blend mode,
// drawn blended over an opaque box of the hue. The closed form must give the very pixels read back.
TEST(SquareColor, ClosedFormEqualsTheComposedSquare)
{
    Image overlay(256, 256, PixelFormat::rgba32);
    Painter overlayPainter(overlay);
    overlayPainter.setMode(DrawMode::alphaOnly);
    overlayPainter.fillBox(0, 0, 256, 256, 0);
    overlayPainter.setMode(DrawMode::blend);
    for (std::int32_t i = 0; i <= 255; ++i) {
        for (std::int32_t j = 0; j <= 255; ++j) {
            overlayPainter.plot(255 - i, j, (static_cast<Color32>(i) << 24) + 0xFFFFFFu);
            overlayPainter.plot(255 - i, j, static_cast<Color32>(j) << 24);
        }
    }
    for (Color32 hue : {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0x00FF8000u, 0x0000FFFFu, 0x00FF002Au, 0x00000000u}) {
        Image square(256, 256, PixelFormat::rgba32);
        Painter painter(square);
        painter.setMode(DrawMode::blend);
        painter.fillBox(0, 0, 256, 256, hue | 0xFF000000u);
        painter.drawImage(overlay, 0, 0);
        for (std::int32_t y = 0; y <= 255; ++y) {
            for (std::int32_t x = 0; x <= 255; ++x) {
                ASSERT_EQ(Hex{squareColorAt(hue, x, y)}, Hex{square.pixel(x, y) & 0x00FFFFFFu})
                    << "hue " << Hex{hue} << " at " << x << ", " << y;
            }
        }
    }
}

TEST(SquareColor, RowAndColumnEdges)
{
    // The top row runs from white to the hue, the left column from white to black, the bottom row is black.
    for (std::int32_t i = 0; i <= 255; ++i) {
        EXPECT_EQ(Hex{squareColorAt(0x0000FF00u, i, 255)}, Hex{0}) << i;
        const Color32 left = squareColorAt(0x0000FF00u, 0, i);
        EXPECT_TRUE(redOf(left) == greenOf(left) && greenOf(left) == blueOf(left)) << i << " " << Hex{left};
        EXPECT_EQ(greenOf(squareColorAt(0x0000FF00u, i, 0)), 255) << i;
    }
    EXPECT_EQ(Hex{squareColorAt(0x0000FF00u, 255, 0)}, Hex{0x00FF00u});
}

} // namespace
} // namespace tintgrab
