// The screen eyedropper on the scripted toolkit, with monitors and pixels of our own making.

#include "requester/Eyedropper.hpp"
#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

// A recognisable colour for every screen pixel: red from x, green from y, blue marks the monitor.
Color32 screenColor(std::int32_t monitor, std::int32_t x, std::int32_t y)
{
    return packRgb(x & 0xFF, y & 0xFF, 0x40 * (monitor + 1));
}

class EyedropperTest : public RequesterTest {
protected:
    void SetUp() override
    {
        RequesterTest::SetUp();
        setMonitors({{0, 0, 1280, 1024}, {-800, 100, 800, 600}});
    }

    static void setMonitors(std::vector<MonitorRect> monitors)
    {
        fake::Screen& screen = fake::state().screen;
        screen.monitors = std::move(monitors);
        screen.monitorPixels.clear();
        for (std::size_t m = 0; m < screen.monitors.size(); ++m) {
            const MonitorRect& r = screen.monitors[m];
            Image pixels(r.width, r.height, PixelFormat::rgb24);
            for (std::int32_t y = 0; y < r.height; ++y)
                for (std::int32_t x = 0; x < r.width; ++x)
                    pixels.row(y)[x] = screenColor(static_cast<std::int32_t>(m), r.x + x, r.y + y);
            screen.monitorPixels.push_back(std::move(pixels));
        }
    }

    static void startEyedropper() { fake::clickButtonAt(at::pickButton.x, at::pickButton.y); }

    static Window* magnifier()
    {
        for (Window* window : fake::openWindows())
            if (window->clientWidth == 121 && window->clientHeight == 121 && !window->dialog) return window;
        return nullptr;
    }

    // Checks, between two passes of the dialog, that nothing of the eyedropper is left.
    static void expectCleanedUp()
    {
        fake::atStep([] {
            EXPECT_EQ(fake::openWindowCount(), 1);
            EXPECT_TRUE(fake::dialog()->visible);
            EXPECT_EQ(fake::state().active, fake::dialog());
            EXPECT_EQ(fake::state().screensOpen, 0);
        });
    }
};

TEST_F(EyedropperTest, APickTakesThePixelUnderThePointerAndKeepsAlpha)
{
    startEyedropper();
    fake::moveOnScreen(700, 300);
    fake::moveOnScreen(255, 0);
    fake::clickScreen();
    expectCleanedUp();
    accept();
    EXPECT_EQ(Hex{run(0x80112233u, 1)}, Hex{withAlpha(screenColor(0, 255, 0), 0x80)});
    EXPECT_EQ(fake::state().pauses, 1);
}

TEST_F(EyedropperTest, APickOnAMonitorAtNegativeCoordinates)
{
    startEyedropper();
    fake::moveOnScreen(-700, 150);
    fake::clickScreen();
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{withAlpha(screenColor(1, -700, 150), 0xFF)});
}

TEST_F(EyedropperTest, EscapeAndCloseLeaveEverythingAsItWas)
{
    for (bool byClose : {false, true}) {
        fake::reset();
        setMonitors({{0, 0, 640, 480}});
        startEyedropper();
        fake::moveOnScreen(10, 20);
        if (byClose) fake::closeRequest();
        else fake::pressEscape();
        expectCleanedUp();
        accept();
        EXPECT_EQ(Hex{run(0x80112233u, 1)}, Hex{0x80112233u});
    }
}

TEST_F(EyedropperTest, AClickBeforeAnyMovementPicksThePixelUnderThePointer)
{
    fake::atStep([] { fake::state().pointer = {321, 123}; });
    startEyedropper();
    fake::clickScreen();
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{withAlpha(screenColor(0, 321, 123), 0xFF)});
}

TEST_F(EyedropperTest, TheLastSampleIsKeptIntoTheNextRun)
{
    startEyedropper();
    fake::moveOnScreen(17, 34);
    fake::pressEscape();
    // Off every monitor the magnifier has nothing to sample; a click on a picture then picks the
    // colour sampled last.
    fake::atStep([] { fake::state().screen.monitors[0].x = 5000; });
    startEyedropper();
    fake::atStep([] { fake::state().pointer = {3000, 10}; });
    fake::moveOnScreen(3000, 10);
    fake::atStep([] { fake::state().pointer = {5001, 10}; }); // over the (moved) picture, unsampled
    fake::clickScreen();
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{withAlpha(screenColor(0, 17, 34), 0xFF)});
}

TEST_F(EyedropperTest, TheMagnifierFlipsAtTheMonitorsEdges)
{
    const MonitorRect monitor{100, 50, 1280, 1024};
    const std::int32_t right = 100 + 1280, bottom = 50 + 1024;
    EXPECT_EQ(magnifierPosition(monitor, right - 137, bottom - 137), (Point{right - 137 + 16, bottom - 137 + 16}));
    EXPECT_EQ(magnifierPosition(monitor, right - 136, bottom - 137), (Point{right - 136 - 137, bottom - 137 + 16}));
    EXPECT_EQ(magnifierPosition(monitor, right - 137, bottom - 136), (Point{right - 137 + 16, bottom - 136 - 137}));
    EXPECT_EQ(magnifierPosition(monitor, right - 1, bottom - 1), (Point{right - 138, bottom - 138}));

    Point placedRight{}, placedLeft{};
    startEyedropper();
    fake::moveOnScreen(1280 - 137, 10);
    fake::atStep([&] { placedRight = {magnifier()->x, magnifier()->y}; });
    fake::moveOnScreen(1280 - 136, 1024 - 1);
    fake::atStep([&] { placedLeft = {magnifier()->x, magnifier()->y}; });
    fake::pressEscape();
    accept();
    run(0xFF000000u, 0);
    EXPECT_EQ(placedRight, (Point{1280 - 137 + 16, 26}));
    EXPECT_EQ(placedLeft, (Point{1280 - 136 - 137, 1024 - 1 - 137}));
}

