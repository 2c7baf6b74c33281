// The program: clipboard text in, one colour dialog, the colour out as a signed decimal number.
// Compiled once per program; TINTGRAB_ALPHA_MODE chooses the variant.

#include "core/NumberText.hpp"
#include "launcher/BuildVariants.hpp"
#include "launcher/StartColor.hpp"
#include "platform/Toolkit.hpp"
#include "requester/ColorRequester.hpp"

#ifndef TINTGRAB_ALPHA_MODE
#error "TINTGRAB_ALPHA_MODE must be 0 or 1"
#endif

namespace tintgrab {

int programMain()
{
    constexpr std::int32_t alphaMode = TINTGRAB_ALPHA_MODE;
    constexpr std::string_view formatText = alphaMode ? alphaFormatText : opaqueFormatText;

    const Color32 start = startColorFromText(readClipboardText());
    const Color32 chosen = ColorRequester(start, formatText, alphaMode, nullptr);
    writeClipboardText(formatDecimal(signedValue(chosen)));
    return 0;
}

} // namespace tintgrab
