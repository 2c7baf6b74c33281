#include "requester/IconFile.hpp"

namespace tintgrab {

namespace {

// Little-endian fields read with a bounds check: a read past the end leaves `ok` false and gives 0.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t u8(std::size_t at) { return field(at, 1); }
    std::uint32_t u16(std::size_t at) { return field(at, 2); }
    std::uint32_t u32(std::size_t at) { return field(at, 4); }
    bool ok() const { return ok_; }

private:
    std::uint32_t field(std::size_t at, std::size_t size)
    {
        if (at > bytes_.size() || bytes_.size() - at < size) {
            ok_ = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = size; i-- > 0;) value = (value << 8) | bytes_[at + i];
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    bool ok_ = true;
};

struct Entry {
    std::uint32_t width, height, bitCount, size, offset;
};

constexpr std::size_t directorySize = 6, entrySize = 16, infoHeaderSize = 40;
constexpr std::uint32_t maxSide = 256;

Entry entryAt(Reader& reader, std::size_t index)
{
    const std::size_t at = directorySize + index * entrySize;
    const std::uint32_t width = reader.u8(at), height = reader.u8(at + 1);
    return {width == 0 ? 256 : width, height == 0 ? 256 : height, reader.u16(at + 6), reader.u32(at + 8),
            reader.u32(at + 12)};
}

// Bytes of one row of `width` pixels of `bits` bits, padded to whole 32-bit words.
std::size_t stride(std::uint32_t width, std::uint32_t bits)
{
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

Image decodeBitmap(std::span<const std::uint8_t> image)
{
    Reader reader(image);
    const std::uint32_t headerSize = reader.u32(0);
    const auto width = static_cast<std::int32_t>(reader.u32(4));
    const auto doubleHeight = static_cast<std::int32_t>(reader.u32(8));
    const std::uint32_t planes = reader.u16(12), bits = reader.u16(14), compression = reader.u32(16);
    if (!reader.ok() || headerSize < infoHeaderSize || headerSize > image.size()) return {};
    // The height counts the colour rows and the mask rows; both are stored bottom-up.
    if (width <= 0 || width > static_cast<std::int32_t>(maxSide) || doubleHeight <= 0 || doubleHeight % 2 != 0
        || doubleHeight / 2 > static_cast<std::int32_t>(maxSide))
        return {};
    if (planes != 1 || compression != 0 || (bits != 32 && bits != 24)) return {};
    const std::int32_t height = doubleHeight / 2;
    const auto w = static_cast<std::uint32_t>(width), h = static_cast<std::uint32_t>(height);

    const std::size_t colourStride = stride(w, bits), maskStride = stride(w, 1);
    const std::size_t colourAt = headerSize, maskAt = colourAt + colourStride * h;
    // A 32-bit image may leave out its mask; a 24-bit one needs it for its transparency.
    const bool hasMask = image.size() - colourAt >= (colourStride + maskStride) * h;
    if (image.size() - colourAt < colourStride * h || (bits == 24 && !hasMask)) return {};

    Image icon(width, height, PixelFormat::rgba32);
    bool anyAlpha = false;
    for (std::uint32_t y = 0; y < h; ++y) {
        const std::uint8_t* source = image.data() + colourAt + (h - 1 - y) * colourStride;
        Color32* target = icon.row(static_cast<std::int32_t>(y));
        for (std::uint32_t x = 0; x < w; ++x) {
            const std::uint8_t* p = source + x * (bits / 8);
            const std::int32_t alpha = bits == 32 ? p[3] : 255;
            anyAlpha = anyAlpha || (bits == 32 && alpha != 0);
            target[x] = packRgba(p[2], p[1], p[0], alpha);
        }
    }
    // Icons without an alpha channel, and 32-bit ones whose alpha is all zero, are transparent
    // where their mask bit is set and opaque elsewhere.
    if (!anyAlpha && hasMask)
        for (std::uint32_t y = 0; y < h; ++y) {
            const std::uint8_t* mask = image.data() + maskAt + (h - 1 - y) * maskStride;
            Color32* target = icon.row(static_cast<std::int32_t>(y));
            for (std::uint32_t x = 0; x < w; ++x) {
                const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
                target[x] = transparent ? 0 : withAlpha(target[x], 255);
            }
        }
    return icon;
}

} // namespace

Image decodeIcon(std::span<const std::uint8_t> bytes)
{
    Reader reader(bytes);
    const std::uint32_t reserved = reader.u16(0), type = reader.u16(2), count = reader.u16(4);
    if (!reader.ok() || reserved != 0 || type != 1 || count == 0) return {};

    const Entry first = entryAt(reader, 0);
    Entry chosen = first;
    for (std::size_t i = 1; i < count; ++i) {
        const Entry entry = entryAt(reader, i);
        if (entry.width == first.width && entry.height == first.height && entry.bitCount > chosen.bitCount)
            chosen = entry;
    }
    if (!reader.ok() || chosen.offset > bytes.size() || bytes.size() - chosen.offset < chosen.size) return {};
    Image icon = decodeBitmap(bytes.subspan(chosen.offset, chosen.size));
    // The directory and the bitmap must agree on the size.
    if (static_cast<std::uint32_t>(icon.width()) != chosen.width
        || static_cast<std::uint32_t>(icon.height()) != chosen.height)
        return {};
    return icon;
}

} // namespace tintgrab
