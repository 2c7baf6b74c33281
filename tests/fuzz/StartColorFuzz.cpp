// Any clipboard text through the start-colour rules and the text rules they are built on. The
// sanitizers turn an out-of-bounds read or signed overflow into a failure; the checks below are
// the rules' own promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/NumberText.hpp"
#include "core/Utf16.hpp"
#include "launcher/StartColor.hpp"

using namespace tintgrab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Color32 color = startColorFromText(text);
    // The decimal text written back reads as the same colour.
    if (startColorFromText(formatDecimal(signedValue(color))) != color && color != 0) std::abort();

    // The same text as it would arrive from the clipboard: through UTF-16 and back.
    (void)startColorFromText(utf8FromUtf16(utf16FromUtf8(text)));

    const CheckedNumber checked = parseNumberChecked(text);
    if (!checked.overflowed && static_cast<std::int64_t>(checked.value) != parseNumber(text)) std::abort();
    (void)formatHex(static_cast<std::uint64_t>(parseNumber(text)));

    // Split the input into a text and a separator to exercise the field rules on both.
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    const std::string_view head = text.substr(0, cut), tail = text.substr(cut);
    const std::int64_t count = countOf(head, tail.substr(0, 3));
    if (count < 0) std::abort();
    for (std::int64_t i = -1; i <= count + 1 && i < 8; ++i) (void)fieldOf(head, i, tail.substr(0, 3));
    (void)trimSpaces(head);
    (void)leftOf(head, static_cast<std::int64_t>(cut) - 3);
    (void)padLeft(head, static_cast<std::int64_t>(size % 64) - 8, '0');
    if (toUpper(head).size() != head.size()) std::abort();
    (void)replaceAll(tail, head.substr(0, 2), head, (size & 1) != 0);
    return 0;
}
