#pragma once
// Runs whole dialogs on the scripted fake toolkit.

#include <gtest/gtest.h>

#include "launcher/BuildVariants.hpp"
#include "requester/ColorRequester.hpp"
#include "tests/support/FakeToolkit.hpp"
#include "tests/support/Printers.hpp"

namespace tintgrab {

// Client positions of the dialog's own controls.
namespace at {
inline constexpr Point paletteCombo{312, 78};
inline constexpr Point redField{312, 275};
inline constexpr Point greenField{312, 297};
inline constexpr Point blueField{312, 319};
inline constexpr Point alphaField{312, 341};
inline constexpr Point okButton{312, 188};
inline constexpr Point cancelButton{312, 228};
inline constexpr Point pickButton{312, 136};
} // namespace at

class RequesterTest : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }

    static Color32 run(Color32 color, std::int32_t alphaMode, Window* parent = nullptr)
    {
        return ColorRequester(color, alphaMode ? alphaFormatText : opaqueFormatText, alphaMode, parent);
    }
    static void accept() { fake::clickButtonAt(at::okButton.x, at::okButton.y); }
    static void cancel() { fake::clickButtonAt(at::cancelButton.x, at::cancelButton.y); }
    static Control* control(Point p) { return fake::controlAt(p.x, p.y); }
    // A pixel of what the dialog last copied to its window.
    static Color32 shown(std::int32_t x, std::int32_t y) { return fake::dialog()->surface.pixel(x, y); }
};

} // namespace tintgrab
