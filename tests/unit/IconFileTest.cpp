#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "requester/IconFile.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

// One image of an icon file as the tests write it: top-down pixels 0xAABBGGRR, stored bottom-up.
struct IconImage {
    std::int32_t width, height, bits;
    std::vector<Color32> pixels;
    bool withMask = true;
};

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> bitmapBytes(const IconImage& image)
{
    std::vector<std::uint8_t> out;
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(image.width), 4);
    put(out, static_cast<std::uint32_t>(image.height * 2), 4);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(image.bits), 2);
    for (int i = 0; i < 6; ++i) put(out, 0, 4);
    for (std::int32_t y = image.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (std::int32_t x = 0; x < image.width; ++x) {
            const Color32 p = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            put(out, (p >> 16) & 0xFF, 1);
            put(out, (p >> 8) & 0xFF, 1);
            put(out, p & 0xFF, 1);
            if (image.bits == 32) put(out, p >> 24, 1);
        }
        while ((out.size() - start) % 4 != 0) out.push_back(0);
    }
    if (image.withMask)
        for (std::int32_t y = image.height - 1; y >= 0; --y) {
            const std::size_t start = out.size();
            for (std::int32_t x = 0; x < image.width; x += 8) {
                std::uint8_t bits = 0;
                for (std::int32_t b = 0; b < 8 && x + b < image.width; ++b)
                    if ((image.pixels[static_cast<std::size_t>(y * image.width + x + b)] >> 24) < 128)
                        bits = static_cast<std::uint8_t>(bits | (0x80 >> b));
                out.push_back(bits);
            }
            while ((out.size() - start) % 4 != 0) out.push_back(0);
        }
    return out;
}

std::vector<std::uint8_t> iconFile(const std::vector<IconImage>& images)
{
    std::vector<std::uint8_t> out;
    put(out, 0, 2);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<std::vector<std::uint8_t>> bitmaps;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& image : images) {
        bitmaps.push_back(bitmapBytes(image));
        put(out, static_cast<std::uint32_t>(image.width & 0xFF), 1);
        put(out, static_cast<std::uint32_t>(image.height & 0xFF), 1);
        put(out, 0, 2);
        put(out, 1, 2);
        put(out, static_cast<std::uint32_t>(image.bits), 2);
        put(out, static_cast<std::uint32_t>(bitmaps.back().size()), 4);
        put(out, offset, 4);
        offset += static_cast<std::uint32_t>(bitmaps.back().size());
    }
    for (const auto& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}

std::vector<Color32> pixelsOf(const Image& image)
{
    std::vector<Color32> out;
    for (std::int32_t y = 0; y < image.height(); ++y)
        for (std::int32_t x = 0; x < image.width(); ++x) out.push_back(image.pixel(x, y));
    return out;
}

// 3 x 2, so that rows need padding in both formats and top-down order shows.
const std::vector<Color32> sample{0xFF0000FFu, 0x8000FF00u, 0x00000000u, //
                                  0xFFFF0000u, 0x01020304u, 0xFF7F7F7Fu};

TEST(IconFile, ThirtyTwoBitPixelsKeepTheirStraightAlphaAndTopDownOrder)
{
    const Image icon = decodeIcon(iconFile({{3, 2, 32, sample}}));
    ASSERT_EQ(icon.width(), 3);
    ASSERT_EQ(icon.height(), 2);
    EXPECT_TRUE(icon.hasAlpha());
    EXPECT_EQ(pixelsOf(icon), sample);
}

TEST(IconFile, TwentyFourBitPixelsTakeTheirTransparencyFromTheMask)
{
    const Image icon = decodeIcon(iconFile({{3, 2, 24, sample}}));
    ASSERT_EQ(icon.width(), 3);
    EXPECT_EQ(pixelsOf(icon), (std::vector<Color32>{0xFF0000FFu, 0xFF00FF00u, 0, 0xFFFF0000u, 0, 0xFF7F7F7Fu}));
}

TEST(IconFile, ThirtyTwoBitPixelsWithoutAnyAlphaUseTheMask)
{
    std::vector<Color32> noAlpha = sample;
    for (Color32& p : noAlpha) p &= 0x00FFFFFFu;
    // The mask is written from the sample's alpha, the pixels without it.
    auto bytes = iconFile({{3, 2, 32, noAlpha}});
    const auto masked = iconFile({{3, 2, 32, sample}});
    std::copy(masked.end() - 8, masked.end(), bytes.end() - 8);
    EXPECT_EQ(pixelsOf(decodeIcon(bytes)),
              (std::vector<Color32>{0xFF0000FFu, 0xFF00FF00u, 0, 0xFFFF0000u, 0, 0xFF7F7F7Fu}));
}

TEST(IconFile, ChoosesTheDeepestImageOfTheFirstImagesSize)
{
    const std::vector<Color32> red(4, 0xFF0000FFu), green(4, 0xFF00FF00u), blue(9, 0xFFFF0000u);
    // A 24-bit image then a 32-bit one of the same size: the 32-bit one.
    EXPECT_EQ(decodeIcon(iconFile({{2, 2, 24, red}, {2, 2, 32, green}})).pixel(0, 0), 0xFF00FF00u);
    // The same depth twice: the first.
    EXPECT_EQ(decodeIcon(iconFile({{2, 2, 32, red}, {2, 2, 32, green}})).pixel(0, 0), 0xFF0000FFu);
    // A deeper image of another size does not count.
    const Image first = decodeIcon(iconFile({{2, 2, 24, red}, {3, 3, 32, blue}}));
    EXPECT_EQ(first.width(), 2);
    EXPECT_EQ(first.pixel(1, 1), 0xFF0000FFu);
}

TEST(IconFile, DamagedFilesGiveNoImage)
{
    const auto good = iconFile({{3, 2, 32, sample}});
    auto damaged = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return decodeIcon(bytes).empty();
    };
    EXPECT_TRUE(damaged(0, 1)) << "reserved field";
    EXPECT_TRUE(damaged(2, 2)) << "a cursor file";
    EXPECT_TRUE(damaged(4, 0)) << "no images";
    EXPECT_TRUE(damaged(6, 4)) << "directory and bitmap disagree on the width";
    EXPECT_TRUE(damaged(17, 0xFF)) << "image offset far outside";
    EXPECT_TRUE(damaged(22 + 14, 8)) << "8 bits per pixel";
    EXPECT_TRUE(damaged(22 + 16, 1)) << "compressed";
    EXPECT_TRUE(damaged(22 + 8, 5)) << "odd double height";
    EXPECT_FALSE(damaged(22 + 20, 9)) << "the image size field is not needed";

    // A PNG-compressed image is not one of ours.
    auto png = good;
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::copy(std::begin(signature), std::end(signature), png.begin() + 22);
    EXPECT_TRUE(decodeIcon(png).empty());

    // Cut short anywhere: no image, and nothing read past the end (AddressSanitizer watches the
    // exact-size copy).
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_TRUE(decodeIcon(cut).empty()) << "cut at " << size;
    }
    // A 32-bit image may leave its mask out when the directory says so.
    IconImage noMask{3, 2, 32, sample};
    noMask.withMask = false;
    EXPECT_EQ(pixelsOf(decodeIcon(iconFile({noMask}))), sample);
}

} // namespace
} // namespace tintgrab
