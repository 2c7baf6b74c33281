// Choosing a colour with the pointer, the fields and the preset list, on the scripted toolkit.

#include "requester/ColorModel.hpp"
#include "requester/FixedImages.hpp"
#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

// The strip as the dialog lays it out around the hue of color, and the hue at one of its rows.
Color32 stripHueAt(Color32 color, std::int32_t alphaMode, std::int32_t row)
{
    RequesterImages images;
    makeHueStripImage(images, alphaMode);
    const std::vector<Color32> table = buildHueTable();
    std::int32_t hueIndex = 0, huePos = 0;
    layOutHueStrip(images.hueStripImage, table, squarePositionOf(color).hueColor, hueIndex, huePos, alphaMode);
    return hueFromStrip(images.hueStripImage, row);
}

TEST_F(RequesterTest, ADragInTheSquareGivesTheComposedColourKeepingAlpha)
{
    for (std::int32_t alphaMode : {0, 1}) {
        fake::reset();
        fake::press(44 + 10, 12 + 10);
        fake::moveTo(44 + 128, 12 + 128);
        fake::moveTo(44 + 64, 12 + 32);
        fake::release(44 + 64, 12 + 32);
        accept();
        // Opaque red: hue red; (64, 32) on a red square is 0xA7A7DF.
        EXPECT_EQ(Hex{run(0x800000FFu, alphaMode)}, Hex{0x80A7A7DFu});
        EXPECT_EQ(fake::state().cursorCount, 0);
    }
}

TEST_F(RequesterTest, ASquareDragFollowsTheExactReadBackFormula)
{
    const struct { std::int32_t x, y; Color32 start; } cases[] = {
        {0, 0, 0xFF0000FFu}, {255, 0, 0xFF0000FFu}, {128, 128, 0xFF0000FFu}, {254, 0, 0xFF0000FFu},
        {255, 1, 0xFF0000FFu}, {17, 255, 0xFF336699u}, {200, 100, 0x00336699u}, {3, 250, 0x7F00FF00u},
    };
    for (const auto& c : cases) {
        fake::reset();
        fake::press(44 + c.x, 12 + c.y);
        fake::release(44 + c.x, 12 + c.y);
        accept();
        const Color32 hue = squarePositionOf(c.start).hueColor;
        const Color32 expected = withAlpha(squareColorAt(hue, c.x, c.y), alphaOf(c.start));
        EXPECT_EQ(Hex{run(c.start, 1)}, Hex{expected}) << c.x << "," << c.y;
    }
}

TEST_F(RequesterTest, AStripDragTakesTheHueOfTheRowAndReadsTheSquareBack)
{
    for (std::int32_t alphaMode : {0, 1}) {
        for (std::int32_t row : {0, 40, 160, 321}) {
            fake::reset();
            const Color32 start = 0xFF336699u; // svX 170, svY 102
            fake::press(20, 12 + 5);
            fake::moveTo(25, 12 + row);
            fake::moveTo(26, 12 + row); // a second move, so the read-back happens before the release
            fake::release(26, 12 + row);
            accept();
            const Color32 hue = stripHueAt(start, alphaMode, row);
            const Color32 expected = withAlpha(squareColorAt(hue, 170, 102), 0xFF);
            EXPECT_EQ(Hex{run(start, alphaMode)}, Hex{expected}) << "row " << row;
        }
    }
}

TEST_F(RequesterTest, AfterAStripDragTheMarkerReturnsToTheMiddle)
{
    // The hue marker's transparent middle row shows the strip: rows 171..173 (opaque) hold the marker.
    for (std::int32_t alphaMode : {0, 1}) {
        fake::reset();
        Color32 markerRail = 0;
        fake::press(20, 12 + 3);
        fake::release(20, 12 + 3);
        fake::atStep([&] { markerRail = shown(9, (alphaMode ? 171 : 160) + 11); });
        accept();
        run(0xFF0000FFu, alphaMode);
        EXPECT_EQ(Hex{markerRail}, Hex{0xFF000000u}); // the rail's dark end, drawn opaque
    }
}

