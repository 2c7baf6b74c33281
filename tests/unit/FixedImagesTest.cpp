#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "requester/FixedImages.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

Color32 grey(std::uint32_t level, std::uint32_t alpha) { return (alpha << 24) | level * 0x010101u; }

class FixedImagesTest : public ::testing::TestWithParam<std::int32_t> {
protected:
    void SetUp() override { makeFixedImages(images, GetParam()); }
    RequesterImages images;
};

TEST_P(FixedImagesTest, SquareOverlaySamplePixels)
{
    const Image& overlay = images.svOverlayImage;
    ASSERT_EQ(overlay.width(), 256);
    ASSERT_EQ(overlay.height(), 256);
    struct Probe { std::int32_t column, row; std::uint32_t level, alpha; };
    for (const Probe& p : std::vector<Probe>{{0, 0, 255, 255}, {255, 0, 0, 0}, {254, 0, 255, 1}, {128, 0, 255, 127},
                                             {0, 128, 127, 255}, {128, 128, 84, 191}, {64, 32, 214, 199},
                                             {200, 100, 63, 133}})
        EXPECT_EQ(Hex{overlay.pixel(p.column, p.row)}, Hex{grey(p.level, p.alpha)}) << p.column << ", " << p.row;
    for (std::int32_t c = 0; c < 256; ++c) EXPECT_EQ(Hex{overlay.pixel(c, 255)}, Hex{grey(0, 255)}) << c;
}

// Every pixel against the overlay's definition: white with alpha i plotted on a transparent image
// at column 255 - i, then black with alpha j, both by the blend arithmetic.
TEST_P(FixedImagesTest, SquareOverlayIsThePlottedBlendEverywhere)
{
    Image plotted(256, 256, PixelFormat::rgba32);
    Painter painter(plotted);
    painter.setMode(DrawMode::alphaOnly);
    painter.fillBox(0, 0, 256, 256, 0);
    painter.setMode(DrawMode::blend);
    for (std::uint32_t i = 0; i < 256; ++i)
        for (std::uint32_t j = 0; j < 256; ++j) {
            const auto x = static_cast<std::int32_t>(255 - i), y = static_cast<std::int32_t>(j);
            painter.plot(x, y, (i << 24) + 0xFFFFFFu);
            painter.plot(x, y, j << 24);
        }
    std::int32_t differ = 0;
    for (std::int32_t y = 0; y < 256; ++y)
        for (std::int32_t x = 0; x < 256; ++x)
            if (plotted.pixel(x, y) != images.svOverlayImage.pixel(x, y) && ++differ <= 5)
                ADD_FAILURE() << "(" << x << ", " << y << "): " << Hex{images.svOverlayImage.pixel(x, y)} << ", plotted "
                              << Hex{plotted.pixel(x, y)};
    EXPECT_EQ(differ, 0);
}

TEST_P(FixedImagesTest, ChannelBarsAreThePureChannelValues)
{
    for (std::int32_t x : {0, 1, 128, 255})
        for (std::int32_t y : {0, 9}) {
            const auto v = static_cast<Color32>(x);
            EXPECT_EQ(Hex{images.redBarImage.pixel(x, y)}, Hex{0xFF000000u + v});
            EXPECT_EQ(Hex{images.greenBarImage.pixel(x, y)}, Hex{0xFF000000u + (v << 8)});
            EXPECT_EQ(Hex{images.blueBarImage.pixel(x, y)}, Hex{0xFF000000u + (v << 16)});
        }
}

TEST_P(FixedImagesTest, AlphaBarAndCheckerboardOnlyInTheAlphaBuild)
{
    const bool alpha = GetParam() == 1;
    EXPECT_EQ(images.alphaBarImage.empty(), !alpha);
    EXPECT_EQ(images.checkerImage.empty(), !alpha);
    EXPECT_EQ(images.canvasImage.height(), alpha ? 368 : 346);
    EXPECT_EQ(Hex{images.canvasImage.pixel(371, images.canvasImage.height() - 1)}, Hex{0});
    if (!alpha) return;

    // Row 0 over the 5-pixel checkerboard, and the light square of row 5.
    const std::vector<std::pair<std::int32_t, std::uint32_t>> row0{{0, 48}, {3, 48}, {4, 49}, {5, 206}, {128, 167}, {255, 128}};
    for (const auto& [column, level] : row0)
        EXPECT_EQ(Hex{images.alphaBarImage.pixel(column, 0)}, Hex{grey(level, 255)}) << column;
    EXPECT_EQ(Hex{images.alphaBarImage.pixel(0, 5)}, Hex{grey(208, 255)});

    // 6-pixel squares, dark at the top-left corner, a 24-bit image.
    EXPECT_FALSE(images.checkerImage.hasAlpha());
    ASSERT_EQ(images.checkerImage.width(), 48);
    ASSERT_EQ(images.checkerImage.height(), 64);
    for (std::int32_t r : {0, 5, 6, 63})
        for (std::int32_t c : {0, 5, 6, 11, 12, 47})
            EXPECT_EQ(Hex{images.checkerImage.pixel(c, r)}, Hex{(c / 6 + r / 6) % 2 == 0 ? 0x303030u : 0xD0D0D0u})
                << c << ", " << r;
}

