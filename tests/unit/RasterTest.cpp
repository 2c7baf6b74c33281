#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "core/Color32.hpp"
#include "requester/Raster.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

constexpr std::int32_t maxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minInt = std::numeric_limits<std::int32_t>::min();

// The blend written out literally, one channel at a time, as the oracle for everything else.
Color32 oracleBlend32(Color32 target, Color32 source)
{
    const std::uint64_t a = source >> 24, d = target >> 24;
    if (a == 0) return target;
    if (d == 0) return source;
    const std::uint64_t total = (255 - a) * d + a * 255;
    Color32 out = static_cast<Color32>(total / 255) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint64_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
        out |= static_cast<Color32>((t * (255 - a) * d + s * a * 255) / total) << shift;
    }
    return out;
}

Color32 oracleBlend24(Color32 target, Color32 source)
{
    const std::uint32_t a = source >> 24;
    Color32 out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
        out |= ((s * a + t * (255 - a)) / 255) << shift;
    }
    return out;
}

Image filled(std::int32_t w, std::int32_t h, PixelFormat format, Color32 color)
{
    Image image(w, h, format);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) image.row(y)[x] = color;
    return image;
}

// The image as rows of hex values, so a failure shows the whole picture.
std::vector<std::vector<Hex>> picture(const Image& image)
{
    std::vector<std::vector<Hex>> rows;
    for (std::int32_t y = 0; y < image.height(); ++y) {
        rows.emplace_back();
        for (std::int32_t x = 0; x < image.width(); ++x) rows.back().push_back(Hex{image.pixel(x, y)});
    }
    return rows;
}

// ---- Division by 255 and the blend of one pixel -------------------------------------------------

TEST(Divide255, ExactOverItsWholeRange)
{
    for (std::uint32_t x = 0; x <= 65534; ++x) ASSERT_EQ(divide255(x), x / 255) << x;
    // The range is tight: the shortcut is wrong one past its end.
    EXPECT_NE(divide255(65535), 65535u / 255);
}

TEST(BlendPixel, HandComputedPixels)
{
    struct Case { Color32 target, source; bool targetHasAlpha; Color32 expected; const char* what; };
    const Case cases[] = {
        {0x00112233u, 0x80AABBCCu, true, 0x80AABBCCu, "over transparent: source colour and alpha"},
        {0x00112233u, 0x00AABBCCu, true, 0x00112233u, "alpha 0 keeps even a transparent colour"},
        {0xFF000000u, 0x80FFFFFFu, true, 0xFF808080u, "white half over opaque black"},
        {0xFF102030u, 0xFFC0B0A0u, true, 0xFFC0B0A0u, "opaque source written exactly"},
        {0x01102030u, 0xFFC0B0A0u, true, 0xFFC0B0A0u, "opaque source over nearly transparent"},
        {0x80000000u, 0x80FFFFFFu, true, 0xBFAAAAAAu, "half over half: 170 and alpha 191"},
        {0xFF0000FFu, 0x60000000u, true, 0xFF00009Fu, "frame black 96 over red: 255*159/255"},
        {0x40FFFFFFu, 0x01000000u, true, 0x40FBFBFBu, "nearly transparent over thin target: 251.06"},
        {0x00000010u, 0x400000F0u, false, 0x00000048u, "24-bit target: (240*64+16*191)/255"},
        {0x00102030u, 0xFFC0B0A0u, false, 0x00C0B0A0u, "24-bit target, opaque source"},
        {0x00102030u, 0x00C0B0A0u, false, 0x00102030u, "24-bit target, alpha 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex{blendPixel(c.target, c.source, c.targetHasAlpha)}, Hex{c.expected}) << c.what;
        const Color32 oracle = c.targetHasAlpha ? oracleBlend32(c.target, c.source) : oracleBlend24(c.target, c.source);
        EXPECT_EQ(Hex{oracle}, Hex{c.expected}) << "oracle: " << c.what;
    }
}

TEST(BlendPixel, MatchesTheFormulaForEveryAlphaPair)
{
    // Every source alpha over every target alpha, with channel values spread over their range.
    const std::uint32_t levels[] = {0, 1, 2, 17, 127, 128, 200, 254, 255};
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t d = 0; d < 256; ++d)
            for (std::uint32_t s : levels)
                for (std::uint32_t t : levels) {
                    const Color32 source = (a << 24) | s | ((255 - s) << 8) | ((s ^ 0x55) << 16);
                    const Color32 target = (d << 24) | t | (((t * 7) & 0xFF) << 8) | ((255 - t) << 16);
                    ASSERT_EQ(Hex{blendPixel(target, source, true)}, Hex{oracleBlend32(target, source)})
                        << "a " << a << " d " << d;
                    ASSERT_EQ(Hex{blendPixel(target & 0xFFFFFFu, source, false)},
                              Hex{oracleBlend24(target, source)})
                        << "a " << a;
                }
}

