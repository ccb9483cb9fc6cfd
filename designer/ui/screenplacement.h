#pragma once
// The designer's windows on the screen: opened at the positions the design stores, and their
// positions read back for storing, through the rules of designer/core/windowplacement.h.

#include "designer/core/windowplacement.h"

class QWidget;

namespace tb {

// The primary screen and its work area.
CScreenGeometry PrimaryScreenGeometry();

// Moves a top-level window's frame to a stored position, kept within reach on the screen.
void PlaceWindow(QWidget& window, CPoint stored);

// What to store for a top-level window: its frame's top-left corner in its normal (not
// maximized) state, relative to the work area.
CPoint StoredPositionOf(const QWidget& window);

} // namespace tb
