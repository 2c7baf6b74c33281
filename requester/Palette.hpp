#pragma once
// The dialog's 93 preset colours: nine greys, then twelve families of seven around the hue circle,
// each running dark, full strength, light. The list is the same in both builds.

#include <cstdint>
#include <vector>

#include "core/Color32.hpp"
#include "platform/Toolkit.hpp"
#include "requester/Raster.hpp"

namespace tintgrab {

struct PaletteEntry {
    Color32 color = 0;       // alpha 0
    Image image;             // the 16 x 16 swatch; empty until the list control is filled
    std::uint8_t marked = 0; // 1 for the middle grey and each family's full-strength colour
};

// The presets in list order; position i is item i of the list control.
std::vector<PaletteEntry> generatePalette();

// Gives every entry its swatch and appends one item per entry to the list control: the swatch with
// the text "-" for a marked entry and " " for the others. Selects nothing. With no list control the
// swatches are still made.
void fillPaletteList(Control* paletteCombo, std::vector<PaletteEntry>& entries);

} // namespace tintgrab
