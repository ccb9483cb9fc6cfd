#include "designer/core/drawtool.h"

#include "designer/core/drawviewcore.h"
#include "designer/core/undosnapshot.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"

namespace tb {

namespace {

ViewCursor CursorOf(DrawCursor cursor) {
    switch (cursor) {
    case CursorSizeNWSE:
        return ViewCursor::SizeNWSE;
    case CursorSizeNS:
        return ViewCursor::SizeNS;
    case CursorSizeNESW:
        return ViewCursor::SizeNESW;
    case CursorSizeWE:
        return ViewCursor::SizeWE;
    }
    return ViewCursor::Arrow;
}

// The one selected object, or null when none or several are selected.
CDrawRect* SingleSelected(const CDrawViewCore& view) {
    return view.Selection().size() == 1 ? view.Selection().front() : nullptr;
}

CRect Spanned(CPoint a, CPoint b) {
    return CRect{a.x, a.y, b.x, b.y}.Normalized();
}

// Copies of the selection laid exactly over it, selected in its place: the editing commands'
// duplicate (copy, then paste), as one step of a drag that takes its own snapshot at the end.
// Returns whether copies were made.
bool DuplicateSelectionInPlace(CDrawViewCore& view) {
    CSnapshotLock lock(view.Params());
    const size_t nBefore = view.Params().m_buttons.size();
    view.Commands().Execute(ID_DUPLICATE);
    return view.Params().m_buttons.size() > nBefore;
}

} // namespace

// --- Every tool

void CDrawTool::OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    view.Window().SetCapture();
    CToolState& state = view.ToolState();
    state.downFlags = nFlags;
    state.downPoint = point;
    state.lastDevicePoint = point;
}

void CDrawTool::OnLButtonDblClk(CDrawViewCore&, unsigned, CPoint) {}

void CDrawTool::OnLButtonUp(CDrawViewCore& view, unsigned, CPoint) {
    view.Window().ReleaseCapture();
}

void CDrawTool::OnMouseMove(CDrawViewCore& view, unsigned, CPoint point) {
    view.ToolState().lastDevicePoint = point;
    view.Window().SetViewCursor(ViewCursor::Arrow);
}

void CDrawTool::OnCancel(CDrawViewCore& view) {
    view.SetCurrentTool(kSelectTool);
}

// --- Select tool

void CSelectTool::OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    CToolState& state = view.ToolState();
    const CPoint canvas = CDrawViewCore::ClientToCanvas(point);
    state.selectMode = SelectMode::None;
    state.bDuplicated = false;

    if (CDrawRect* pOnly = SingleSelected(view)) {
        if (const int nHandle = pOnly->HitTest(canvas, &view, true)) {
            state.selectMode = SelectMode::Size;
            state.dragHandle = nHandle;
        }
    }

    if (state.selectMode == SelectMode::None) {
        if (CDrawRect* pHit = view.ObjectAt(canvas)) {
            state.selectMode = SelectMode::Move;
            if (!view.IsSelected(pHit))
                view.Select(pHit, (nFlags & MK_SHIFT) != 0);
            if (nFlags & MK_CONTROL)
                state.bDuplicated = DuplicateSelectionInPlace(view);
        } else {
            if (!(nFlags & MK_SHIFT))
                view.Select(nullptr);
            state.selectMode = SelectMode::RubberBand;
            const CRect band = Spanned(point, point);
            view.Window().ShowFocusRect(&band);
        }
    }

    state.lastCanvasPoint = canvas;
    CDrawTool::OnLButtonDown(view, nFlags, point);
}

void CSelectTool::OnLButtonDblClk(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    if (nFlags & MK_SHIFT) {
        if (CDrawRect* pHit = view.ObjectAt(CDrawViewCore::ClientToCanvas(point)))
            view.Deselect(pHit);
    } else if (CDrawRect* pOnly = SingleSelected(view)) {
        pOnly->Open(&view);
    }
    CDrawTool::OnLButtonDblClk(view, nFlags, point);
}

void CSelectTool::OnLButtonUp(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    IViewWindow& window = view.Window();
    if (!window.HasCapture())
        return;
    CToolState& state = view.ToolState();
    switch (state.selectMode) {
    case SelectMode::RubberBand:
        window.ShowFocusRect(nullptr);
        view.SelectWithinRect(Spanned(state.downPoint, state.lastDevicePoint), true);
        if (view.Selection().empty())
            view.ShowAppletSheet();
        break;
    case SelectMode::Move:
        // Copies made by Ctrl are a change even when the mouse stayed where it was pressed.
        if (point != state.downPoint || state.bDuplicated)
            TakeSnapshot(view.Params());
        if (view.Selection().size() == 1)
            view.ShowMenuSheet();
        break;
    case SelectMode::Size:
        if (point != state.downPoint)
            TakeSnapshot(view.Params());
        break;
    case SelectMode::None:
        break;
    }
    CDrawTool::OnLButtonUp(view, nFlags, point);
}

