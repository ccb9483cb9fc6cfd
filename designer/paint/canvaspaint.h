#pragma once
// The whole design canvas: the applet's background and border over the client area, then
// every button from the bottom of the stacking order up, with handles on the selected ones.

#include "platform/core/rect.h"

class CAppletParameters;
class CSurface;
class IDrawView;

namespace tb {

class CLastPaintedState;

// bShowHandles: the view is active, so selected buttons get their handles. The buttons' state
// comes from the view, else from `last`, which keeps the state of the last button painted.
void PaintAppletCanvas(CSurface& surface, const CRect& client, const CAppletParameters& params,
                       IDrawView* pView, CLastPaintedState& last, bool bShowHandles);

} // namespace tb
