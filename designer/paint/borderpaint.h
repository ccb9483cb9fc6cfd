#pragma once
// The border of a button face or of the applet: T one-pixel rings inside the rectangle, each
// with a top-left and a bottom-right shade of the base colour.

#include <cstdint>

#include "model/styles.h"
#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

namespace tb {

// The two shades of ring k (0 outermost) of a border of the given thickness and style; no
// shading for None and values without a name.
struct RingShades {
    int topLeft = 0; // amount added to each channel of the base colour
    int bottomRight = 0;
};
RingShades BorderRingShades(BorderStyle style, int64_t thickness, int64_t k);

// Draws the border inside rect (normalized first). Thickness 0 or less, None and values
// without a name draw nothing.
void DrawBorder(CSurface& surface, const CRect& rect, COLORREF base, int thickness,
                BorderStyle style);

} // namespace tb
