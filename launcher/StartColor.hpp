#pragma once
#include <string_view>

#include "core/Color32.hpp"

namespace tintgrab {

// Opaque red: the colour the dialog opens on when the clipboard holds no colour.
inline constexpr Color32 defaultStartColor = 0xFF0000FFu;

// Reads clipboard text as a colour: "RGB(" and "RGBA(" in any letter case, a "$" hexadecimal number,
// or any text whose number is not zero; everything else gives opaque red.
Color32 startColorFromText(std::string_view clipboardText);

} // namespace tintgrab
