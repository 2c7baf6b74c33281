#include "requester/Palette.hpp"

#include <array>

namespace tintgrab {

namespace {

// One family around the hue circle: each of its channels is given for its dark and its light form
// as a function of the level v (64, 128 or 192).
enum class Level : std::uint8_t {
    zero,        // 0
    full,        // 255
    v,           // v
    half,        // v / 2
    halfPlus128, // v / 2 + 128
};

struct Family {
    std::array<Level, 3> dark;  // red, green, blue
    std::array<Level, 3> light;
};

std::int32_t levelValue(Level level, std::int32_t v)
{
    switch (level) {
    case Level::zero: return 0;
    case Level::full: return 255;
    case Level::v: return v;
    case Level::half: return v / 2;
    case Level::halfPlus128: return v / 2 + 128;
    }
    return 0;
}

Color32 familyColor(const std::array<Level, 3>& form, std::int32_t v)
{
    return packRgb(levelValue(form[0], v), levelValue(form[1], v), levelValue(form[2], v));
}

using L = Level;
constexpr Family families[] = {
    {{L::v, L::zero, L::zero}, {L::full, L::v, L::v}},                  // red
    {{L::v, L::zero, L::half}, {L::full, L::v, L::halfPlus128}},        // rose
    {{L::v, L::zero, L::v}, {L::full, L::v, L::full}},                  // magenta
    {{L::half, L::zero, L::v}, {L::halfPlus128, L::v, L::full}},        // violet
    {{L::zero, L::zero, L::v}, {L::v, L::v, L::full}},                  // blue
    {{L::zero, L::half, L::v}, {L::v, L::halfPlus128, L::full}},        // azure
    {{L::zero, L::v, L::v}, {L::v, L::full, L::full}},                  // cyan
    {{L::zero, L::v, L::half}, {L::v, L::full, L::halfPlus128}},        // spring green
    {{L::zero, L::v, L::zero}, {L::v, L::full, L::v}},                  // green
    {{L::half, L::v, L::zero}, {L::halfPlus128, L::full, L::v}},        // chartreuse
    {{L::v, L::v, L::zero}, {L::full, L::full, L::v}},                  // yellow
    {{L::v, L::half, L::zero}, {L::full, L::halfPlus128, L::v}},        // orange
};

void append(std::vector<PaletteEntry>& entries, Color32 color, bool marked)
{
    PaletteEntry& entry = entries.emplace_back();
    entry.color = color;
    entry.marked = marked ? 1 : 0;
}

} // namespace

std::vector<PaletteEntry> generatePalette()
{
    std::vector<PaletteEntry> entries;
    entries.reserve(93);
    for (std::int32_t v = 0; v <= 255; v += 32) append(entries, packRgb(v, v, v), v == 128);
    append(entries, packRgb(255, 255, 255), false);

    for (const Family& family : families) {
        for (std::int32_t v = 64; v <= 255; v += 64) append(entries, familyColor(family.dark, v), false);
        // The full-strength colour is the light form at level 0 (where v / 2 + 128 is 128).
        append(entries, familyColor(family.light, 0), true);
        for (std::int32_t v = 64; v <= 255; v += 64) append(entries, familyColor(family.light, v), false);
    }
    return entries;
}

void fillPaletteList(Control* paletteCombo, std::vector<PaletteEntry>& entries)
{
    for (PaletteEntry& entry : entries) {
        entry.image = Image(16, 16, PixelFormat::rgb24);
        Painter painter(entry.image);
        painter.fillBox(0, 0, 16, 16, entry.color);
        if (paletteCombo != nullptr) addListItem(paletteCombo, entry.marked != 0 ? "-" : " ", entry.image);
    }
}

} // namespace tintgrab