void CSelectTool::OnMouseMove(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    IViewWindow& window = view.Window();
    CToolState& state = view.ToolState();
    const bool bSelectTool = state.currentTool == kSelectTool;

    if (!window.HasCapture()) {
        if (!bSelectTool)
            return;
        CDrawRect* pOnly = SingleSelected(view);
        const int nHandle =
            pOnly ? pOnly->HitTest(CDrawViewCore::ClientToCanvas(point), &view, true) : 0;
        window.SetViewCursor(nHandle ? CursorOf(pOnly->HandleCursor(nHandle)) : ViewCursor::Arrow);
        return;
    }

    if (state.selectMode == SelectMode::RubberBand) {
        const CRect band = Spanned(state.downPoint, point);
        window.ShowFocusRect(&band);
        CDrawTool::OnMouseMove(view, nFlags, point);
        return;
    }

    const CPoint canvas = CDrawViewCore::ClientToCanvas(point);
    const int dx = canvas.x - state.lastCanvasPoint.x;
    const int dy = canvas.y - state.lastCanvasPoint.y;
    // A copy: moving invalidates through the view, which must not see the list change.
    const std::vector<CDrawRect*> selection = view.Selection();
    for (CDrawRect* pObj : selection) {
        if (state.selectMode == SelectMode::Move) {
            CRect moved = pObj->bounds;
            moved.OffsetRect(dx, dy);
            pObj->MoveTo(moved, &view);
        } else if (state.selectMode == SelectMode::Size && state.dragHandle != 0) {
            pObj->MoveHandleTo(state.dragHandle, canvas, &view);
        }
    }
    state.lastCanvasPoint = canvas;
    state.lastDevicePoint = point;

    if (!bSelectTool)
        return;
    if (state.selectMode == SelectMode::Size && !selection.empty())
        window.SetViewCursor(CursorOf(selection.front()->HandleCursor(state.dragHandle)));
    else
        window.SetViewCursor(ViewCursor::Arrow);
}

// --- Button tool

void CButtonTool::OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    CDrawTool::OnLButtonDown(view, nFlags, point);
    const CPoint canvas = CDrawViewCore::ClientToCanvas(point);
    CDrawRect* pNew = view.Params().AddButton(
        std::make_unique<CDrawRect>(CRect{canvas.x, canvas.y, canvas.x, canvas.y}));
    view.Select(pNew);
    CToolState& state = view.ToolState();
    state.selectMode = SelectMode::Size;
    state.dragHandle = 1;
    state.lastCanvasPoint = canvas;
}

void CButtonTool::OnLButtonDblClk(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    // Not the select tool's: a double click while drawing opens nothing.
    CDrawTool::OnLButtonDblClk(view, nFlags, point);
}

void CButtonTool::OnLButtonUp(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    IViewWindow& window = view.Window();
    if (!window.HasCapture())
        return;
    const CToolState& state = view.ToolState();
    const bool bDraggedBothWays = point.x != state.downPoint.x && point.y != state.downPoint.y;
    if (bDraggedBothWays || view.Selection().empty()) {
        view.ShowMenuSheet();
        CSelectTool::OnLButtonUp(view, nFlags, point);
        return;
    }
    // A click, or a drag along one axis: the button gets the clicked size added to what was
    // dragged, and this is the step's one snapshot.
    CDrawRect* pNew = view.Selection().back();
    pNew->bounds.NormalizeRect();
    pNew->bounds.right += kClickedButtonSize.cx;
    pNew->bounds.bottom += kClickedButtonSize.cy;
    view.Update(UpdateHint::All);
    TakeSnapshot(view.Params());
    view.ShowMenuSheet();
    CDrawTool::OnLButtonUp(view, nFlags, point);
}

void CButtonTool::OnMouseMove(CDrawViewCore& view, unsigned nFlags, CPoint point) {
    view.Window().SetViewCursor(ViewCursor::Cross);
    CSelectTool::OnMouseMove(view, nFlags, point);
}

CDrawTool* FindTool(int nTool) {
    static CSelectTool selectTool;
    static CButtonTool buttonTool;
    switch (nTool) {
    case kSelectTool:
        return &selectTool;
    case kButtonTool:
        return &buttonTool;
    }
    return nullptr;
}

} // namespace tb
