#include "platform/surface/offscreen.h"

#include "platform/surface/surface.h"

namespace tb {

bool ComposeOffscreen(CSurface& target, const CRect& area,
                      const std::function<void(CSurface& memory)>& paint) {
    CRect visible;
    if (!visible.IntersectRect(area.Normalized(), target.GetClipBox()))
        return false;
    // Clipping the target gives the same pixels as painting a copy of the area and copying it
    // back, without the copies.
    const int nSaved = target.SaveDC();
    target.IntersectClipRect(visible);
    // The painter starts from a fresh surface's pen, colours and position, as it always has;
    // the font stays the target's.
    target.SetPenColor(RGB(0, 0, 0));
    target.SetTextColor(RGB(0, 0, 0));
    target.SetBkColor(RGB(255, 255, 255));
    target.SetBkMode(OPAQUE);
    target.MoveTo(0, 0);
    paint(target);
    target.RestoreDC(nSaved);
    return true;
}

} // namespace tb