TEST(BlendPixel, OverOpaqueIsTheShortQuotientForEveryLevel)
{
    // All source alphas, source levels and target levels over an opaque target.
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t s = 0; s < 256; ++s)
            for (std::uint32_t t = 0; t < 256; ++t) {
                const Color32 out = blendPixel(0xFF000000u | t << 8, (a << 24) | s << 8, true);
                const std::uint32_t expected = (t * (255 - a) + s * a) / 255;
                if (out != (0xFF000000u | expected << 8))
                    FAIL() << "a " << a << " s " << s << " t " << t << " gives " << Hex{out};
            }
}

// ---- Images --------------------------------------------------------------------------------------

TEST(Image, NewImagesAndPixelReads)
{
    const Image rgba(3, 2, PixelFormat::rgba32);
    const Image rgb(3, 2, PixelFormat::rgb24);
    EXPECT_EQ(Hex{rgba.pixel(2, 1)}, Hex{0xFF000000u});
    EXPECT_EQ(Hex{rgb.pixel(2, 1)}, Hex{0u});
    EXPECT_TRUE(rgba.hasAlpha());
    EXPECT_FALSE(rgb.hasAlpha());
    for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {minInt, maxInt}})
        EXPECT_EQ(Hex{rgba.pixel(x, y)}, Hex{0u}) << x << "," << y;

    EXPECT_TRUE(Image(0, 5, PixelFormat::rgba32).empty());
    EXPECT_TRUE(Image(-4, 5, PixelFormat::rgba32).empty());
    EXPECT_EQ(Image(-4, 5, PixelFormat::rgba32).width(), 0);
    EXPECT_TRUE(Image().empty());
}

TEST(Image, EnlargedRepeatsEachPixelAsABlock)
{
    Image source(2, 1, PixelFormat::rgba32);
    source.row(0)[0] = 0x11223344u;
    source.row(0)[1] = 0x80FFFFFFu;
    const Image big = enlarged(source, 3);
    ASSERT_EQ(big.width(), 6);
    ASSERT_EQ(big.height(), 3);
    for (std::int32_t y = 0; y < 3; ++y)
        for (std::int32_t x = 0; x < 6; ++x) EXPECT_EQ(Hex{big.pixel(x, y)}, Hex{source.pixel(x / 3, 0)});
    EXPECT_EQ(enlarged(source, 0).width(), 2);
}

// ---- Modes on tiny images ------------------------------------------------------------------------

TEST(Painter, EveryModeOnA32BitTarget)
{
    const Color32 start = 0x80102030u;
    const Color32 color = 0x40F0E0D0u;
    struct Case { DrawMode mode; Color32 expected; };
    const Case cases[] = {
        {DrawMode::plain, 0x80F0E0D0u},
        {DrawMode::alphaOnly, 0x40102030u},
        // weightT = 191 * 128 = 24448, weightS = 64 * 255 = 16320, total 40768, alpha 159;
        // red (48 * 24448 + 208 * 16320) / 40768 = 112.05.
        {DrawMode::blend, 0x9F696C70u},
        {DrawMode::outlineBlend, 0x9F696C70u},
    };
    for (const Case& c : cases) {
        Image image = filled(1, 1, PixelFormat::rgba32, start);
        Painter painter(image);
        painter.setMode(c.mode);
        painter.plot(0, 0, color);
        EXPECT_EQ(Hex{image.pixel(0, 0)}, Hex{c.expected}) << static_cast<int>(c.mode);
        EXPECT_EQ(Hex{oracleBlend32(start, color)}, Hex{0x9F696C70u});
    }
}