TEST_F(RequesterTest, BarDragsSetOneChannelAndKeepTheOthers)
{
    struct Case { std::int32_t alphaMode; std::int32_t barY; Point moveTo; Color32 start, expected; };
    const Case cases[] = {
        {0, 285, {44 + 10, 285}, 0x80336699u, 0x8033660Au},
        {0, 307, {44 + 255, 307}, 0x80336699u, 0x8033FF99u},
        {1, 329, {44 + 0, 329}, 0x80336699u, 0x80006699u},
        {1, 350, {44 + 77, 350}, 0x80336699u, 0x4D336699u},
        // Moving far outside the bar still gives an end value: the pointer stays inside the bar.
        {0, 285, {500, 900}, 0xFF000000u, 0xFF0000FFu},
        {1, 350, {-300, 350}, 0xFF000000u, 0x00000000u},
    };
    for (const Case& c : cases) {
        fake::reset();
        fake::press(44 + 100, c.barY);
        fake::moveTo(c.moveTo.x, c.moveTo.y);
        fake::release(c.moveTo.x, c.moveTo.y);
        accept();
        EXPECT_EQ(Hex{run(c.start, c.alphaMode)}, Hex{c.expected}) << c.barY;
    }
}

TEST_F(RequesterTest, NoAlphaDragInTheOpaqueBuild)
{
    fake::press(44 + 10, 350);
    fake::release(44 + 10, 350);
    accept();
    EXPECT_EQ(Hex{run(0x80336699u, 0)}, Hex{0x80336699u});
    EXPECT_EQ(fake::state().cursorCount, 0);
}

TEST_F(RequesterTest, APressInAnAreaAlreadyDraggingStartsNothing)
{
    std::int32_t cursor = 0;
    ScreenRect saved{};
    fake::press(44 + 5, 285);
    fake::atStep([&] { saved = fake::state().confinement; });
    fake::press(44 + 9, 285); // no release between: the drag is still on
    fake::atStep([&] { cursor = fake::state().cursorCount; });
    fake::release(44 + 9, 285);
    accept();
    run(0xFF000000u, 0);
    EXPECT_EQ(cursor, -1);
    EXPECT_EQ(fake::state().confinement, fake::unconfined);
    EXPECT_NE(saved, fake::unconfined);
}

TEST_F(RequesterTest, APressMovesTheFocusToOkAndLeavesTheDialogOpen)
{
    Control* focus = nullptr;
    fake::typeInto(at::redField.x, at::redField.y, "5");
    fake::press(44 + 5, 285);
    fake::atStep([&] { focus = focusedControl(); });
    fake::release(44 + 5, 285);
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{0xFF000005u});
    EXPECT_EQ(focus, control(at::okButton));
}

TEST_F(RequesterTest, ReleasingOverTheSwatchesCopiesBetweenThem)
{
    // Over the new-colour swatch: the reference takes the current colour; over the reference swatch
    // the current colour takes it back, alpha and all.
    fake::press(44 + 20, 285);              // red 20
    fake::release(44 + 20, 285);
    fake::press(200, 390);                  // outside every area
    fake::release(330, 20);                 // over the new-colour swatch: compare takes red 20
    fake::typeInto(at::redField.x, at::redField.y, "99");
    fake::press(100, 200);                  // a drag in the square: the pointer cannot leave it
    fake::release(330, 60);
    fake::press(330, 60);                   // a click on the reference swatch takes it back
    fake::release(330, 60);
    accept();
    EXPECT_EQ(Hex{run(0x40000000u, 1)}, Hex{0x40000014u});
}

TEST_F(RequesterTest, PressingOnASwatchAndReleasingElsewhereDoesNothing)
{
    fake::press(330, 20);
    fake::release(200, 390);
    fake::press(330, 60);
    fake::release(5, 5);
    accept();
    EXPECT_EQ(Hex{run(0x40302010u, 1)}, Hex{0x40302010u});
}

TEST_F(RequesterTest, HoverSignOverEachSwatch)
{
    // The sign is drawn in the 24 x 24 box at (324, 32): down-arrow in its left half over the
    // new-colour swatch, up-arrow in its right half over the reference swatch.
    const auto marked = [](std::int32_t x0, std::int32_t x1) {
        std::int32_t count = 0;
        for (std::int32_t y = 32; y < 56; ++y)
            for (std::int32_t x = x0; x < x1; ++x) count += shown(x, y) != 0xFFFFFFFFu;
        return count;
    };
    std::int32_t newLeft = 0, newRight = 0, referenceLeft = 0, referenceRight = 0, neither = -1;
    fake::moveTo(330, 20);
    fake::atStep([&] { newLeft = marked(324, 336); newRight = marked(336, 348); });
    fake::moveTo(330, 60);
    fake::atStep([&] { referenceLeft = marked(324, 336); referenceRight = marked(336, 348); });
    fake::moveTo(200, 390);
    fake::atStep([&] { neither = marked(324, 348); });
    accept();
    run(0xFFFFFFFFu, 0);
    EXPECT_EQ(neither, 0);
    EXPECT_GT(newLeft, 20);
    EXPECT_GT(newLeft, 4 * newRight);
    EXPECT_GT(referenceRight, 20);
    EXPECT_GT(referenceRight, 4 * referenceLeft);
}

