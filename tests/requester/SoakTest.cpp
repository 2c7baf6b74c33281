// One dialog fed a long run of random events: nothing crashes, and every value stays in its range.

#include <random>

#include "requester/RequesterLoop.hpp"
#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

TEST_F(RequesterTest, ALongRunOfRandomEventsKeepsEveryValueInRange)
{
    for (std::int32_t alphaMode : {0, 1}) {
        fake::reset();
        fake::state().screen.monitors = {MonitorRect{0, 0, 320, 200}, MonitorRect{-64, -48, 64, 48}};
        fake::state().screen.monitorPixels = {Image(320, 200, PixelFormat::rgb24), Image(64, 48, PixelFormat::rgb24)};
        std::mt19937 random(1234 + static_cast<unsigned>(alphaMode));
        const auto pick = [&](std::int32_t low, std::int32_t high) {
            return std::uniform_int_distribution<std::int32_t>(low, high)(random);
        };
        const std::string texts[] = {"", "0", "255", "300", "-5", "$FF", "12abc", "99999999999999999999", "007", "x"};
        const Point fields[] = {at::redField, at::greenField, at::blueField, at::alphaField};

        constexpr int events = 50000;
        for (int i = 0; i < events; ++i) {
            const std::int32_t x = pick(-50, 420), y = pick(-50, 500);
            switch (pick(0, 15)) {
            case 0: case 1: case 2: fake::press(x, y); break;
            case 3: case 4: fake::release(x, y); break;
            case 5: case 6: case 7: case 8: fake::moveTo(x, y); break;
            case 9: fake::moveOnScreen(pick(-100000, 100000), pick(-100000, 100000)); break;
            case 10: {
                const Point field = fields[pick(0, 2 + alphaMode)];
                fake::typeInto(field.x, field.y, texts[pick(0, 9)]);
                break;
            }
            case 11: fake::pickListItem(pick(-1, 95)); break;
            case 12: fake::repaint(); break;
            case 13: // the confinement lost to another program
                fake::atStep([] { fake::state().confinement = fake::unconfined; });
                break;
            case 14:
                if (pick(0, 20) == 0) {
                    fake::clickButtonAt(at::pickButton.x, at::pickButton.y);
                    fake::moveOnScreen(pick(-80, 400), pick(-60, 250));
                    if (pick(0, 1)) fake::clickScreen();
                    fake::pressEscape();
                }
                break;
            default: fake::moveTo(pick(-10, 380), pick(-10, 460)); break;
            }
            if (pick(0, 30) != 0) fake::samePass(); // mostly bursts: a pass now and then
        }
        fake::clickButtonAt(at::okButton.x, at::okButton.y);

        std::int32_t passes = 0;
        runRequester(0xFF336699u, alphaMode ? alphaFormatText : opaqueFormatText, alphaMode, nullptr,
                     [&](const RequesterState& s) {
                         ++passes;
                         ASSERT_GE(s.svX, 0);
                         ASSERT_LE(s.svX, 255);
                         ASSERT_GE(s.svY, 0);
                         ASSERT_LE(s.svY, 255);
                         ASSERT_GE(s.huePos, 0);
                         ASSERT_LE(s.huePos, 321 + 22 * alphaMode);
                         for (std::int32_t channel : {s.red, s.green, s.blue, s.alpha}) {
                             ASSERT_GE(channel, 0);
                             ASSERT_LE(channel, 255);
                         }
                         ASSERT_TRUE(s.desktopShots.empty());
                     });
        EXPECT_GT(passes, 100);
        EXPECT_FALSE(fake::state().scriptExhausted);
        EXPECT_EQ(fake::openWindowCount(), 0);
        EXPECT_EQ(fake::state().cursorCount, 0);
    }
}

} // namespace
} // namespace tintgrab