TEST(Painter, EveryModeOnA24BitTarget)
{
    const Color32 start = 0x00102030u;
    const Color32 color = 0x40F0E0D0u;
    struct Case { DrawMode mode; Color32 expected; };
    const Case cases[] = {
        {DrawMode::plain, 0x00F0E0D0u},
        {DrawMode::alphaOnly, 0x00102030u},
        // red (208 * 64 + 48 * 191) / 255 = 88.15.
        {DrawMode::blend, 0x00485058u},
        {DrawMode::outlineBlend, 0x00485058u},
    };
    for (const Case& c : cases) {
        Image image = filled(2, 1, PixelFormat::rgb24, start);
        Painter painter(image);
        painter.setMode(c.mode);
        painter.fillBox(0, 0, 1, 1, color);
        EXPECT_EQ(Hex{image.pixel(0, 0)}, Hex{c.expected}) << static_cast<int>(c.mode);
        EXPECT_EQ(Hex{image.pixel(1, 0)}, Hex{start}) << static_cast<int>(c.mode);
        EXPECT_EQ(Hex{painter.readPixel(0, 0)}, Hex{c.expected});
    }
    EXPECT_EQ(Hex{oracleBlend24(start, color)}, Hex{0x00485058u});
}

TEST(Painter, BlendShortcutsGiveTheGeneralResult)
{
    // Opaque colours write exactly, alpha 0 changes nothing, over transparent takes the source.
    const Color32 targets[] = {0x00000000u, 0x00FFFFFFu, 0x01808080u, 0x7F010203u, 0xFE102030u, 0xFFFFFFFFu};
    const Color32 colors[] = {0xFF123456u, 0x00123456u, 0x01FFFFFFu, 0x80000000u, 0xFE808080u};
    for (const PixelFormat format : {PixelFormat::rgba32, PixelFormat::rgb24})
        for (const Color32 target : targets)
            for (const Color32 color : colors) {
                const Color32 start = format == PixelFormat::rgb24 ? target & 0xFFFFFFu : target;
                Image image = filled(5, 1, format, start);
                Painter painter(image);
                painter.setMode(DrawMode::blend);
                painter.fillBox(1, 0, 3, 1, color);
                const Color32 expected = format == PixelFormat::rgb24 ? oracleBlend24(start, color)
                                                                      : oracleBlend32(start, color);
                EXPECT_EQ(picture(image), (std::vector<std::vector<Hex>>{
                                              {Hex{start}, Hex{expected}, Hex{expected}, Hex{expected}, Hex{start}}}))
                    << Hex{target} << " " << Hex{color};
            }
}

// Fills a 256 x 256 target whose column is the channel level and whose row is the target alpha,
// then checks each pixel of one operation against the one-pixel blend.
TEST(Painter, BoxAndImageBlendsMatchThePixelBlendEverywhere)
{
    Image target(256, 256, PixelFormat::rgba32);
    for (std::uint32_t y = 0; y < 256; ++y)
        for (std::uint32_t x = 0; x < 256; ++x) target.row(y)[x] = (y << 24) | x | ((255 - x) << 8) | ((x ^ 0xA5) << 16);

    Image source(256, 256, PixelFormat::rgba32);
    for (std::uint32_t a = 0; a < 256; a += 5) {
        const Color32 color = (a << 24) | ((a * 7) & 0xFF) | ((a * 13 & 0xFF) << 8) | ((255 - a) << 16);
        Image box = target;
        Painter painter(box);
        painter.setMode(DrawMode::blend);
        painter.fillBox(0, 0, 256, 256, color);
        for (std::int32_t y = 0; y < 256; ++y)
            for (std::int32_t x = 0; x < 256; ++x)
                if (box.pixel(x, y) != blendPixel(target.pixel(x, y), color, true))
                    FAIL() << "box a " << a << " at " << x << "," << y << ": " << Hex{box.pixel(x, y)};
    }

    // Each source pixel has its own alpha: rows of the source run through every alpha.
    for (std::uint32_t y = 0; y < 256; ++y)
        for (std::uint32_t x = 0; x < 256; ++x)
            source.row(y)[x] = ((x ^ y) << 24) | ((x * 3) & 0xFF) | (y << 8) | (((x + y) & 0xFF) << 16);
    for (const PixelFormat format : {PixelFormat::rgba32, PixelFormat::rgb24}) {
        Image drawn(256, 256, format);
        for (std::int32_t y = 0; y < 256; ++y)
            for (std::int32_t x = 0; x < 256; ++x)
                drawn.row(y)[x] = format == PixelFormat::rgba32 ? target.pixel(x, y) : target.pixel(x, y) & 0xFFFFFFu;
        const Image before = drawn;
        Painter painter(drawn);
        painter.setMode(DrawMode::blend);
        painter.drawImage(source, 0, 0);
        for (std::int32_t y = 0; y < 256; ++y)
            for (std::int32_t x = 0; x < 256; ++x)
                if (drawn.pixel(x, y) != blendPixel(before.pixel(x, y), source.pixel(x, y), drawn.hasAlpha()))
                    FAIL() << "image at " << x << "," << y << ": " << Hex{drawn.pixel(x, y)};
    }
}

