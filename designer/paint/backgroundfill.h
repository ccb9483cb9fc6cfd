#pragma once
// The background of a button face or of the applet: six styles of solid and gradient fills
// drawn as one-pixel lines.

#include <cstdint>

#include "model/styles.h"
#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

namespace tb {

// Fills rect (normalized first) from c1 to c2 in the given style; Transparent and any value
// without a name draw nothing.
void FillBackground(CSurface& surface, const CRect& rect, COLORREF c1, COLORREF c2,
                    BackStyle style);

// The colour of step i of n steps from c1 to c2: per channel c1 + i * (c2 - c1) / n in floating
// point, truncated, never past c2.
COLORREF BackgroundStepColor(COLORREF c1, COLORREF c2, int64_t i, int64_t n);

} // namespace tb
