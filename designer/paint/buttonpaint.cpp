#include "designer/paint/buttonpaint.h"

#include "designer/paint/backgroundfill.h"
#include "designer/paint/borderpaint.h"
#include "designer/paint/labelpaint.h"
#include "model/drawrect.h"
#include "model/drawview.h"
#include "model/marquel.h"
#include "platform/surface/offscreen.h"
#include "platform/surface/surface.h"

namespace tb {

int CLastPaintedState::Choose(int nViewState) {
    if (nViewState >= 1 && nViewState <= 3)
        m_nState = nViewState;
    return m_nState;
}

void PaintButtonFace(CSurface& surface, const CRect& rect, const CMarquel& menu, int nState) {
    const CRect r = rect.Normalized();
    const CMarquelState& state = menu.m_states[size_t(nState - 1)];
    FillBackground(surface, r, state.m_crBack, state.m_crFade, state.GetBackStyle());
    DrawBorder(surface, r, state.m_crBorder, menu.m_nBorderThick, state.GetBorderStyle());
    if (!menu.m_items.empty() && menu.m_items.front())
        DrawLabel(surface, r, menu.m_items.front()->m_strLabel, state, menu.m_nBorderThick);
}

void DrawButton(CSurface& surface, const CDrawRect& button, IDrawView* pView,
                CLastPaintedState& last) {
    if (button.shape != CDrawRect::rectangle || !button.menu)
        return;
    const CRect r = button.bounds.Normalized();
    // The painters work on the whole rectangle; only its visible part is composed, so a huge
    // stored size costs nothing.
    ComposeOffscreen(surface, r, [&](CSurface& memory) {
        const int nState = last.Choose(pView ? pView->CurrentDrawState() : 0);
        PaintButtonFace(memory, r, *button.menu, nState);
    });
}

void DrawHandles(CSurface& surface, const CDrawObj& object, int trackerState) {
    if (trackerState != 1 && trackerState != 2)
        return;
    for (int n = 1; n <= object.HandleCount(); ++n) {
        const CPoint p = object.HandlePoint(n);
        surface.InvertRect({p.x - 3, p.y - 3, p.x + 4, p.y + 4});
    }
}

} // namespace tb
