#pragma once
// The two values that make the two programs: the alpha mode and the format text (title line, then
// rows of tab-separated cells). Tintgrab.cpp is compiled once per program with TINTGRAB_ALPHA_MODE
// set to 0 or 1.

#include <cstdint>
#include <string_view>

namespace tintgrab {

inline constexpr std::string_view opaqueFormatText =
    "S\u00e9lection de couleur\n"
    "H\u00e9xad\u00e9cimal\tRGB\n"
    "$?hb?hg?hr\tRGB(?r, ?g, ?b)";

inline constexpr std::string_view alphaFormatText =
    "S\u00e9lection de couleur\n"
    "H\u00e9xad\u00e9cimal\tRGB\n"
    "$?hb?hg?hr\tRGB(?r, ?g, ?b)\n"
    "$?ha?hb?hg?hr\tRGBA(?r, ?g, ?b, ?a)";

} // namespace tintgrab
