#pragma once
#include <string_view>

#include "requester/RequesterState.hpp"

namespace tintgrab {

// A channel field's text as a channel value: its number limited to 0..255; a number too large for
// 64 bits counts as too large, never as a wrapped value.
std::int32_t channelValueOf(std::string_view text);

// The user changed a number field: the colour takes all fields' values (the opaque build keeps alpha).
void onFieldChanged(RequesterState& s);
// The user chose a preset: its red, green and blue with the current alpha.
void onPalettePick(RequesterState& s);
// After a composition: fields without the focus show their channel, the list shows the preset equal
// to the colour (or none). Uses red, green, blue and alpha as the composition left them.
void bringFieldsInStep(RequesterState& s);
void bringListSelectionInStep(RequesterState& s);

} // namespace tintgrab
