#include "requester/ChannelFields.hpp"

#include <algorithm>

#include "core/NumberText.hpp"

namespace tintgrab {

std::int32_t channelValueOf(std::string_view text)
{
    const CheckedNumber number = parseNumberChecked(text);
    if (number.overflowed) return number.negative ? 0 : 255;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(number.value, 0, 255));
}

void onFieldChanged(RequesterState& s)
{
    s.red = channelValueOf(controlText(s.redField));
    s.green = channelValueOf(controlText(s.greenField));
    s.blue = channelValueOf(controlText(s.blueField));
    s.alpha = s.alphaMode ? channelValueOf(controlText(s.alphaField)) : alphaOf(s.currentColor);
    s.currentColor = packRgba(s.red, s.green, s.blue, s.alpha);
    s.needRedraw = true;
    s.needHsvSync = true;
    s.needHueSync = true;
}

void onPalettePick(RequesterState& s)
{
    const std::int32_t index = listSelection(s.paletteCombo);
    if (index < 0 || index >= static_cast<std::int32_t>(s.paletteEntries.size())) return;
    s.currentColor = withAlpha(s.paletteEntries[static_cast<std::size_t>(index)].color, alphaOf(s.currentColor));
    s.needRedraw = true;
    s.needHsvSync = true;
    s.needHueSync = true;
}

void bringFieldsInStep(RequesterState& s)
{
    const Control* focus = focusedControl();
    const auto follow = [focus](Control* field, std::int32_t value) {
        if (!field || field == focus) return; // the user is typing there: leave the text as typed
        const std::string text = formatDecimal(value);
        if (controlText(field) != text) setControlText(field, text);
    };
    follow(s.redField, s.red);
    follow(s.greenField, s.green);
    follow(s.blueField, s.blue);
    if (s.alphaMode) follow(s.alphaField, s.alpha);
}

void bringListSelectionInStep(RequesterState& s)
{
    const Color32 opaqueLess = packRgb(s.red, s.green, s.blue);
    std::int32_t index = -1;
    for (std::size_t i = 0; i < s.paletteEntries.size(); ++i)
        if (s.paletteEntries[i].color == opaqueLess) index = static_cast<std::int32_t>(i);
    if (listSelection(s.paletteCombo) != index) setListSelection(s.paletteCombo, index);
}

} // namespace tintgrab
