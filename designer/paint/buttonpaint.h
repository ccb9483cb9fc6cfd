#pragma once
// Painting of design objects: the button face as the applet draws it (background, border and
// label of one of the three states), and the sizing handles of a selected object.

#include "platform/core/rect.h"

class CDrawObj;
class CDrawRect;
class CMarquel;
class CSurface;
class IDrawView;

namespace tb {

// The state the previous button was painted in. Buttons keep showing it while the view
// reports no state (the menu sheet's first page). Whoever paints a series of buttons keeps
// one: the designer one for each time it opens, so every opening starts with the normal state.
class CLastPaintedState {
public:
    // 1 normal, 2 mouse over, 3 clicked.
    int Get() const { return m_nState; }
    // The view's state when it is 1..3, otherwise the last painted one; either way it becomes
    // the last painted state.
    int Choose(int nViewState);

private:
    int m_nState = 1;
};

// Background, border and label of `menu` in state nState (1..3) inside rect (normalized
// first), painted straight onto the surface.
void PaintButtonFace(CSurface& surface, const CRect& rect, const CMarquel& menu, int nState);

// Paints a button of shape 0 over the canvas, composed off screen so that only its normalized
// rectangle changes and unpainted pixels keep the canvas behind it. The state comes from the
// view (which may be null) through `last`; a button entirely off the surface chooses none.
void DrawButton(CSurface& surface, const CDrawRect& button, IDrawView* pView,
                CLastPaintedState& last);

// Inverts a 7 x 7 square around every handle for tracker state 1 (selected) or 2 (active);
// other states paint nothing.
void DrawHandles(CSurface& surface, const CDrawObj& object, int trackerState);

} // namespace tb
