#include "requester/Layout.hpp"

#include <algorithm>

namespace tintgrab {

std::int32_t requesterClientHeight(std::int32_t tableHeight, std::int32_t alphaMode)
{
    return layout::faceHeight + tableHeight + 22 * alphaMode;
}

Point requesterPosition(Point outerSize, const ScreenRect* parentRect, Point screenSize)
{
    if (parentRect) {
        const std::int32_t parentWidth = parentRect->right - parentRect->left;
        const std::int32_t parentHeight = parentRect->bottom - parentRect->top;
        return {std::max(parentRect->left + (parentWidth - outerSize.x) / 2, 0),
                std::max(parentRect->top + (parentHeight - outerSize.y) / 2, 0)};
    }
    return {(screenSize.x - std::min(screenSize.x, outerSize.x)) / 2,
            (screenSize.y - std::min(screenSize.y, outerSize.y)) / 2};
}

bool openRequesterWindow(RequesterState& s, std::int32_t tableHeight)
{
    const std::int32_t height = requesterClientHeight(tableHeight, s.alphaMode);
    const bool hasParent = s.parentWindow && windowExists(s.parentWindow);
    const ScreenRect parentRect = hasParent ? windowRect(s.parentWindow) : ScreenRect{};
    const Point position = requesterPosition(dialogOuterSize(layout::clientWidth, height),
                                             hasParent ? &parentRect : nullptr, primaryScreenSize());

    s.requesterWindow = openDialogWindow(s.dialogTitle, position.x, position.y, layout::clientWidth, height,
                                         hasParent ? s.parentWindow : nullptr);
    if (!s.requesterWindow) return false;
    Window* window = s.requesterWindow;
    setClientSize(window, layout::clientWidth, height);
    setTopmost(window);
    const Color32 face = buttonFaceColor();
    setBackgroundColor(window, face);
    s.faceColor = withAlpha(face, 255);

    // Made in this order, which is also the order of the Tab key.
    s.paletteCombo = createImageList(window, 312, 78, 48, 28, 350);
    fillPaletteList(s.paletteCombo, s.paletteEntries);
    s.redField = createNumberField(window, 312, 275, 32, 20);
    s.greenField = createNumberField(window, 312, 297, 32, 20);
    s.blueField = createNumberField(window, 312, 319, 32, 20);
    if (s.alphaMode) s.alphaField = createNumberField(window, 312, 341, 32, 20);
    s.okButton = createImageButton(window, 312, 188, 48, 40, &s.images.okIcon);
    s.cancelButton = createImageButton(window, 312, 228, 48, 40, &s.images.cancelIcon);
    s.pickButton = createImageButton(window, 312, 136, 48, 40, &s.images.pickIcon);
    createFormatControls(window, s.formatCells);
    return true;
}

} // namespace tintgrab