TEST_F(RequesterTest, MovementAndReleaseInOnePassKeepThePreviousReadBack)
{
    // The move and the release are handled in one pass: the colour stays the one read at the press.
    fake::press(44 + 0, 12 + 0);
    fake::moveTo(44 + 255, 12 + 0);
    fake::release(44 + 255, 12 + 0);
    fake::samePass();
    accept();
    EXPECT_EQ(Hex{run(0xFF0000FFu, 0)}, Hex{0xFFFFFFFFu});
}

TEST_F(RequesterTest, TypedValuesAreLimitedAndTheFieldKeepsItsTextWhileFocused)
{
    struct Case { std::string text; Color32 expected; };
    const Case cases[] = {
        {"300", 0xFF0000FFu}, {"007", 0xFF000007u}, {"", 0xFF000000u}, {"$FF", 0xFF0000FFu},
        {"12abc", 0xFF00000Cu}, {"-5", 0xFF000000u}, {"99999999999999999999999", 0xFF0000FFu},
        {"18446744073709551615", 0xFF0000FFu}, {"-99999999999999999999", 0xFF000000u},
    };
    for (const Case& c : cases) {
        fake::reset();
        std::string textWhileFocused;
        fake::typeInto(at::redField.x, at::redField.y, c.text);
        fake::atStep([&] { textWhileFocused = controlText(control(at::redField)); });
        accept();
        EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{c.expected}) << c.text;
        EXPECT_EQ(textWhileFocused, c.text);
    }
}

TEST_F(RequesterTest, AFieldIsRewrittenOnceItLosesTheFocus)
{
    std::string afterFocusMoved;
    fake::typeInto(at::redField.x, at::redField.y, "300");
    fake::typeInto(at::greenField.x, at::greenField.y, "007");
    fake::atStep([&] { afterFocusMoved = controlText(control(at::redField)); });
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{0xFF0007FFu});
    EXPECT_EQ(afterFocusMoved, "255");
}

TEST_F(RequesterTest, FieldsKeepAlphaInTheOpaqueBuildAndSetItInTheAlphaBuild)
{
    fake::typeInto(at::blueField.x, at::blueField.y, "16");
    accept();
    EXPECT_EQ(Hex{run(0x7F000000u, 0)}, Hex{0x7F100000u});
    fake::reset();
    fake::typeInto(at::alphaField.x, at::alphaField.y, "16");
    accept();
    EXPECT_EQ(Hex{run(0x7F000000u, 1)}, Hex{0x10000000u});
}

TEST_F(RequesterTest, APresetPickKeepsTheAlpha)
{
    fake::pickListItem(12); // (255, 0, 0)
    accept();
    EXPECT_EQ(Hex{run(0x80112233u, 1)}, Hex{0x800000FFu});
    fake::reset();
    fake::pickListItem(47); // (0, 128, 255)
    accept();
    EXPECT_EQ(Hex{run(0x00112233u, 0)}, Hex{0x00FF8000u});
}

TEST_F(RequesterTest, TheListFollowsTheColour)
{
    std::int32_t atStart = -2, onPreset = -2, offPreset = -2;
    fake::atStep([&] { atStart = listSelection(control(at::paletteCombo)); });
    fake::press(44 + 128, 285);         // red 128 on black: preset 10 (128, 0, 0)
    fake::atStep([&] { onPreset = listSelection(control(at::paletteCombo)); });
    fake::moveTo(44 + 129, 285);
    fake::atStep([&] { offPreset = listSelection(control(at::paletteCombo)); });
    fake::release(44 + 129, 285);
    accept();
    run(0xFF0000FFu, 0);
    EXPECT_EQ(atStart, 12);
    EXPECT_EQ(onPreset, 10);
    EXPECT_EQ(offPreset, -1);
}

} // namespace
} // namespace tintgrab

namespace tintgrab {
namespace {

TEST_F(RequesterTest, ASecondDragAfterTheConfinementWasLostStillGivesThePointerBackOnce)
{
    fake::press(44 + 5, 285);
    fake::atStep([] { fake::state().confinement = fake::unconfined; }); // another program freed it
    fake::press(100, 100);                                                // the square, while the bar is held
    fake::release(100, 100);
    accept();
    run(0xFF000000u, 0);
    EXPECT_EQ(fake::state().cursorCount, 0);
    EXPECT_EQ(fake::state().confinement, fake::unconfined);
}

} // namespace
} // namespace tintgrab
