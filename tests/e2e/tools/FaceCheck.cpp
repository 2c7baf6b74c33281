// Compares a screenshot of the real dialog's client area with the face the portable code composes.
//
//   FaceCheck ALPHAMODE CLIPBOARD-TEXT-FILE SCREENSHOT.ppm
//
// Runs the same dialog on the scripted toolkit, starting from the colour the program reads from that
// clipboard text and with this machine's button-face colour (GetSysColor), takes what it drew, and
// checks every pixel the face paints against the screenshot (binary PPM, P6, 8 bits). Prints the
// number of pixels compared and the first mismatches; exit code 0 when all match.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "launcher/BuildVariants.hpp"
#include "launcher/StartColor.hpp"
#include "requester/ColorRequester.hpp"
#include "tests/support/FakeToolkit.hpp"

namespace {

using namespace tintgrab;

bool readPpm(const char* path, Image& image)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    std::int32_t width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    if (!in || magic != "P6" || maximum != 255 || width <= 0 || height <= 0) return false;
    image = Image(width, height, PixelFormat::rgb24);
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) {
            unsigned char rgb[3];
            if (!in.read(reinterpret_cast<char*>(rgb), 3)) return false;
            image.row(y)[x] = packRgb(rgb[0], rgb[1], rgb[2]);
        }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: FaceCheck ALPHAMODE CLIPBOARD-TEXT-FILE SCREENSHOT.ppm\n");
        return 2;
    }
    const std::int32_t alphaMode = std::atoi(argv[1]) ? 1 : 0;
    std::ifstream textFile(argv[2], std::ios::binary);
    const std::string clipboardText((std::istreambuf_iterator<char>(textFile)), std::istreambuf_iterator<char>());
    Image shot;
    if (!readPpm(argv[3], shot)) {
        std::fprintf(stderr, "cannot read %s\n", argv[3]);
        return 2;
    }

    fake::reset();
    fake::state().buttonFace = GetSysColor(COLOR_BTNFACE) & 0x00FFFFFFu;
    Image face;
    fake::atStep([&] { face = fake::dialog()->surface; });
    fake::clickButtonAt(312, 188);
    ColorRequester(startColorFromText(clipboardText), alphaMode ? alphaFormatText : opaqueFormatText, alphaMode,
                   nullptr);

    if (shot.width() != face.width() || shot.height() != face.height()) {
        std::printf("size: screenshot %dx%d, face %dx%d\n", shot.width(), shot.height(), face.width(), face.height());
        return 1;
    }
    std::int64_t compared = 0, mismatches = 0;
    for (std::int32_t y = 0; y < face.height(); ++y)
        for (std::int32_t x = 0; x < face.width(); ++x) {
            const Color32 expected = face.pixel(x, y);
            if ((expected >> 24) == 0) continue; // not painted by the face: the window's own content
            ++compared;
            const Color32 seen = shot.pixel(x, y);
            if ((expected & 0x00FFFFFFu) == seen) continue;
            if (++mismatches <= 10)
                std::printf("pixel (%d, %d): expected 0x%06X, shown 0x%06X\n", x, y,
                            static_cast<unsigned>(expected & 0x00FFFFFFu), static_cast<unsigned>(seen));
        }
    std::printf("%lld pixels compared, %lld differ (face colour 0x%06X)\n", static_cast<long long>(compared),
                static_cast<long long>(mismatches), static_cast<unsigned>(fake::state().buttonFace));
    return mismatches == 0 && compared > 100000 ? 0 : 1;
}
