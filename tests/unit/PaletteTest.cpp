#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/Color32.hpp"
#include "requester/Palette.hpp"
#include "tests/support/FakeToolkit.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {
namespace {

TEST(Palette, NinetyThreeDistinctEntriesWithTheMarkedOnesInPlace)
{
    const std::vector<PaletteEntry> entries = generatePalette();
    ASSERT_EQ(entries.size(), 93u);
    const std::set<std::size_t> marked = {4, 12, 19, 26, 33, 40, 47, 54, 61, 68, 75, 82, 89};
    std::set<Color32> colors;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].marked, marked.count(i) ? 1 : 0) << "entry " << i;
        EXPECT_EQ(alphaOf(entries[i].color), 0) << "entry " << i;
        EXPECT_TRUE(entries[i].image.empty()) << "entry " << i;
        colors.insert(entries[i].color);
    }
    EXPECT_EQ(colors.size(), 93u);
}

TEST(Palette, ListedColours)
{
    const std::vector<PaletteEntry> entries = generatePalette();
    ASSERT_EQ(entries.size(), 93u);
    struct Case { std::size_t index; std::int32_t r, g, b; };
    const Case cases[] = {
        // The greys, white last and unmarked.
        {0, 0, 0, 0}, {1, 32, 32, 32}, {2, 64, 64, 64}, {3, 96, 96, 96}, {4, 128, 128, 128}, {5, 160, 160, 160},
        {6, 192, 192, 192}, {7, 224, 224, 224}, {8, 255, 255, 255},
        // Red and rose: dark, full, light.
        {9, 64, 0, 0}, {10, 128, 0, 0}, {11, 192, 0, 0}, {12, 255, 0, 0}, {13, 255, 64, 64}, {14, 255, 128, 128},
        {15, 255, 192, 192},
        {16, 64, 0, 32}, {17, 128, 0, 64}, {18, 192, 0, 96}, {19, 255, 0, 128}, {20, 255, 64, 160}, {21, 255, 128, 192},
        {22, 255, 192, 224},
        // The first entry, the full-strength colour and the last light form of the other families.
        {23, 64, 0, 64}, {26, 255, 0, 255}, {29, 255, 192, 255},
        {30, 32, 0, 64}, {33, 128, 0, 255}, {34, 160, 64, 255}, {36, 224, 192, 255},
        {37, 0, 0, 64}, {40, 0, 0, 255}, {43, 192, 192, 255},
        {44, 0, 32, 64}, {47, 0, 128, 255}, {48, 64, 160, 255}, {50, 192, 224, 255},
        {51, 0, 64, 64}, {54, 0, 255, 255}, {57, 192, 255, 255},
        {58, 0, 64, 32}, {61, 0, 255, 128}, {62, 64, 255, 160}, {64, 192, 255, 224},
        {65, 0, 64, 0}, {68, 0, 255, 0}, {71, 192, 255, 192},
        {72, 32, 64, 0}, {75, 128, 255, 0}, {76, 160, 255, 64}, {78, 224, 255, 192},
        {79, 64, 64, 0}, {82, 255, 255, 0}, {85, 255, 255, 192},
        {86, 64, 32, 0}, {87, 128, 64, 0}, {88, 192, 96, 0}, {89, 255, 128, 0}, {90, 255, 160, 64}, {91, 255, 192, 128},
        {92, 255, 224, 192},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex{entries[c.index].color}, Hex{packRgb(c.r, c.g, c.b)}) << "entry " << c.index;
}

class PaletteList : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { fake::reset(); }
};

TEST_F(PaletteList, OneItemPerEntryWithItsSwatchAndText)
{
    Window* window = openDialogWindow("palette", 0, 0, 372, 402, nullptr);
    ASSERT_NE(window, nullptr);
    Control* combo = createImageList(window, 312, 81, 60, 20, 400);
    ASSERT_NE(combo, nullptr);
    std::vector<PaletteEntry> entries = generatePalette();
    fillPaletteList(combo, entries);

    ASSERT_EQ(combo->itemTexts.size(), 93u);
    ASSERT_EQ(combo->itemImages.size(), 93u);
    EXPECT_EQ(listSelection(combo), -1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(combo->itemTexts[i], entries[i].marked ? "-" : " ") << "item " << i;
        for (const Image* swatch : {&entries[i].image, &combo->itemImages[i]}) {
            ASSERT_EQ(swatch->width(), 16);
            ASSERT_EQ(swatch->height(), 16);
            EXPECT_EQ(swatch->format(), PixelFormat::rgb24);
            for (std::int32_t y = 0; y < 16; ++y)
                for (std::int32_t x = 0; x < 16; ++x)
                    ASSERT_EQ(Hex{swatch->pixel(x, y)}, Hex{entries[i].color}) << "item " << i << " at " << x << ", " << y;
        }
    }
    EXPECT_EQ(combo->itemTexts[4], "-");
    EXPECT_EQ(combo->itemTexts[8], " ");
}

TEST_F(PaletteList, WithoutAListTheSwatchesAreStillMade)
{
    std::vector<PaletteEntry> entries = generatePalette();
    fillPaletteList(nullptr, entries);
    for (const PaletteEntry& entry : entries) {
        ASSERT_FALSE(entry.image.empty());
        EXPECT_EQ(Hex{entry.image.pixel(15, 15)}, Hex{entry.color});
    }
}

} // namespace
} // namespace tintgrab
