// The dialog's call, loop and teardown on the scripted toolkit.

#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

TEST_F(RequesterTest, AcceptAtOnceReturnsTheColourBitForBit)
{
    for (std::int32_t alphaMode : {0, 1})
        for (Color32 color : {0xFF0000FFu, 0x001E140Au, 0x80336699u, 0x00000000u, 0xFFFFFFFFu, 0x7F808080u}) {
            fake::reset();
            accept();
            EXPECT_EQ(Hex{run(color, alphaMode)}, Hex{color}) << "alpha mode " << alphaMode;
            EXPECT_FALSE(fake::state().scriptExhausted);
        }
}

TEST_F(RequesterTest, CancelAndCloseReturnTheOriginalWhateverWasEdited)
{
    for (bool byClose : {false, true}) {
        fake::reset();
        fake::typeInto(at::redField.x, at::redField.y, "7");
        fake::press(100, 100);
        fake::release(100, 100);
        if (byClose) fake::closeRequest();
        else cancel();
        EXPECT_EQ(Hex{run(0x00030201u, 0)}, Hex{0x00030201u});
        EXPECT_FALSE(fake::state().scriptExhausted);
    }
}

TEST_F(RequesterTest, AcceptReturnsTheEditedColourWithItsAlpha)
{
    fake::typeInto(at::greenField.x, at::greenField.y, "200");
    accept();
    EXPECT_EQ(Hex{run(0x80000010u, 0)}, Hex{0x8000C810u});
}

TEST_F(RequesterTest, EventsQueuedBehindTheEndAreNotHandled)
{
    accept();
    fake::typeInto(at::redField.x, at::redField.y, "9");
    fake::samePass();
    EXPECT_EQ(Hex{run(0xFF0000FFu, 0)}, Hex{0xFF0000FFu});
    EXPECT_EQ(fake::state().script.size(), 1u);
}

TEST_F(RequesterTest, TheValueIsFixedWhenTheDialogEnds)
{
    // A square drag is held while OK is clicked: the read-back of that pass does not change the result.
    fake::press(100, 100);
    accept();
    fake::samePass();
    EXPECT_EQ(Hex{run(0xFF0000FFu, 0)}, Hex{0xFF0000FFu});
}

TEST_F(RequesterTest, TheFirstPassShowsTheWholeFaceBeforeWaiting)
{
    Color32 swatch = 0;
    std::int32_t draws = 0;
    fake::atStep([&] {
        swatch = shown(320, 20);
        draws = fake::dialog()->drawCount;
    });
    accept();
    run(0xFF336699u, 0);
    EXPECT_EQ(Hex{swatch}, Hex{0xFF336699u});
    EXPECT_EQ(draws, 1);
}

TEST_F(RequesterTest, ARepaintAloneCopiesWithoutComposing)
{
    std::int32_t drawsBefore = 0, drawsAfter = 0;
    std::string redText;
    fake::atStep([&] {
        // A field without the focus is rewritten by every composition: scribble on it and see.
        setControlText(control(at::redField), "scribble");
        drawsBefore = fake::dialog()->drawCount;
    });
    fake::repaint();
    fake::atStep([&] {
        drawsAfter = fake::dialog()->drawCount;
        redText = controlText(control(at::redField));
    });
    accept();
    run(0xFF0000FFu, 0);
    EXPECT_EQ(drawsAfter, drawsBefore + 1);
    EXPECT_EQ(redText, "scribble");
}

TEST_F(RequesterTest, TheParentIsDisabledDuringTheCallAndEnabledAfter)
{
    Window* parent = openDialogWindow("parent", 0, 0, 200, 100, nullptr);
    bool enabledDuring = true;
    fake::atStep([&] { enabledDuring = parent->enabled; });
    accept();
    run(0xFF0000FFu, 0, parent);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(parent->enabled);
    EXPECT_EQ(fake::dialog()->owner, parent);
}

TEST_F(RequesterTest, AWindowThatFailsToOpenReturnsTheColourAndEnablesTheParent)
{
    Window* parent = openDialogWindow("parent", 0, 0, 200, 100, nullptr);
    fake::state().failDialogOpen = true;
    accept();
    EXPECT_EQ(Hex{run(0x12345678u, 1, parent)}, Hex{0x12345678u});
    EXPECT_TRUE(parent->enabled);
    EXPECT_EQ(fake::openWindowCount(), 1); // the parent only
    EXPECT_EQ(fake::state().script.size(), 1u);
}

TEST_F(RequesterTest, AParentThatNoLongerExistsIsIgnored)
{
    Window* parent = openDialogWindow("parent", 0, 0, 200, 100, nullptr);
    closeWindow(parent);
    accept();
    run(0xFF0000FFu, 0, parent);
    EXPECT_EQ(fake::dialog()->owner, nullptr);
}

TEST_F(RequesterTest, HundredsOfDialogsLeaveNothingBehind)
{
    for (int i = 0; i < 300; ++i) {
        fake::reset();
        fake::press(100, 100); // a drag held at the end
        if (i % 3 == 0) accept();
        else if (i % 3 == 1) cancel();
        else fake::closeRequest();
        run(static_cast<Color32>(i) * 0x01010101u, i % 2);
        ASSERT_EQ(fake::openWindowCount(), 0);
        ASSERT_EQ(fake::state().cursorCount, 0);
        ASSERT_EQ(fake::state().capture, nullptr);
    }
}

TEST_F(RequesterTest, ADragHeldAtTheEndGivesThePointerBack)
{
    for (bool byClose : {false, true}) {
        fake::reset();
        const ScreenRect before = fake::state().confinement;
        fake::press(50, 280); // red bar
        if (byClose) fake::closeRequest();
        else accept();
        run(0xFF0000FFu, 0);
        EXPECT_EQ(fake::state().cursorCount, 0);
        EXPECT_EQ(fake::state().confinement, before);
        EXPECT_EQ(fake::state().capture, nullptr);
    }
}

} // namespace
} // namespace tintgrab