TEST(Painter, DrawImageInEveryMode)
{
    Image source(2, 1, PixelFormat::rgba32);
    source.row(0)[0] = 0x00AABBCCu;
    source.row(0)[1] = 0x80FFFFFFu;
    Image source24(2, 1, PixelFormat::rgb24);
    source24.row(0)[0] = 0x00AABBCCu;
    source24.row(0)[1] = 0x00FFFFFFu;

    struct Case { const Image* source; PixelFormat format; DrawMode mode; Color32 left, right; const char* what; };
    const Case cases[] = {
        {&source, PixelFormat::rgba32, DrawMode::plain, 0x80AABBCCu, 0x80FFFFFFu, "plain keeps target alpha"},
        {&source, PixelFormat::rgba32, DrawMode::alphaOnly, 0x00000000u, 0x80000000u, "alpha-only takes source alpha"},
        {&source, PixelFormat::rgba32, DrawMode::blend, 0x80000000u, 0xBFAAAAAAu, "blend by own alpha"},
        {&source, PixelFormat::rgba32, DrawMode::outlineBlend, 0x80000000u, 0xBFAAAAAAu, "outline draws as blend"},
        {&source24, PixelFormat::rgba32, DrawMode::blend, 0xFFAABBCCu, 0xFFFFFFFFu, "24-bit source is opaque"},
        {&source24, PixelFormat::rgba32, DrawMode::alphaOnly, 0xFF000000u, 0xFF000000u, "24-bit source alpha 255"},
        {&source24, PixelFormat::rgba32, DrawMode::plain, 0x80AABBCCu, 0x80FFFFFFu, "24-bit source, plain"},
        {&source, PixelFormat::rgb24, DrawMode::blend, 0x00000000u, 0x00808080u, "onto 24-bit by own alpha"},
        {&source, PixelFormat::rgb24, DrawMode::plain, 0x00AABBCCu, 0x00FFFFFFu, "onto 24-bit, plain"},
        {&source, PixelFormat::rgb24, DrawMode::alphaOnly, 0x00000000u, 0x00000000u, "onto 24-bit, alpha-only"},
        {&source24, PixelFormat::rgb24, DrawMode::blend, 0x00AABBCCu, 0x00FFFFFFu, "24-bit onto 24-bit copies"},
    };
    for (const Case& c : cases) {
        const Color32 start = c.format == PixelFormat::rgba32 ? 0x80000000u : 0u;
        Image image = filled(4, 1, c.format, start);
        Painter painter(image);
        painter.setMode(c.mode);
        painter.drawImage(*c.source, 1, 0);
        EXPECT_EQ(picture(image),
                  (std::vector<std::vector<Hex>>{{Hex{start}, Hex{c.left}, Hex{c.right}, Hex{start}}}))
            << c.what;
        EXPECT_EQ(painter.mode(), c.mode) << c.what;
    }
}

TEST(Painter, DrawingAnEmptyImageDrawsNothing)
{
    Image image = filled(2, 2, PixelFormat::rgba32, 0x12345678u);
    Painter painter(image);
    painter.setMode(DrawMode::blend);
    painter.drawImage(Image(), 0, 0);
    painter.drawImage(Image(0, 7, PixelFormat::rgba32), 0, 0);
    EXPECT_EQ(picture(image), picture(filled(2, 2, PixelFormat::rgba32, 0x12345678u)));
}

// ---- Outline boxes -------------------------------------------------------------------------------

