// The composed face, probed on the window of the scripted toolkit against the drawing arithmetic.

#include "requester/ColorModel.hpp"
#include "requester/FixedImages.hpp"
#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

constexpr Color32 face = 0x00E0D8D0; // an unusual button face, so nothing can pass by accident

Color32 framed(Color32 background)
{
    // A frame of black with alpha 96 over an opaque pixel.
    return packRgba(redOf(background) * 159 / 255, greenOf(background) * 159 / 255, blueOf(background) * 159 / 255, 255);
}

struct Face {
    std::int32_t alphaMode;
    Color32 color;
    Image surface;
};

Face composedFace(Color32 color, std::int32_t alphaMode)
{
    fake::reset();
    fake::state().buttonFace = face;
    Image surface;
    fake::atStep([&] { surface = fake::dialog()->surface; });
    fake::clickButtonAt(312, 188);
    ColorRequester(color, alphaMode ? alphaFormatText : opaqueFormatText, alphaMode, nullptr);
    return {alphaMode, color, surface};
}

class CompositionTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(CompositionTest, BackgroundFramesAndTheControlsColumn)
{
    const std::int32_t alphaMode = GetParam();
    const Face f = composedFace(0xFF336699u, alphaMode);
    const Color32 opaqueFace = withAlpha(face, 255);
    for (Point p : {Point{0, 0}, Point{5, 200}, Point{38, 5}, Point{305, 5}, Point{371, 76}, Point{311, 300},
                    Point{200, 272}, Point{0, 345 + 22 * alphaMode}})
        EXPECT_EQ(Hex{f.surface.pixel(p.x, p.y)}, Hex{opaqueFace}) << p.x << "," << p.y;
    // The controls' column and everything under the face are never painted.
    for (Point p : {Point{312, 77}, Point{371, 300}, Point{340, 150}, Point{100, 346 + 22 * alphaMode}})
        EXPECT_EQ(Hex{f.surface.pixel(p.x, p.y)}, Hex{0u}) << p.x << "," << p.y;
    // Frames around the square, the strip, the swatches and every bar.
    std::vector<Point> frames = {{43, 150}, {300, 150}, {150, 11}, {150, 268}, {11, 100}, {32, 100},
                                 {311, 40}, {360, 40}, {335, 76}, {150, 279}, {150, 290}, {150, 301},
                                 {150, 312}, {150, 323}, {150, 334}, {11, 334 + 22 * alphaMode}};
    if (alphaMode) frames.insert(frames.end(), {Point{150, 345}, Point{150, 356}});
    for (Point p : frames) EXPECT_EQ(Hex{f.surface.pixel(p.x, p.y)}, Hex{framed(opaqueFace)}) << p.x << "," << p.y;
}

TEST_P(CompositionTest, SquareStripAndRing)
{
    const std::int32_t alphaMode = GetParam();
    const Face f = composedFace(0xFF336699u, alphaMode); // hue 0x000080FF, svX 170, svY 102
    const SquarePosition position = squarePositionOf(f.color);
    for (Point p : {Point{0, 0}, Point{255, 0}, Point{0, 255}, Point{128, 128}, Point{64, 32}, Point{200, 250},
                    Point{170, 102}})
        EXPECT_EQ(Hex{f.surface.pixel(44 + p.x, 12 + p.y)},
                  Hex{withAlpha(squareColorAt(position.hueColor, p.x, p.y), 255)}) << p.x << "," << p.y;
    // The ring's rim just left of its centre is dark, its hole shows the square.
    EXPECT_NE(Hex{f.surface.pixel(44 + 170 - 7, 12 + 102)}, Hex{withAlpha(squareColorAt(position.hueColor, 163, 102), 255)});

    // The strip, laid out around the hue, row by row (away from the marker's rails).
    RequesterImages images;
    makeHueStripImage(images, alphaMode);
    std::int32_t hueIndex = 0, huePos = 0;
    layOutHueStrip(images.hueStripImage, buildHueTable(), position.hueColor, hueIndex, huePos, alphaMode);
    for (std::int32_t row : {0, 1, 50, 150, huePos, 321 + 22 * alphaMode})
        EXPECT_EQ(Hex{f.surface.pixel(22, 12 + row)}, Hex{images.hueStripImage.pixel(10, row)}) << row;
    // The marker's rails lie on the rows above and below huePos, reaching two pixels past the frame.
    EXPECT_EQ(Hex{f.surface.pixel(9, 11 + huePos)}, Hex{0xFF000000u});
    EXPECT_EQ(Hex{f.surface.pixel(21, 11 + huePos)}, Hex{0xFFFFFFFFu});
    EXPECT_EQ(Hex{f.surface.pixel(34, 13 + huePos)}, Hex{0xFF000000u});
}

