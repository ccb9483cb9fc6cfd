// Painting of design objects: the button face composed off screen, and the sizing handles.
#include <algorithm>

#include "designer/objects/drawrect.h"
#include "designer/objects/drawview.h"
#include "designer/paint/backgroundfill.h"
#include "designer/paint/borderpaint.h"
#include "designer/paint/labelpaint.h"
#include "designer/paint/paintstate.h"
#include "model/marquel.h"
#include "platform/surface/surface.h"

namespace tb {

namespace {
int g_nLastPaintedState = 1;
}

int LastPaintedState() {
    return g_nLastPaintedState;
}

void SetLastPaintedState(int nState) {
    if (nState >= 1 && nState <= 3)
        g_nLastPaintedState = nState;
}

int ChoosePaintState(int nViewState) {
    SetLastPaintedState(nViewState);
    return g_nLastPaintedState;
}

} // namespace tb

void CDrawRect::Draw(CSurface* pSurface, IDrawView* pView) {
    if (!pSurface || shape != rectangle || !menu)
        return;
    const CRect r = bounds.Normalized();

    // Only the part of the button on the surface is composed, so a huge stored size costs
    // nothing; the painters still work on the whole rectangle.
    CRect visible;
    if (!visible.IntersectRect(r, pSurface->GetClipBox()))
        return;
    std::unique_ptr<CSurface> pMem = pSurface->CreateCompatible(visible.Width(), visible.Height());
    if (pMem->GetWidth() == 0)
        return;
    pMem->SetViewportOrg(-visible.left, -visible.top);
    pMem->BitBlt(visible.left, visible.top, visible.Width(), visible.Height(), *pSurface,
                 visible.left, visible.top);

    const int nState = tb::ChoosePaintState(pView ? pView->CurrentDrawState() : 0);
    const CMarquelState& state = menu->m_states[size_t(nState - 1)];
    tb::FillBackground(*pMem, r, state.m_crBack, state.m_crFade, state.m_nBackStyle);
    tb::DrawBorder(*pMem, r, state.m_crBorder, menu->m_nBorderThick, state.m_nBorderStyle);
    if (!menu->m_items.empty() && menu->m_items.front())
        tb::DrawLabel(*pMem, r, menu->m_items.front()->m_strLabel, state, menu->m_nBorderThick);

    pSurface->BitBlt(visible.left, visible.top, visible.Width(), visible.Height(), *pMem,
                     visible.left, visible.top);
}

void CDrawObj::DrawHandles(CSurface* pSurface, int trackerState) {
    if (!pSurface || (trackerState != 1 && trackerState != 2))
        return;
    for (int n = 1; n <= HandleCount(); ++n) {
        CPoint p = HandlePoint(n);
        pSurface->InvertRect({p.x - 3, p.y - 3, p.x + 4, p.y + 4});
    }
}
