// Any format text made into a table, its controls and their filled texts, on the scripted toolkit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formattable/FormatTable.hpp"
#include "tests/support/FakeToolkit.hpp"

using namespace tintgrab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5) return 0;
    // The first bytes choose the build and the colour; the rest is the format text.
    const std::int32_t alphaMode = data[0] & 1;
    const Color32 color = data[1] | (data[2] << 8) | (data[3] << 16) | (static_cast<Color32>(data[4]) << 24);
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    FormatTable table = parseFormatText(text, alphaMode);
    if (table.tableHeight < 0) std::abort();
    // Controls of a table taller than any screen are not made: the window alone would take
    // hundreds of megabytes.
    if (table.tableHeight > 4096) return 0;
    // Only windows are needed: the scripted screen's pictures are left out, and the windows of
    // earlier inputs are dropped.
    fake::state().active = nullptr;
    fake::state().windows.clear();
    Window* window = openDialogWindow(table.dialogTitle, 0, 0, 372, 346 + table.tableHeight, nullptr);
    createFormatControls(window, table.formatCells);
    fillFormatCells(table.formatCells, color);
    for (const FormatCell& cell : table.formatCells) (void)fillTemplate(cell.text, color);
    closeWindow(window);
    return 0;
}
