#pragma once
// Where the designer's windows open and what is remembered of them. The design stores each
// window's top-left corner relative to the screen's work area (the desktop without its
// panels), in the model's m_nWindowPos: 0-1 the design window, 2-3 its palette, 4-5 the
// designer dialog.

#include "platform/core/rect.h"

class CAppletParameters;

namespace tb {

enum class DesignerWindow { DesignWindow = 0, Palette = 1, Dialog = 2 };

// Large icon size: this much of a window stays on the screen however it was stored.
constexpr CSize kIconSize{32, 32};

struct CScreenGeometry {
    CRect screen;   // the whole screen
    CRect workArea; // the part not covered by panels
};

// The stored position placed on the screen: relative to the work area's top-left corner, then
// kept between the screen's top-left corner and its bottom-right corner less an icon, so that
// a position beyond the screen or a negative one still leaves the window within reach.
CPoint PlaceOnScreen(CPoint stored, const CScreenGeometry& geometry);

// What is stored for a window whose frame's top-left corner lies at framePosition; opening
// it again with PlaceOnScreen puts it back there.
CPoint StoredPosition(CPoint framePosition, const CScreenGeometry& geometry);

CPoint StoredWindowPos(const CAppletParameters& params, DesignerWindow window);
void SetStoredWindowPos(CAppletParameters& params, DesignerWindow window, CPoint position);

} // namespace tb
