#pragma once
// Conversions at the border to UTF-16 platforms. Neither fails: an unpaired surrogate, or a byte
// sequence that is not UTF-8, becomes U+FFFD.

#include <string>
#include <string_view>

namespace tintgrab {

std::string utf8FromUtf16(std::u16string_view text);
std::u16string utf16FromUtf8(std::string_view text);

} // namespace tintgrab
