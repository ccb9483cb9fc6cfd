#include "designer/core/drawviewcore.h"

#include <algorithm>

#include "model/appletparameters.h"
#include "model/drawrect.h"

namespace tb {

CDrawViewCore::CDrawViewCore(CAppletParameters& params, IViewWindow& window,
                             IDesignerSheets& sheets)
    : m_params(params), m_window(window), m_sheets(sheets),
      m_pCommands(std::make_unique<CCommandTable>(*this)) {
    InstallOwnActions();
}

CDrawViewCore::~CDrawViewCore() = default;

void CDrawViewCore::InstallOwnActions() {
    m_pCommands->SetAction(ID_TOOL_SELECT, [this] { SetCurrentTool(kSelectTool); });
    m_pCommands->SetAction(ID_TOOL_BUTTON, [this] { SetCurrentTool(kButtonTool); });
    m_pCommands->SetAction(ID_NEW_BUTTON, [this] { OnNewButton(); });
}

const std::vector<CDrawRect*>& CDrawViewCore::Selection() const {
    return m_params.m_selection;
}

void CDrawViewCore::InvalidateObject(CDrawObj* pObj) {
    if (!pObj)
        return;
    CRect rect = CanvasToClient(pObj->bounds).Normalized();
    if (m_bActive && IsSelected(pObj)) {
        // Room for the handles, which reach three pixels beyond the corners.
        rect.left -= 4;
        rect.top -= 5;
        rect.right += 5;
        rect.bottom += 4;
    }
    rect.InflateRect(1, 1);
    m_window.InvalidateClient(rect);
}

int CDrawViewCore::CurrentDrawState() const {
    return m_sheets.ActiveMenuPage();
}

void CDrawViewCore::Select(CDrawRect* pObj, bool bAdd) {
    std::vector<CDrawRect*>& selection = m_params.m_selection;
    if (!bAdd) {
        Update(UpdateHint::List);
        selection.clear();
    }
    if (!pObj || IsSelected(pObj))
        return;
    selection.push_back(pObj);
    InvalidateObject(pObj);
}

void CDrawViewCore::Deselect(CDrawRect* pObj) {
    std::vector<CDrawRect*>& selection = m_params.m_selection;
    const auto it = std::find(selection.begin(), selection.end(), pObj);
    if (it == selection.end())
        return;
    // Invalidated while still selected, so that its handles are repainted away too.
    InvalidateObject(pObj);
    selection.erase(it);
}

void CDrawViewCore::SelectWithinRect(const CRect& rect, bool bAdd) {
    if (!bAdd)
        Select(nullptr);
    const CRect canvas = ClientToCanvas(rect);
    for (const auto& pButton : m_params.m_buttons) {
        if (pButton && pButton->Intersects(canvas))
            Select(pButton.get(), true);
    }
}

bool CDrawViewCore::IsSelected(const CDrawObj* pObj) const {
    const std::vector<CDrawRect*>& selection = m_params.m_selection;
    return std::find(selection.begin(), selection.end(), pObj) != selection.end();
}

void CDrawViewCore::Update(UpdateHint hint, CDrawObj* pObject, std::vector<CDrawRect*>* pList) {
    switch (hint) {
    case UpdateHint::All:
        m_window.InvalidateWholeClient();
        return;
    case UpdateHint::Object:
        InvalidateObject(pObject);
        return;
    case UpdateHint::List:
        for (CDrawRect* p : pList ? *pList : m_params.m_selection)
            InvalidateObject(p);
        return;
    case UpdateHint::Removed:
        if (!pList)
            return;
        for (CDrawRect* p : *pList) {
            InvalidateObject(p);
            if (pList != &m_params.m_selection)
                std::erase(m_params.m_selection, p);
        }
        return;
    }
}

void CDrawViewCore::RefreshActivePage() {
    m_sheets.RefreshActivePage();
}

void CDrawViewCore::ShowMenuSheet() {
    m_sheets.ShowMenuSheet();
}

void CDrawViewCore::ShowAppletSheet() {
    m_sheets.ShowAppletSheet();
}

void CDrawViewCore::EditLabelBox(LabelBox box) {
    m_sheets.EditLabelBox(box);
}

void CDrawViewCore::SetActive(bool bActive) {
    if (bActive == m_bActive)
        return;
    // The selection's area changes with the handles: repaint it on both sides of the change.
    Update(UpdateHint::List);
    m_bActive = bActive;
    Update(UpdateHint::List);
}

CDrawTool* CDrawViewCore::InputTool() const {
    return m_bActive ? FindTool(m_tools.currentTool) : nullptr;
}

void CDrawViewCore::OnLButtonDown(unsigned nFlags, CPoint point) {
    if (!m_bActive)
        return;
    if (CDrawTool* pTool = InputTool())
        pTool->OnLButtonDown(*this, nFlags, point);
    RefreshActivePage();
}

void CDrawViewCore::OnLButtonUp(unsigned nFlags, CPoint point) {
    if (!m_bActive)
        return;
    if (CDrawTool* pTool = InputTool())
        pTool->OnLButtonUp(*this, nFlags, point);
    RefreshActivePage();
}

void CDrawViewCore::OnLButtonDblClk(unsigned nFlags, CPoint point) {
    if (CDrawTool* pTool = InputTool())
        pTool->OnLButtonDblClk(*this, nFlags, point);
}

void CDrawViewCore::OnMouseMove(unsigned nFlags, CPoint point) {
    if (CDrawTool* pTool = InputTool())
        pTool->OnMouseMove(*this, nFlags, point);
}

void CDrawViewCore::OnRButtonDown(unsigned nFlags, CPoint point) {
    if (!m_bActive)
        return;
    SetCurrentTool(kSelectTool);
    m_ptMenu = point;
    // Replayed as a plain click: Ctrl or Shift held for the menu must not duplicate or add.
    const unsigned nClick = (nFlags & ~(MK_RBUTTON | MK_SHIFT | MK_CONTROL)) | MK_LBUTTON;
    OnLButtonDown(nClick, point);
    OnLButtonUp(nClick & ~MK_LBUTTON, point);
}

void CDrawViewCore::OnNewButton() {
    const CPoint at{m_ptMenu.x + 5, m_ptMenu.y + 5};
    SetCurrentTool(kButtonTool);
    OnLButtonDown(MK_LBUTTON, at);
    OnLButtonUp(0, at);
    SetCurrentTool(kSelectTool);
}

void CDrawViewCore::OnCancel() {
    if (m_window.HasCapture()) {
        // A drag in progress ends where the pointer is, as a release there would end it.
        const CPoint last = m_tools.lastDevicePoint;
        OnLButtonUp(0, last);
    }
    if (CDrawTool* pTool = FindTool(m_tools.currentTool))
        pTool->OnCancel(*this);
}

void CDrawViewCore::AdvanceSelection() {
    const auto& buttons = m_params.m_buttons;
    if (buttons.empty())
        return;
    size_t next = 0;
    if (!m_params.m_selection.empty()) {
        const CDrawRect* pLast = m_params.m_selection.back();
        const auto it = std::find_if(buttons.begin(), buttons.end(),
                                     [pLast](const auto& p) { return p.get() == pLast; });
        if (it != buttons.end() && std::next(it) != buttons.end())
            next = size_t(std::distance(buttons.begin(), it)) + 1;
    }
    Select(buttons[next].get());
    RefreshActivePage();
}

void CDrawViewCore::SetCurrentTool(int nTool) {
    m_tools.currentTool = nTool;
}

CDrawRect* CDrawViewCore::ObjectAt(CPoint canvasPoint) const {
    const CRect probe{canvasPoint.x, canvasPoint.y, canvasPoint.x + 1, canvasPoint.y + 1};
    const auto& buttons = m_params.m_buttons;
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        if (*it && (*it)->Intersects(probe))
            return it->get();
    }
    return nullptr;
}

} // namespace tb
