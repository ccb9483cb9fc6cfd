#include "workbench/core/frameplacement.h"

#include <algorithm>

#include "platform/profile/profile.h"

namespace tb {

namespace {

const char kSection[] = "Frame";

} // namespace

std::optional<CFramePlacement> ReadFramePlacement() {
    CFramePlacement placement;
    placement.nShowCmd = GetProfileInt(kSection, "Status", -1);
    placement.normal.top = GetProfileInt(kSection, "Top", -1);
    placement.normal.left = GetProfileInt(kSection, "Left", -1);
    placement.normal.bottom = GetProfileInt(kSection, "Bottom", -1);
    placement.normal.right = GetProfileInt(kSection, "Right", -1);
    for (int value : {placement.nShowCmd, placement.normal.top, placement.normal.left,
                      placement.normal.bottom, placement.normal.right}) {
        if (value == -1)
            return std::nullopt;
    }
    return placement;
}

void WriteFramePlacement(const CFramePlacement& placement) {
    WriteProfileInt(kSection, "Status", placement.nShowCmd);
    WriteProfileInt(kSection, "Top", placement.normal.top);
    WriteProfileInt(kSection, "Left", placement.normal.left);
    WriteProfileInt(kSection, "Bottom", placement.normal.bottom);
    WriteProfileInt(kSection, "Right", placement.normal.right);
}

std::optional<CFrameGeometry> RestoredFrameGeometry(const CFramePlacement& placement,
                                                    const CScreenMetrics& metrics) {
    const int nWidth = placement.normal.Width();
    const int nHeight = placement.normal.Height();
    if (nWidth <= 0 || nHeight <= 0)
        return std::nullopt;
    int x = placement.normal.left + metrics.workArea.left;
    int y = placement.normal.top + metrics.workArea.top;
    x = std::min(x, metrics.screen.right - metrics.icon.cx);
    y = std::min(y, metrics.screen.bottom - metrics.icon.cy);
    // A title bar above or left of the screen could not be grabbed to move the window back.
    x = std::max(x, metrics.screen.left + metrics.icon.cx - nWidth);
    y = std::max(y, metrics.screen.top);
    CFrameGeometry geometry;
    geometry.frame = {x, y, x + nWidth, y + nHeight};
    geometry.nShowCmd = placement.nShowCmd;
    return geometry;
}

} // namespace tb