// Draws a box in outline blend with a half-transparent colour over opaque black: a pixel drawn
// once reads 0x80, drawn twice 0xBF. The picture is given as text rows, '#' once and '.' never.
void expectOutline(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   std::vector<const char*> rows, std::int32_t size = 5)
{
    Image image(size, size, PixelFormat::rgba32);
    Painter painter(image);
    painter.setMode(DrawMode::outlineBlend);
    painter.fillBox(x, y, w, h, 0x80FFFFFFu);
    std::vector<std::vector<Hex>> expected;
    for (const char* row : rows) {
        expected.emplace_back();
        for (const char* p = row; *p; ++p) expected.back().push_back(Hex{*p == '#' ? 0xFF808080u : 0xFF000000u});
    }
    EXPECT_EQ(picture(image), expected) << "box " << x << "," << y << " " << w << "x" << h;
}

TEST(Painter, OutlineBoxesDrawEachFramePixelOnce)
{
    expectOutline(1, 1, 3, 3, {".....", ".###.", ".#.#.", ".###.", "....."});
    expectOutline(0, 0, 5, 4, {"#####", "#...#", "#...#", "#####", "....."});
    expectOutline(1, 1, 1, 3, {".....", ".#...", ".#...", ".#...", "....."});
    expectOutline(1, 1, 3, 1, {".....", ".###.", ".....", ".....", "....."});
    expectOutline(1, 1, 2, 2, {".....", ".##..", ".##..", ".....", "....."});
    expectOutline(1, 1, 2, 3, {".....", ".##..", ".##..", ".##..", "....."});
    expectOutline(1, 1, 3, 2, {".....", ".###.", ".###.", ".....", "....."});
    expectOutline(2, 2, 1, 1, {".....", ".....", "..#..", ".....", "....."});
    expectOutline(1, 1, 0, 3, {".....", ".....", ".....", ".....", "....."});
    expectOutline(1, 1, 3, -2, {".....", ".....", ".....", ".....", "....."});
    // Frames clipped by the image's edges keep only their visible sides.
    expectOutline(-1, -1, 4, 4, {"..#..", "..#..", "###..", ".....", "....."});
    expectOutline(2, 3, 5, 5, {".....", ".....", ".....", "..###", "..#.."});
    expectOutline(-1, 1, 7, 3, {".....", "#####", ".....", "#####", "....."});
    expectOutline(1, -1, 3, 7, {".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#."});
    // Huge frames: only the sides that fall inside are drawn.
    expectOutline(minInt, minInt, maxInt, maxInt, {".....", ".....", ".....", ".....", "....."});
    expectOutline(2, 1, maxInt, maxInt, {".....", "..###", "..#..", "..#..", "..#.."});
    expectOutline(minInt, 2, maxInt, 2, {".....", ".....", ".....", ".....", "....."});
    expectOutline(-3, 2, 6, maxInt, {".....", ".....", "###..", "..#..", "..#.."});
}

TEST(Painter, LinesAreNotFramedInOutlineMode)
{
    Image image(3, 3, PixelFormat::rgba32);
    Painter painter(image);
    painter.setMode(DrawMode::outlineBlend);
    painter.line(1, 0, 1, 3, 0x80FFFFFFu);
    const Hex o{0xFF000000u}, l{0xFF808080u};
    EXPECT_EQ(picture(image), (std::vector<std::vector<Hex>>{{o, l, o}, {o, l, o}, {o, l, o}}));
}

// ---- Clipping ------------------------------------------------------------------------------------

