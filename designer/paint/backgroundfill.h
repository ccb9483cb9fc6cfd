#pragma once
// The background of a button face or of the applet: six styles of solid and gradient fills
// drawn as one-pixel lines.

#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

namespace tb {

enum BackStyle {
    backTransparent = 0,
    backSolid = 1,
    backTopToBottom = 2,
    backMirroredVertical = 3, // C1 at top and bottom, C2 in the middle
    backLeftToRight = 4,
    backMirroredHorizontal = 5, // C1 at left and right, C2 in the middle
};

// Fills rect (normalized first) from c1 to c2 in the given style; style 0 and any style above
// 5 (or below 0) draw nothing.
void FillBackground(CSurface& surface, const CRect& rect, COLORREF c1, COLORREF c2, int style);

// The colour of step i of n steps from c1 to c2: per channel c1 + i * (c2 - c1) / n in floating
// point, truncated, never past c2.
COLORREF BackgroundStepColor(COLORREF c1, COLORREF c2, int64_t i, int64_t n);

} // namespace tb
