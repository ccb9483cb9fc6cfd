#pragma once
// The border of a button face or of the applet: T one-pixel rings inside the rectangle, each
// with a top-left and a bottom-right shade of the base colour.

#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

namespace tb {

enum BorderStyle {
    borderNone = 0,
    borderRaised = 1,
    borderSunken = 2,
    borderRaisedInside = 3,
    borderSunkenInside = 4,
    borderRidge = 5,
    borderDoubleRaised = 6,
};

// The two shades of ring k (0 outermost) of a border of the given thickness and style 1..6.
struct RingShades {
    int topLeft = 0; // amount added to each channel of the base colour
    int bottomRight = 0;
};
RingShades BorderRingShades(int style, int64_t thickness, int64_t k);

// Draws the border inside rect (normalized first). Thickness 0 or less, and styles outside
// 1..6, draw nothing.
void DrawBorder(CSurface& surface, const CRect& rect, COLORREF base, int thickness, int style);

} // namespace tb
