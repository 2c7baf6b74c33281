#pragma once
// The colour model of the dialog: the hue ramp, the hue strip laid out around a hue, and the
// arithmetic that turns a colour into a hue and a point of the saturation/value square.
//
// A hue is a Color32 on the six-edge ramp (one channel 255, one 0, the third anything), alpha 0.
// Saturation and value are pixel positions in the 256 x 256 square: svX 0 is the unsaturated left
// edge, 255 the saturated right edge; svY 0 is the full-value top edge, 255 the black bottom edge.
//
// Floating-point steps are exact to the bit: where a value is rounded to single precision the code
// says so, everything else is double precision, and every conversion to an integer rounds to the
// nearest integer with an exact half going to the even one.

#include <cstdint>
#include <vector>

#include "core/Color32.hpp"
#include "requester/Raster.hpp"

namespace tintgrab {

// Entries in the hue table: two full cycles of the ramp plus one entry, so a window of one cycle
// may start anywhere from entry 0 to entry hueCycle.
inline constexpr std::int32_t hueCycle = 1530;
inline constexpr std::int32_t hueTableSize = 2 * hueCycle + 1;

// Width of the hue strip, and its height: 322 rows, 344 in the alpha build (alphaMode 1).
inline constexpr std::int32_t hueStripWidth = 20;
constexpr std::int32_t hueStripHeight(std::int32_t alphaMode) { return alphaMode == 1 ? 344 : 322; }

// The ramp red, magenta, blue, cyan, green, yellow, red, twice, plus the closing red: 3061 entries,
// alpha 0, entry i equal to entry i + 1530.
std::vector<Color32> buildHueTable();

// Lays the strip out around hueColor: finds the first i in 765..2295 with hueTable[i] == hueColor
// and sets hueIndex = i - 764 (hueIndex keeps its value when nothing matches), then draws one
// full cycle from hueTable[hueIndex] at the top to hueTable[hueIndex + 1530] at the
// bottom, magnified around the middle, one opaque 20-pixel line per row. Finally huePos goes to
// the middle row. Rows whose table index falls outside hueTable are left as they are.
void layOutHueStrip(Image& hueStripImage, const std::vector<Color32>& hueTable, Color32 hueColor,
                    std::int32_t& hueIndex, std::int32_t& huePos, std::int32_t alphaMode);

// The hue shown at row huePos of the strip (column 0), alpha 0. Rows outside the image read as the
// nearest row; an empty image gives 0.
Color32 hueFromStrip(const Image& hueStripImage, std::int32_t huePos);

struct SquarePosition {
    Color32 hueColor;
    std::int32_t svX;
    std::int32_t svY;
};

// The hue and square position of a colour; only its red, green and blue count. White is the
// top-left corner and black the bottom-right one, both with hue red; an exact grey has hue 0 (black).
SquarePosition squarePositionOf(Color32 currentColor);

// The colour (alpha 0) that the composed square shows at (svX, svY) for that hue: the opaque hue
// under the blended white/black overlay. Positions outside 0..255 count as the nearest edge.
Color32 squareColorAt(Color32 hueColor, std::int32_t svX, std::int32_t svY);

} // namespace tintgrab
