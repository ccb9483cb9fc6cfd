#pragma once
// The main window's remembered placement: profile section "Frame", entries "Status" (how the
// window was shown), "Left", "Top", "Right", "Bottom" (its normal rectangle, relative to the
// screen's work area). Read when the window is made, written when it closes.

#include <optional>

#include "platform/core/rect.h"

namespace tb {

// Show states as the profile stores them.
enum ShowCommand : int {
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
};

struct CFramePlacement {
    int nShowCmd = SW_SHOWNORMAL;
    CRect normal; // relative to the work area's top-left corner
};

struct CScreenMetrics {
    CRect screen;
    CRect workArea;
    CSize icon{32, 32}; // this much of the window stays on the screen
};

// The stored placement, or nothing when any of the five entries is missing or -1 (the
// window then opens where the desktop puts it).
std::optional<CFramePlacement> ReadFramePlacement();
void WriteFramePlacement(const CFramePlacement& placement);

// Where the window opens for a stored placement: its size as stored, its position moved by
// the work area's corner and then kept within the screen less an icon's size on every side,
// so that a window stored beyond an edge (or on a screen no longer there) can still be
// grabbed. Nothing for a rectangle without area.
struct CFrameGeometry {
    CRect frame;
    int nShowCmd = SW_SHOWNORMAL;
};
std::optional<CFrameGeometry> RestoredFrameGeometry(const CFramePlacement& placement,
                                                    const CScreenMetrics& metrics);

} // namespace tb
