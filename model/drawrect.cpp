#include "model/drawrect.h"

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/marquel.h"

const CRuntimeClass CDrawRect::classCDrawRect{"CDrawRect", 0, RUNTIME_CLASS(CDrawObj),
                                              &CDrawRect::CreateObject};

std::unique_ptr<CObject> CDrawRect::CreateObject() {
    return std::make_unique<CDrawRect>();
}

CDrawRect::CDrawRect() = default;

CDrawRect::CDrawRect(const CRect& position) : CDrawObj(position) {
    menu->InsertNewItem();

    // The hint box: one hidden "Hint" item, a small yellow box with a thin border.
    CMarquel& hint = *menu->m_items.front()->m_pSubMenu;
    CMarquelItem* pHintItem = hint.InsertNewItem();
    pHintItem->m_strLabel = "Hint";
    pHintItem->m_bVisible = 0;
    hint.m_nLeft = 15;
    hint.m_nTop = 10;
    hint.m_nWidth = 30;
    hint.m_nHeight = 20;
    CMarquelState& normal = hint.m_states[CMarquel::stateNormal];
    normal.m_crBack = RGB(255, 255, 0);
    normal.m_crFont = RGB(0, 0, 0);
    normal.m_crBorder = RGB(0, 0, 0);
    normal.m_nBackStyle = 1;
    normal.m_nBorderStyle = 1;
    normal.m_nTextAlign = 1;
    normal.m_nTextOffset = 0;
    hint.m_nBorderThick = 1;
    hint.ApplyNormalToAllStates();
}

CDrawRect::~CDrawRect() = default;

void CDrawRect::Serialize(CArchive& ar) {
    CDrawObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteWord(static_cast<uint16_t>(shape));
        ar.WriteInt(cornerSize.cx);
        ar.WriteInt(cornerSize.cy);
    } else {
        shape = ar.ReadWord();
        cornerSize.cx = ar.ReadInt();
        cornerSize.cy = ar.ReadInt();
    }
}

int CDrawRect::HandleCount() const {
    return CDrawObj::HandleCount();
}

CPoint CDrawRect::HandlePoint(int nHandle) const {
    return CDrawObj::HandlePoint(nHandle);
}

DrawCursor CDrawRect::HandleCursor(int nHandle) const {
    return CDrawObj::HandleCursor(nHandle);
}

bool CDrawRect::Intersects(const CRect& rect) const {
    return CDrawObj::Intersects(rect);
}

void CDrawRect::MoveHandleTo(int nHandle, CPoint point, IDrawView* pView) {
    CDrawObj::MoveHandleTo(nHandle, point, pView);
}

std::unique_ptr<CDrawObj> CDrawRect::Clone() const {
    auto pClone = std::make_unique<CDrawRect>(bounds);
    pClone->shape = shape;
    pClone->cornerSize = cornerSize;
    // The provisional model of the new-button construction gives way to a copy of ours.
    pClone->menu = menu ? std::make_unique<CMarquel>(*menu) : std::make_unique<CMarquel>();
    return pClone;
}

CDrawRect* CDrawRect::Clone(CAppletParameters& newOwner) const {
    std::unique_ptr<CDrawObj> pClone = Clone();
    return newOwner.AddButton(
        std::unique_ptr<CDrawRect>(static_cast<CDrawRect*>(pClone.release())));
}
