// The dialog's window and controls on the scripted toolkit.

#include "requester/Layout.hpp"
#include "tests/requester/RequesterTestSupport.hpp"

namespace tintgrab {
namespace {

TEST_F(RequesterTest, WindowSizeTitleAndPlacementOfBothBuilds)
{
    for (std::int32_t alphaMode : {0, 1}) {
        fake::reset();
        fake::state().buttonFace = 0x00D4D0C8;
        accept();
        run(0xFF0000FFu, alphaMode);
        const Window* window = fake::dialog();
        EXPECT_EQ(window->title, "S\xC3\xA9lection de couleur");
        EXPECT_EQ(window->clientWidth, 372);
        EXPECT_EQ(window->clientHeight, alphaMode ? 446 : 402);
        EXPECT_TRUE(window->topmost);
        EXPECT_EQ(Hex{window->background}, Hex{0x00D4D0C8});
        // Centred on the whole 1280 x 1024 screen by its outer size (client plus the fake frame).
        EXPECT_EQ(window->x, (1280 - 378) / 2);
        EXPECT_EQ(window->y, (1024 - (alphaMode ? 475 : 431)) / 2);
    }
}

TEST(RequesterPlacement, CentredOnParentOrScreenAndNeverNegative)
{
    const ScreenRect parent{100, 50, 500, 350};
    EXPECT_EQ(requesterPosition({200, 100}, &parent, {1280, 1024}), (Point{200, 150}));
    const ScreenRect corner{-20, -30, 80, 70};
    EXPECT_EQ(requesterPosition({378, 431}, &corner, {1280, 1024}), (Point{0, 0}));
    const ScreenRect odd{0, 0, 401, 301};
    EXPECT_EQ(requesterPosition({200, 100}, &odd, {1280, 1024}), (Point{100, 100}));
    EXPECT_EQ(requesterPosition({378, 431}, nullptr, {1280, 1024}), (Point{451, 296}));
    EXPECT_EQ(requesterPosition({2000, 431}, nullptr, {1280, 1024}), (Point{0, 296}));
    EXPECT_EQ(requesterPosition({378, 2000}, nullptr, {1280, 1024}), (Point{451, 0}));
    EXPECT_EQ(requesterClientHeight(56, 0), 402);
    EXPECT_EQ(requesterClientHeight(78, 1), 446);
    EXPECT_EQ(requesterClientHeight(0, 1), 368);
}

TEST_F(RequesterTest, ControlsInTheirOrderAndPlaces)
{
    for (std::int32_t alphaMode : {0, 1}) {
        fake::reset();
        accept();
        run(0xFF0000FFu, alphaMode);
        struct Expected { FakeControlKind kind; std::int32_t x, y, w, h; };
        std::vector<Expected> expected = {
            {FakeControlKind::imageList, 312, 78, 48, 28},
            {FakeControlKind::numberField, 312, 275, 32, 20},
            {FakeControlKind::numberField, 312, 297, 32, 20},
            {FakeControlKind::numberField, 312, 319, 32, 20},
        };
        if (alphaMode) expected.push_back({FakeControlKind::numberField, 312, 341, 32, 20});
        expected.push_back({FakeControlKind::imageButton, 312, 188, 48, 40});
        expected.push_back({FakeControlKind::imageButton, 312, 228, 48, 40});
        expected.push_back({FakeControlKind::imageButton, 312, 136, 48, 40});
        const std::int32_t tableY = alphaMode ? 368 : 346;
        expected.push_back({FakeControlKind::label, 12, tableY, 173, 20});
        expected.push_back({FakeControlKind::label, 187, tableY, 173, 20});
        for (std::int32_t row = 1; row <= 1 + alphaMode; ++row) {
            expected.push_back({FakeControlKind::readOnlyField, 12, tableY + 22 * row, 173, 20});
            expected.push_back({FakeControlKind::readOnlyField, 187, tableY + 22 * row, 173, 20});
        }
        const auto& controls = fake::dialog()->controls;
        ASSERT_EQ(controls.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(controls[i]->kind, expected[i].kind) << i;
            EXPECT_EQ(controls[i]->x, expected[i].x) << i;
            EXPECT_EQ(controls[i]->y, expected[i].y) << i;
            EXPECT_EQ(controls[i]->width, expected[i].w) << i;
            EXPECT_EQ(controls[i]->height, expected[i].h) << i;
        }
        EXPECT_EQ(controls[0]->openHeight, 350);
        EXPECT_EQ(controls[0]->itemTexts.size(), 93u);
        for (std::size_t b = alphaMode ? 5 : 4, n = 0; n < 3; ++b, ++n) EXPECT_TRUE(controls[b]->hasImage);
        EXPECT_EQ(controls[alphaMode ? 5u : 4u]->image.width(), 32);   // okIcon
        EXPECT_EQ(controls[alphaMode ? 6u : 5u]->image.width(), 24);   // cancelIcon
    }
}

TEST_F(RequesterTest, TheTableShowsTheColourInEveryNotation)
{
    std::vector<std::string> texts;
    fake::atStep([&] {
        for (const auto& c : fake::dialog()->controls)
            if (c->kind == FakeControlKind::readOnlyField || c->kind == FakeControlKind::label) texts.push_back(c->text);
    });
    accept();
    run(0xFF0000FFu, 1);
    const std::vector<std::string> expected = {"H\xC3\xA9xad\xC3\xA9""cimal", "RGB", "$0000FF", "RGB(255, 0, 0)",
                                               "$FF0000FF", "RGBA(255, 0, 0, 255)"};
    EXPECT_EQ(texts, expected);
}

TEST_F(RequesterTest, FormatTextsOfAnyShapeMakeADialog)
{
    const std::string shapes[] = {"", "\n\n\n", "title", "t\r\na\tb\r\n?r\t?\r\n", std::string(300, '\t'),
                                  "t\n" + std::string(500, '\t') + "?r", "\xFF\xFE\n\xC3\n?hr?ha"};
    for (const std::string& text : shapes) {
        fake::reset();
        accept();
        EXPECT_EQ(Hex{ColorRequester(0x11223344u, text, 1, nullptr)}, Hex{0x11223344u});
    }
}

} // namespace
} // namespace tintgrab