TEST(Painter, BoxesClipAtEveryEdge)
{
    struct Case { std::int32_t x, y, w, h; std::vector<const char*> rows; };
    const Case cases[] = {
        {-2, -2, 3, 3, {"#...", "....", "...."}},
        {3, 2, 5, 5, {"....", "....", "...#"}},
        {-1, 1, 10, 1, {"....", "####", "...."}},
        {4, 0, 1, 3, {"....", "....", "...."}},
        {0, 3, 4, 1, {"....", "....", "...."}},
        {-5, 0, 5, 3, {"....", "....", "...."}},
        {0, 0, maxInt, maxInt, {"####", "####", "####"}},
        {minInt, minInt, maxInt, maxInt, {"....", "....", "...."}},
        {minInt, 1, maxInt, 1, {"....", "....", "...."}},
        {-1, -1, maxInt, maxInt, {"####", "####", "####"}},
        {maxInt, maxInt, maxInt, maxInt, {"....", "....", "...."}},
        {2, 1, minInt, 5, {"....", "....", "...."}},
        {maxInt - 1, 0, 3, 3, {"....", "....", "...."}},
    };
    for (const DrawMode mode : {DrawMode::plain, DrawMode::alphaOnly, DrawMode::blend})
        for (const Case& c : cases) {
            Image image(4, 3, PixelFormat::rgba32);
            Painter painter(image);
            painter.setMode(mode);
            painter.fillBox(c.x, c.y, c.w, c.h, 0x80FFFFFFu);
            const Color32 drawn = mode == DrawMode::plain ? 0xFFFFFFFFu : mode == DrawMode::alphaOnly ? 0x80000000u : 0xFF808080u;
            std::vector<std::vector<Hex>> expected;
            for (const char* row : c.rows) {
                expected.emplace_back();
                for (const char* p = row; *p; ++p) expected.back().push_back(Hex{*p == '#' ? drawn : 0xFF000000u});
            }
            EXPECT_EQ(picture(image), expected)
                << "mode " << static_cast<int>(mode) << " box " << c.x << "," << c.y << " " << c.w << "x" << c.h;
        }
}

TEST(Painter, PlotsAndLinesClip)
{
    Image image(2, 2, PixelFormat::rgba32);
    Painter painter(image);
    painter.setMode(DrawMode::plain);
    const std::int32_t outside[] = {-1, 2, minInt, maxInt};
    for (const std::int32_t v : outside) {
        painter.plot(v, 0, 0xFFFFFFFFu);
        painter.plot(0, v, 0xFFFFFFFFu);
        painter.line(v, minInt, 1, maxInt, 0xFFFFFFFFu); // a column beside the image
        painter.line(v, -1, 1, maxInt, 0xFFFFFFFFu);
        painter.line(minInt, v, maxInt, 1, 0xFFFFFFFFu); // a row above or below it
        painter.line(-1, v, maxInt, 1, 0xFFFFFFFFu);
    }
    painter.line(1, minInt, 1, maxInt, 0xFFFFFFFFu); // ends at row -2
    painter.line(minInt, 1, maxInt, 1, 0xFFFFFFFFu); // ends at column -2
    EXPECT_EQ(picture(image), picture(Image(2, 2, PixelFormat::rgba32)));

    painter.line(1, -5, 1, maxInt, 0xFFFFFFFFu);
    painter.line(minInt + 2, 1, maxInt, 1, 0xFF0000FFu); // ends at column 0
    const Hex o{0xFF000000u}, w{0xFFFFFFFFu}, r{0xFF0000FFu};
    EXPECT_EQ(picture(image), (std::vector<std::vector<Hex>>{{o, w}, {r, w}}));
}

TEST(Painter, ImagesClipAtEveryEdge)
{
    Image source(3, 3, PixelFormat::rgba32);
    for (std::uint32_t y = 0; y < 3; ++y)
        for (std::uint32_t x = 0; x < 3; ++x) source.row(y)[x] = 0xFF000000u | (y * 3 + x + 1);

    struct Case { std::int32_t x, y; std::vector<std::vector<std::uint32_t>> expected; };
    const Case cases[] = {
        {0, 0, {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}}},
        {-1, -1, {{5, 6, 0, 0}, {8, 9, 0, 0}, {0, 0, 0, 0}}},
        {2, 1, {{0, 0, 0, 0}, {0, 0, 1, 2}, {0, 0, 4, 5}}},
        {-2, 2, {{0, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 0, 0}}},
        {3, -2, {{0, 0, 0, 7}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {-3, 0, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {4, 0, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {0, 3, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {minInt, minInt, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {maxInt, maxInt, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {maxInt - 1, 0, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {0, minInt + 1, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
    };
    for (const DrawMode mode : {DrawMode::plain, DrawMode::blend})
        for (const Case& c : cases) {
            Image image(4, 3, PixelFormat::rgba32);
            Painter painter(image);
            painter.setMode(mode);
            painter.drawImage(source, c.x, c.y);
            std::vector<std::vector<Hex>> expected;
            for (const auto& row : c.expected) {
                expected.emplace_back();
                for (const std::uint32_t v : row) expected.back().push_back(Hex{0xFF000000u | v});
            }
            EXPECT_EQ(picture(image), expected) << "at " << c.x << "," << c.y;
        }
}

} // namespace
} // namespace tintgrab
