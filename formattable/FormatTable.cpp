#include "formattable/FormatTable.hpp"

#include <algorithm>
#include <limits>

#include "core/NumberText.hpp"

namespace tintgrab {

namespace {

constexpr std::int32_t faceHeight = 346;
constexpr std::int32_t rowPitch = 22;
constexpr std::int32_t cellHeight = 20;
constexpr std::int32_t tableLeft = 12;
constexpr std::int32_t cellGap = 2;

// Geometry is worked out in 64 bits; only texts of tens of millions of lines or cells could leave the
// 32-bit range, and those wrap (defined) rather than overflow.
std::int32_t narrow(std::int64_t value) { return static_cast<std::int32_t>(value); }

// The text from begin up to the next separator (or the end), and where the following field starts:
// one step of fieldOf's walk, so that walking all fields costs one pass over the text.
struct Field {
    std::string_view text;
    std::size_t next; // npos after the last field
};

Field fieldAt(std::string_view text, std::size_t begin, char separator)
{
    const std::size_t end = text.find(separator, begin);
    if (end == std::string_view::npos) return {text.substr(begin), std::string_view::npos};
    return {text.substr(begin, end - begin), end + 1};
}

void appendRow(std::vector<FormatCell>& cells, std::string_view line, std::int64_t row, std::int32_t alphaMode)
{
    const std::int64_t cellCount = countOf(line, "\t") + 1;
    const std::int64_t width = (350 - cellGap * cellCount) / cellCount;
    const std::int64_t y = faceHeight + rowPitch * (row - 1) + (alphaMode == 1 ? rowPitch : 0);
    std::size_t begin = 0;
    for (std::int64_t column = 1; column <= cellCount; ++column) {
        const Field cell = fieldAt(line, begin, '\t');
        const std::int64_t questionMarks = countOf(cell.text, "?");
        cells.push_back(FormatCell{
            narrow((column - 1) * (width + cellGap) + tableLeft), narrow(y), narrow(width), std::string(cell.text),
            narrow(std::min<std::int64_t>(questionMarks, std::numeric_limits<std::int32_t>::max())), nullptr});
        begin = cell.next;
    }
}

} // namespace

FormatTable parseFormatText(std::string_view formatText, std::int32_t alphaMode)
{
    // The title is field 1 at the line feed and row r is field r + 1, for as many rows as the text
    // has line feeds: every line after the first is a row, an empty one included.
    FormatTable table;
    const std::int64_t rows = countOf(formatText, "\n");
    table.formatCells.reserve(static_cast<std::size_t>(rows + countOf(formatText, "\t")));

    Field line = fieldAt(formatText, 0, '\n');
    table.dialogTitle = std::string(line.text);
    for (std::int64_t row = 1; line.next != std::string_view::npos; ++row) {
        line = fieldAt(formatText, line.next, '\n');
        appendRow(table.formatCells, line.text, row, alphaMode);
    }
    table.tableHeight = rows > 0 ? narrow(rowPitch * rows + 12) : 0;
    return table;
}

void createFormatControls(Window* window, std::vector<FormatCell>& cells)
{
    for (FormatCell& cell : cells) {
        cell.control = nullptr;
        if (window == nullptr || cell.width <= 0) continue;
        cell.control = cell.placeholderCount != 0
                           ? createReadOnlyField(window, cell.x, cell.y, cell.width, cellHeight)
                           : createLabel(window, cell.x, cell.y, cell.width, cellHeight, cell.text);
    }
}

std::string fillTemplate(std::string_view text, Color32 color)
{
    const std::int32_t channels[4] = {redOf(color), greenOf(color), blueOf(color), alphaOf(color)};
    // All decimal placeholders first, then the hexadecimal ones, each channel in the order r, g, b, a.
    // No replacement holds a "?", but a hexadecimal step may complete a placeholder that an earlier
    // step left behind ("?h" followed by "?hr" becomes "?hB5", which the blue step then reads).
    static constexpr std::string_view decimalPlaceholders[4] = {"?r", "?g", "?b", "?a"};
    static constexpr std::string_view hexPlaceholders[4] = {"?hr", "?hg", "?hb", "?ha"};
    std::string filled(text);
    for (std::size_t k = 0; k < 4; ++k)
        filled = replaceAll(filled, decimalPlaceholders[k], formatDecimal(channels[k]), true);
    for (std::size_t k = 0; k < 4; ++k)
        filled = replaceAll(filled, hexPlaceholders[k], padLeft(formatHex(static_cast<std::uint64_t>(channels[k])), 2, '0'), true);
    return filled;
}

void fillFormatCells(const std::vector<FormatCell>& cells, Color32 color)
{
    for (const FormatCell& cell : cells) {
        if (cell.placeholderCount == 0 || cell.control == nullptr) continue;
        setControlText(cell.control, fillTemplate(cell.text, color));
    }
}

} // namespace tintgrab
