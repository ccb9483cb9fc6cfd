#include "designer/paint/canvaspaint.h"

#include <unordered_set>

#include "designer/paint/backgroundfill.h"
#include "designer/paint/borderpaint.h"
#include "designer/paint/buttonpaint.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"

namespace tb {

void PaintAppletCanvas(CSurface& surface, const CRect& client, const CAppletParameters& params,
                       IDrawView* pView, CLastPaintedState& last, bool bShowHandles) {
    FillBackground(surface, client, params.m_crBack, params.m_crFade, params.GetBackStyle());
    DrawBorder(surface, client, params.m_crBorder, params.m_nBorderThick, params.GetBorderStyle());
    std::unordered_set<const CDrawRect*> selected;
    if (bShowHandles)
        selected.insert(params.m_selection.begin(), params.m_selection.end());
    for (const auto& pButton : params.m_buttons) {
        if (!pButton)
            continue;
        DrawButton(surface, *pButton, pView, last);
        if (selected.count(pButton.get()))
            DrawHandles(surface, *pButton, 1);
    }
}

} // namespace tb
