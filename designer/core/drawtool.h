#pragma once
// The editing tools of the design view. A tool turns the view's mouse messages into changes of
// the model and the selection; it talks only to CDrawViewCore, never to a widget. All state
// of a drag lives in the view's CToolState, so the tools themselves are plain behaviour.

#include "platform/core/rect.h"

namespace tb {

class CDrawViewCore;

enum DrawToolNumber { kSelectTool = 0, kButtonTool = 2 };

enum class SelectMode { None, RubberBand, Move, Size };

// Where a drag stands. Client and canvas coordinates are the same numbers (the canvas is the
// client area, one pixel each), but the tools keep them apart as the view's contract does.
struct CToolState {
    int currentTool = kSelectTool;
    SelectMode selectMode = SelectMode::None;
    int dragHandle = 0;       // the handle dragged in size mode
    CPoint downPoint;         // client point of the button press
    CPoint lastDevicePoint;   // client point of the latest mouse position
    CPoint lastCanvasPoint;   // canvas point of the latest position used for moving
    unsigned downFlags = 0;   // MouseFlags at the press
    bool bDuplicated = false; // the press laid copies over the selection (Ctrl)
};

class CDrawTool {
public:
    virtual ~CDrawTool() = default;
    // Captures the mouse and remembers the press.
    virtual void OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point);
    virtual void OnLButtonDblClk(CDrawViewCore& view, unsigned nFlags, CPoint point);
    // Releases the capture.
    virtual void OnLButtonUp(CDrawViewCore& view, unsigned nFlags, CPoint point);
    virtual void OnMouseMove(CDrawViewCore& view, unsigned nFlags, CPoint point);
    // Any tool's cancel returns to the select tool.
    virtual void OnCancel(CDrawViewCore& view);
};

// Selects, moves and resizes buttons, and draws the rubber band over empty canvas.
class CSelectTool : public CDrawTool {
public:
    void OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnLButtonDblClk(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnLButtonUp(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnMouseMove(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
};

// Draws a new button: a drag gives its rectangle, a click (or a drag along one axis) an
// 80 x 30 button at the press point. Dragging and releasing work as the select tool's sizing.
class CButtonTool : public CSelectTool {
public:
    void OnLButtonDown(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnLButtonDblClk(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnLButtonUp(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
    void OnMouseMove(CDrawViewCore& view, unsigned nFlags, CPoint point) override;
};

// The tool registered under a number, or null (messages for it are then ignored).
CDrawTool* FindTool(int nTool);

// The size a click with the button tool gives.
constexpr CSize kClickedButtonSize{80, 30};

} // namespace tb