TEST_P(FixedImagesTest, MarkersAreShadedRailsAroundATransparentSlit)
{
    const std::vector<std::uint32_t> barLevels{0, 63, 118, 163, 199, 227, 245, 254, 254, 245, 227, 199, 163, 118, 63, 0};
    const std::vector<std::uint32_t> hueLevels{0,   39,  75,  108, 137, 163, 186, 206, 222, 235, 245, 251, 255,
                                               255, 251, 245, 235, 222, 206, 186, 163, 137, 108, 75,  39,  0};
    for (std::int32_t k = 0; k < 16; ++k) {
        EXPECT_EQ(Hex{images.barMarkerImage.pixel(0, k)}, Hex{grey(barLevels[k], 255)}) << k;
        EXPECT_EQ(Hex{images.barMarkerImage.pixel(2, k)}, Hex{grey(barLevels[k], 255)}) << k;
        EXPECT_EQ(images.barMarkerImage.pixel(1, k) >> 24, 0u) << k;
    }
    for (std::int32_t k = 0; k < 26; ++k) {
        EXPECT_EQ(Hex{images.hueMarkerImage.pixel(k, 0)}, Hex{grey(hueLevels[k], 255)}) << k;
        EXPECT_EQ(Hex{images.hueMarkerImage.pixel(k, 2)}, Hex{grey(hueLevels[k], 255)}) << k;
        EXPECT_EQ(images.hueMarkerImage.pixel(k, 1) >> 24, 0u) << k;
    }
}

// The icons built into the program: their sizes, transparent surroundings, the ring's hole and
// the arrows' directions.
TEST_P(FixedImagesTest, IconsDecodeWithTheirSizesAndTransparentSurroundings)
{
    struct Expected { const Image* icon; std::int32_t side; };
    for (const auto& [icon, side] : std::vector<Expected>{{&images.okIcon, 32}, {&images.cancelIcon, 24},
                                                          {&images.pickIcon, 32}, {&images.ringIcon, 15},
                                                          {&images.arrowUpIcon, 24}, {&images.arrowDownIcon, 24}}) {
        ASSERT_EQ(icon->width(), side);
        ASSERT_EQ(icon->height(), side);
        ASSERT_TRUE(icon->hasAlpha());
        std::int32_t opaque = 0, partial = 0;
        for (std::int32_t y = 0; y < side; ++y)
            for (std::int32_t x = 0; x < side; ++x) {
                const std::uint32_t a = icon->pixel(x, y) >> 24;
                opaque += a == 255;
                partial += a > 0 && a < 255;
            }
        EXPECT_GT(opaque, side) << side;
        EXPECT_GT(partial, side / 2) << "anti-aliased edges, " << side;
        EXPECT_EQ(icon->pixel(0, 0) >> 24, 0u);
        EXPECT_EQ(icon->pixel(side - 1, 0) >> 24, 0u);
        EXPECT_EQ(icon->pixel(0, side - 1) >> 24, 0u);
    }

    // The ring: a see-through hole around its centre pixel, a black rim on the axes.
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{7, 7}, {6, 7}, {8, 7}, {7, 6}, {7, 8}, {5, 5}, {9, 9}})
        EXPECT_EQ(images.ringIcon.pixel(x, y) >> 24, 0u) << x << ", " << y;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 7}, {14, 7}, {7, 0}, {7, 14}})
        EXPECT_GT(images.ringIcon.pixel(x, y) >> 24, 128u) << x << ", " << y;

    // The up arrow lives in the right half with its head at the top; the down arrow is it turned
    // half a turn.
    std::int64_t upLeft = 0, upRight = 0, upTop = 0, upBottom = 0;
    for (std::int32_t y = 0; y < 24; ++y)
        for (std::int32_t x = 0; x < 24; ++x) {
            const std::uint32_t a = images.arrowUpIcon.pixel(x, y) >> 24;
            (x < 12 ? upLeft : upRight) += a;
            if (x >= 12) (y < 12 ? upTop : upBottom) += a;
            EXPECT_EQ(Hex{images.arrowDownIcon.pixel(23 - x, 23 - y)}, Hex{images.arrowUpIcon.pixel(x, y)});
        }
    EXPECT_GT(upRight, 2 * upLeft);
    EXPECT_GT(upTop, upBottom) << "the head (the widest part) at the top";
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, FixedImagesTest, ::testing::Values(0, 1));

} // namespace
} // namespace tintgrab