TEST_F(EyedropperTest, TheMagnifierShowsSevenfoldPixelsAFrameAndAnInvertedCrosshair)
{
    Image shown;
    startEyedropper();
    fake::moveOnScreen(2, 300); // near the primary monitor's left edge, the other monitor beyond it
    fake::atStep([&] { shown = magnifier()->surface; });
    fake::pressEscape();
    accept();
    run(0xFF000000u, 0);
    const auto block = [&](std::int32_t i, std::int32_t j) { return shown.pixel(1 + 7 * i + 1, 1 + 7 * j + 1); };
    // Columns 0 to 5 of the grab lie left of the primary monitor: black, although another monitor is there.
    EXPECT_EQ(Hex{block(0, 4)}, Hex{0xFF000000u});
    EXPECT_EQ(Hex{block(5, 4)}, Hex{0xFF000000u});
    EXPECT_EQ(Hex{block(6, 4)}, Hex{withAlpha(screenColor(0, 0, 296), 0xFF)});
    EXPECT_EQ(Hex{block(16, 16)}, Hex{withAlpha(screenColor(0, 10, 308), 0xFF)});
    // The crosshair inverts whatever it crosses; where the two lines cross it is inverted twice.
    const Color32 centre = withAlpha(screenColor(0, 2, 300), 0xFF);
    EXPECT_EQ(Hex{shown.pixel(60, 60)}, Hex{centre});
    EXPECT_EQ(Hex{shown.pixel(61, 60)}, Hex{centre ^ 0x00FFFFFFu});
    EXPECT_EQ(Hex{shown.pixel(60, 0)}, Hex{0xFFFFFFFFu});  // the inverted black frame
    EXPECT_EQ(Hex{shown.pixel(0, 60)}, Hex{0xFFFFFFFFu});
    EXPECT_EQ(Hex{shown.pixel(60, 119)}, Hex{block(8, 16)});     // one pixel short of the last row
    EXPECT_EQ(Hex{shown.pixel(119, 60)}, Hex{block(16, 8)});
}

TEST_F(EyedropperTest, AMonitorWithoutItsWindowIsPassedOver)
{
    fake::state().failingPopups = {0}; // the primary monitor's covering window
    startEyedropper();
    fake::moveOnScreen(-700, 150);    // sampled on the second monitor
    fake::moveOnScreen(40, 40);       // on the uncovered primary: nothing changes
    fake::atStep([] { fake::state().pointer = {-10, 110}; });
    fake::clickScreen();
    expectCleanedUp();
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{withAlpha(screenColor(1, -700, 150), 0xFF)});
}

TEST_F(EyedropperTest, NoMagnifierMeansNoPickLoop)
{
    setMonitors({{0, 0, 640, 480}});
    fake::state().failingPopups = {1};
    startEyedropper();
    fake::moveOnScreen(10, 10);
    fake::clickScreen();
    expectCleanedUp();
    accept();
    EXPECT_EQ(Hex{run(0x80112233u, 1)}, Hex{0x80112233u});
}

TEST_F(EyedropperTest, NoMonitorListedMeansTheWholeScreen)
{
    fake::state().screen.monitors.clear();
    fake::state().screen.size = {640, 480};
    std::int32_t popups = 0;
    startEyedropper();
    fake::atStep([&] { popups = fake::openWindowCount(); });
    fake::moveOnScreen(7, 9);
    fake::clickScreen();
    accept();
    EXPECT_EQ(Hex{run(0xFF000000u, 0)}, Hex{0xFF000000u}); // the fake's screen has no pixels: black
    EXPECT_EQ(popups, 3); // dialog (hidden), one covering window, the magnifier
}

TEST_F(EyedropperTest, NoScreenAtAllShowsTheDialogAgain)
{
    fake::state().screen.monitors.clear();
    fake::state().screen.canOpen = false;
    startEyedropper();
    expectCleanedUp();
    accept();
    EXPECT_EQ(Hex{run(0x80112233u, 1)}, Hex{0x80112233u});
}

TEST_F(EyedropperTest, ADragHeldWhenItStartsIsEndedFirst)
{
    std::int32_t cursorDuring = -9;
    ScreenRect confinementDuring{};
    fake::press(44 + 5, 285);
    startEyedropper(); // from the keyboard, while the button is still held
    fake::atStep([&] {
        cursorDuring = fake::state().cursorCount;
        confinementDuring = fake::state().confinement;
    });
    fake::pressEscape();
    accept();
    run(0xFF000000u, 0);
    EXPECT_EQ(cursorDuring, 0);
    EXPECT_EQ(confinementDuring, fake::unconfined);
    EXPECT_EQ(fake::state().cursorCount, 0);
}

TEST_F(EyedropperTest, ManyRunsLeaveNothingBehind)
{
    setMonitors({{0, 0, 320, 200}, {320, 0, 100, 100}});
    for (int i = 0; i < 50; ++i) {
        startEyedropper();
        fake::moveOnScreen(i * 7 % 420, i * 3 % 100); // always on a monitor
        if (i % 3 == 0) fake::clickScreen();
        else if (i % 3 == 1) fake::pressEscape();
        else fake::closeRequest();
        expectCleanedUp();
    }
    accept();
    run(0xFF000000u, 0);
    EXPECT_EQ(fake::openWindowCount(), 0);
}

} // namespace
} // namespace tintgrab
