#pragma once
// The design view without its window: the selection operations the pages and commands use,
// the invalidation rules, and the routing of mouse and key input to the editing tools. The
// widget (designer/ui/drawview.h) only translates its events into these calls and implements
// IViewWindow; tests drive the same calls directly.
//
// The canvas is the applet: client point = canvas point, so the conversions below change
// nothing, yet every place that crosses between the two goes through them.

#include <memory>
#include <vector>

#include "designer/core/commandtable.h"
#include "designer/core/drawtool.h"
#include "designer/core/viewhost.h"
#include "model/drawview.h"

class CAppletParameters;
class CDrawRect;

namespace tb {

// What Update repaints.
enum class UpdateHint {
    All = 0,     // the whole view
    Object = 1,  // one object
    List = 2,    // every object of a list, or of the selection when none is given
    Removed = 3, // every object of a list, which also leaves the selection
};

class CDrawViewCore : public IDrawView {
public:
    CDrawViewCore(CAppletParameters& params, IViewWindow& window, IDesignerSheets& sheets);
    ~CDrawViewCore() override;
    CDrawViewCore(const CDrawViewCore&) = delete;
    CDrawViewCore& operator=(const CDrawViewCore&) = delete;

    CAppletParameters& Params() const { return m_params; }
    // The selected buttons in the order they were selected (held by the applet model).
    const std::vector<CDrawRect*>& Selection() const;
    CToolState& ToolState() { return m_tools; }
    const CToolState& ToolState() const { return m_tools; }
    CCommandTable& Commands() { return *m_pCommands; }
    IViewWindow& Window() const { return m_window; }

    // --- IDrawView
    // The object's client area (with room for the handles while it shows them) plus one pixel.
    void InvalidateObject(CDrawObj* pObj) override;
    int CurrentDrawState() const override;

    // --- Operations for the pages, the commands and the design window
    // Without bAdd the selection is emptied first; then the object (if any, and not yet
    // selected) is appended.
    void Select(CDrawRect* pObj, bool bAdd = false);
    void Deselect(CDrawRect* pObj);
    // Selects every object whose bounds meet the client rectangle, bottom to top.
    void SelectWithinRect(const CRect& rect, bool bAdd = false);
    bool IsSelected(const CDrawObj* pObj) const;
    void Update(UpdateHint hint, CDrawObj* pObject = nullptr,
                std::vector<CDrawRect*>* pList = nullptr);
    void RefreshActivePage();
    void ShowMenuSheet();
    void ShowAppletSheet();
    void EditLabelBox(LabelBox box);

    // Handles show, and mouse input counts, only while the view is active.
    bool IsActive() const { return m_bActive; }
    void SetActive(bool bActive);

    // --- Input in client coordinates; ignored while inactive.
    void OnLButtonDown(unsigned nFlags, CPoint point);
    void OnLButtonUp(unsigned nFlags, CPoint point);
    void OnLButtonDblClk(unsigned nFlags, CPoint point);
    void OnMouseMove(unsigned nFlags, CPoint point);
    // The select tool becomes current and the press is replayed as a left click, so the button
    // under the pointer is what the context menu (opened by the widget next) works on.
    void OnRButtonDown(unsigned nFlags, CPoint point);
    // The context menu's "&New Button": an 80 x 30 button just below and right of the point
    // where the menu was opened.
    void OnNewButton();
    void OnCancel();
    // Tab: the button above the last selected one becomes the selection, wrapping to the
    // bottom one.
    void AdvanceSelection();
    void SetCurrentTool(int nTool);

    // The topmost object whose bounds hold the canvas point, or null.
    CDrawRect* ObjectAt(CPoint canvasPoint) const;
    static CPoint ClientToCanvas(CPoint p) { return p; }
    static CRect ClientToCanvas(const CRect& r) { return r; }
    static CRect CanvasToClient(const CRect& r) { return r; }

private:
    void InstallOwnActions();
    // The current tool while the view takes input (it is active); null otherwise, or when no
    // tool has the current number.
    CDrawTool* InputTool() const;

    CAppletParameters& m_params;
    IViewWindow& m_window;
    IDesignerSheets& m_sheets;
    CToolState m_tools;
    std::unique_ptr<CCommandTable> m_pCommands;
    bool m_bActive = false;
    CPoint m_ptMenu; // client point of the last right-button press
};

} // namespace tb
