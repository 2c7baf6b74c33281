// Damaged, truncated and made-up icon files: the decoder gives an image or nothing, and never
// reads outside the bytes. The bytes are copied to a buffer of their exact size so that
// AddressSanitizer sees the first byte past the end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "requester/IconFile.hpp"

using namespace tintgrab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const Image icon = decodeIcon(bytes);
    if (!icon.empty()) {
        if (icon.width() < 1 || icon.width() > 256 || icon.height() < 1 || icon.height() > 256) std::abort();
        if (!icon.hasAlpha()) std::abort();
        Color32 sum = 0;
        for (std::int32_t y = 0; y < icon.height(); ++y)
            for (std::int32_t x = 0; x < icon.width(); ++x) sum += icon.pixel(x, y);
        (void)sum;
    }
    return 0;
}
