#pragma once
// The whole design canvas: the applet's background and border over the client area, then
// every button from the bottom of the stacking order up, with handles on the selected ones.

#include "platform/core/rect.h"

class CAppletParameters;
class CSurface;
class IDrawView;

namespace tb {

// bShowHandles: the view is active, so selected buttons get their handles.
void PaintAppletCanvas(CSurface& surface, const CRect& client, CAppletParameters& params,
                       IDrawView* pView, bool bShowHandles);

} // namespace tb
