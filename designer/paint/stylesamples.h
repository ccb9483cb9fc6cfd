#pragma once
// The small samples of the background-style and border-style pickers, and the drawing of one
// picker entry. They preview the styles the applet draws rather than repeat the canvas
// painters, so they have painters of their own.

#include "model/styles.h"
#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

// Steps of one-pixel lines from the first colour to the second: with bVertical top to bottom
// (horizontal lines), otherwise left to right. n is the height or width, halved when
// mirrored; steps 0 to n inclusive are drawn at top + i (left + i), and when mirrored also at
// bottom - i (right - i).
void PaintGradient(CSurface& surface, const CRect& rect, COLORREF crFirst, COLORREF crSecond,
                   bool bVertical, bool bMirrored);

// nThickness nested rings in shades of crColor that keep its red and blue offsets from green;
// None and values without a name draw nothing.
void PaintBorder(CSurface& surface, const CRect& rect, COLORREF crColor, int nThickness,
                 tb::BorderStyle style);

namespace tb {

// The colours an entry is drawn with (the system's window, highlight and text colours).
struct PickerColors {
    COLORREF window = RGB(255, 255, 255);
    COLORREF highlight = RGB(0, 120, 215);
    COLORREF text = RGB(0, 0, 0);
};

// Sample of a background style: the word "Transparent" (in textColor, with the surface's
// font), else a gradient of the two colours; nothing for values without a name.
void PaintBackStyleSample(CSurface& surface, const CRect& rect, BackStyle style, COLORREF crFirst,
                          COLORREF crSecond, COLORREF textColor);

// Sample of a border style: the word "Plain" for None, else a border of thickness 6.
void PaintBorderStyleSample(CSurface& surface, const CRect& rect, BorderStyle style,
                            COLORREF crColor, COLORREF textColor);

// Which sample an entry shows: called with the surface, the sample rectangle, the entry's
// style number (each picker knows which kind of style it holds) and the text colour to use.
class IStyleSamplePainter {
public:
    virtual ~IStyleSamplePainter() = default;
    virtual void PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                             COLORREF textColor) const = 0;
};

// One picker entry on `item`: window colour (highlight when selected, text colour inverted),
// a focus rectangle when focused, and the sample inside a 2-pixel margin; composed off screen
// and copied at the end.
void DrawPickerEntry(CSurface& surface, const CRect& item, int nStyle, bool bSelected,
                     bool bFocused, const PickerColors& colors, const IStyleSamplePainter& painter);

} // namespace tb
