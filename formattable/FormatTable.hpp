#pragma once
// The dialog's title and its table of notations, given as one text: the title line, then one row per
// line, cells separated by tabs. Lines end at a line feed only (a carriage return is an ordinary
// character). A cell holding a "?" is a template, filled with the colour's channels on every redraw
// ("?r" "?g" "?b" "?a" decimal, "?hr" "?hg" "?hb" "?ha" two upper-case hex digits, any letter case);
// any other cell is a label.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Color32.hpp"
#include "platform/Toolkit.hpp"

namespace tintgrab {

struct FormatCell {
    std::int32_t x, y, width;        // client position of the dialog; every cell is 20 pixels high
    std::string text;
    std::int32_t placeholderCount;   // number of "?" in text: 0 for a label
    Control* control = nullptr;      // none until made, or when it could not be made
};

struct FormatTable {
    std::string dialogTitle;
    std::vector<FormatCell> formatCells; // row by row, left to right
    std::int32_t tableHeight = 0;        // pixels the table adds below the dialog face
};

// Rows are 22 pixels apart below the face (346 pixels high, 368 when alphaMode is 1); the k cells of a
// row are (350 - 2k) / k pixels wide, 2 pixels apart from x = 12. From 117 cells on, widths are 0 or
// less. Runs in time linear in the text.
FormatTable parseFormatText(std::string_view formatText, std::int32_t alphaMode);

// A centred read-only field for a template, a centred label for the others, each width x 20 at the
// cell's position. Cells without a positive width, or without a window, get no control.
void createFormatControls(Window* window, std::vector<FormatCell>& cells);

// The template with the channels of color filled in, one placeholder kind after the other in the
// order r, g, b, a, hr, hg, hb, ha; each step works on what the earlier ones left.
std::string fillTemplate(std::string_view text, Color32 color);

// Sets the filled text of every template cell that has a control, also when it has not changed.
void fillFormatCells(const std::vector<FormatCell>& cells, Color32 color);

} // namespace tintgrab