TEST_P(CompositionTest, BarsAndTheirMarkers)
{
    const std::int32_t alphaMode = GetParam();
    const Face f = composedFace(0x80336699u, alphaMode); // red 0x99, green 0x66, blue 0x33, alpha 0x80
    EXPECT_EQ(Hex{f.surface.pixel(44 + 10, 285)}, Hex{0xFF00000Au});
    EXPECT_EQ(Hex{f.surface.pixel(44 + 200, 307)}, Hex{0xFF00C800u});
    EXPECT_EQ(Hex{f.surface.pixel(44 + 255, 329)}, Hex{0xFFFF0000u});
    struct Marker { std::int32_t value, top; };
    std::vector<Marker> markers = {{0x99, 277}, {0x66, 299}, {0x33, 321}};
    if (alphaMode) markers.push_back({0x80, 343});
    for (const Marker& m : markers) {
        // Rails at value - 1 and value + 1, shaded dark at the ends, light in the middle; the slit
        // between them shows the bar (or the frame at the top) underneath.
        EXPECT_EQ(Hex{f.surface.pixel(m.value + 43, m.top)}, Hex{0xFF000000u});
        EXPECT_EQ(Hex{f.surface.pixel(m.value + 45, m.top + 7)}, Hex{0xFFFEFEFEu});
        EXPECT_EQ(Hex{f.surface.pixel(m.value + 43, m.top + 15)}, Hex{0xFF000000u});
    }
    EXPECT_EQ(Hex{f.surface.pixel(0x99 + 44, 285)}, Hex{0xFF000099u});
    if (alphaMode) {
        // The alpha bar: grey ramp over the checkerboard, flat grey 128 at its right end.
        EXPECT_EQ(Hex{f.surface.pixel(44 + 255, 350)}, Hex{0xFF808080u});
        EXPECT_EQ(Hex{f.surface.pixel(44 + 0, 346)}, Hex{0xFF303030u});
    }
}

TEST_P(CompositionTest, Swatches)
{
    const std::int32_t alphaMode = GetParam();
    const Face f = composedFace(0x80336699u, alphaMode);
    const Color32 current = f.surface.pixel(330, 20);
    const Color32 reference = f.surface.pixel(330, 56); // the same checker square as (330, 20)
    EXPECT_EQ(Hex{current}, Hex{reference});
    if (!alphaMode) {
        EXPECT_EQ(Hex{current}, Hex{0xFF336699u});
    } else {
        // Blended by its alpha over the 6-pixel checkerboard, dark at the top-left corner.
        const Color32 overDark = blendPixel(0xFF303030u, 0x80336699u, true);
        const Color32 overLight = blendPixel(0xFFD0D0D0u, 0x80336699u, true);
        EXPECT_EQ(Hex{f.surface.pixel(312, 12)}, Hex{overDark});
        EXPECT_EQ(Hex{f.surface.pixel(318, 12)}, Hex{overLight});
        EXPECT_EQ(Hex{f.surface.pixel(318, 18)}, Hex{overDark});
    }
}

TEST(CompositionAlpha, ATransparentColourShowsTheBareCheckerboard)
{
    const Face f = composedFace(0x00336699u, 1);
    EXPECT_EQ(Hex{f.surface.pixel(312, 12)}, Hex{0xFF303030u});
    EXPECT_EQ(Hex{f.surface.pixel(318, 12)}, Hex{0xFFD0D0D0u});
    EXPECT_EQ(Hex{f.surface.pixel(43, 343)}, Hex{0xFF000000u}); // its marker at the bar's left end
    const Face opaqueBuild = composedFace(0x00336699u, 0);
    EXPECT_EQ(Hex{opaqueBuild.surface.pixel(312, 12)}, Hex{0xFF336699u});
}

TEST(CompositionEdges, TheRingAtTheSquaresCorners)
{
    // White puts the ring's centre on (44, 12); black on (299, 267): the ring is clipped by nothing,
    // it spans 37..51 x 5..19 and 292..306 x 260..274.
    const Face white = composedFace(0xFFFFFFFFu, 0);
    const Face black = composedFace(0xFF000000u, 0);
    EXPECT_EQ(Hex{white.surface.pixel(44, 12)}, Hex{0xFFFFFFFFu});
    EXPECT_EQ(Hex{black.surface.pixel(299, 267)}, Hex{0xFF000000u});
    const Color32 opaqueFace = withAlpha(face, 255);
    EXPECT_NE(Hex{white.surface.pixel(37, 12)}, Hex{opaqueFace});
    EXPECT_EQ(Hex{white.surface.pixel(36, 12)}, Hex{opaqueFace});
    EXPECT_NE(Hex{black.surface.pixel(306, 267)}, Hex{opaqueFace});
    EXPECT_EQ(Hex{black.surface.pixel(307, 267)}, Hex{opaqueFace});
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, CompositionTest, ::testing::Values(0, 1));

} // namespace
} // namespace tintgrab
