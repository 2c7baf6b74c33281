#include "launcher/StartColor.hpp"

#include <algorithm>
#include <cstdint>

#include "core/NumberText.hpp"

namespace tintgrab {

namespace {

// A channel of the "RGB(" and "RGBA(" forms: the full number limited to 0..255, so that a value
// out of range stays in its own channel instead of spilling into the next one.
std::int32_t channelField(std::string_view inner, std::int64_t index)
{
    const std::int64_t value = parseNumber(trimSpaces(fieldOf(inner, index, ",")));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, 255));
}

// The text after the first "(" up to the next "(" or ")", or to the end.
std::string_view innerOf(std::string_view text) { return fieldOf(fieldOf(text, 2, "("), 1, ")"); }

} // namespace

Color32 startColorFromText(std::string_view clipboardText)
{
    const std::string_view text = trimSpaces(clipboardText);
    if (toUpper(leftOf(text, 4)) == "RGB(") {
        const std::string_view inner = innerOf(text);
        return packRgb(channelField(inner, 1), channelField(inner, 2), channelField(inner, 3));
    }
    if (toUpper(leftOf(text, 5)) == "RGBA(") {
        const std::string_view inner = innerOf(text);
        return packRgba(channelField(inner, 1), channelField(inner, 2), channelField(inner, 3),
                        channelField(inner, 4));
    }
    const std::int64_t number = parseNumber(text);
    if (leftOf(text, 1) == "$" || number != 0) return static_cast<Color32>(static_cast<std::uint64_t>(number));
    return defaultStartColor;
}

} // namespace tintgrab
