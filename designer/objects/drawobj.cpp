#include "designer/objects/drawobj.h"

#include "designer/objects/drawrect.h"
#include "designer/objects/drawview.h"
#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/marquel.h"

const CRuntimeClass CDrawObj::classCDrawObj{"CDrawObj", 0, RUNTIME_CLASS(CObject),
                                            &CDrawObj::CreateObject};

std::unique_ptr<CObject> CDrawObj::CreateObject() {
    return std::make_unique<CDrawObj>();
}

CDrawObj::CDrawObj() : menu(std::make_unique<CMarquel>(0, "Brisko")) {}

CDrawObj::CDrawObj(const CRect& position)
    : bounds(position), menu(std::make_unique<CMarquel>(0, "Brisko")) {}

CDrawObj::~CDrawObj() = default;

namespace {

void SerializeRect(CArchive& ar, CRect& r) {
    int32_t* const v[] = {&r.left, &r.top, &r.right, &r.bottom};
    for (int32_t* p : v) {
        if (ar.IsStoring())
            ar.WriteInt(*p);
        else
            *p = ar.ReadInt();
    }
}

} // namespace

void CDrawObj::Serialize(CArchive& ar) {
    if (!menu)
        menu = std::make_unique<CMarquel>();
    menu->Serialize(ar);
    SerializeRect(ar, bounds);
}

int CDrawObj::HandleCount() const {
    return 8;
}

CPoint CDrawObj::HandlePoint(int nHandle) const {
    const int32_t cx = bounds.left + (bounds.right - bounds.left) / 2;
    const int32_t cy = bounds.top + (bounds.bottom - bounds.top) / 2;
    switch (nHandle) {
    case 2:
        return {cx, bounds.top};
    case 3:
        return {bounds.right, bounds.top};
    case 4:
        return {bounds.right, cy};
    case 5:
        return {bounds.right, bounds.bottom};
    case 6:
        return {cx, bounds.bottom};
    case 7:
        return {bounds.left, bounds.bottom};
    case 8:
        return {bounds.left, cy};
    default:
        return {bounds.left, bounds.top};
    }
}

DrawCursor CDrawObj::HandleCursor(int nHandle) const {
    switch (nHandle) {
    case 2:
    case 6:
        return CursorSizeNS;
    case 3:
    case 7:
        return CursorSizeNESW;
    case 4:
    case 8:
        return CursorSizeWE;
    default:
        return CursorSizeNWSE;
    }
}

void CDrawObj::Draw(CSurface*, IDrawView*) {}

void CDrawObj::MoveTo(const CRect& position, IDrawView* pView) {
    if (position == bounds)
        return;
    if (pView)
        pView->InvalidateObject(this);
    bounds = position;
    if (pView)
        pView->InvalidateObject(this);
}

int CDrawObj::HitTest(CPoint point, IDrawView*, bool bSelected) const {
    if (bSelected) {
        const int n = HandleCount();
        for (int i = 1; i <= n; ++i) {
            // The view maps canvas to device one to one, so the square needs no conversion.
            const CPoint h = HandlePoint(i);
            const CRect hit{h.x - 3, h.y - 3, h.x + 3, h.y + 3};
            if (hit.PtInRect(point))
                return i;
        }
        return 0;
    }
    return bounds.PtInRect(point) ? 1 : 0;
}

bool CDrawObj::Intersects(const CRect& rect) const {
    CRect common;
    return common.IntersectRect(bounds.Normalized(), rect.Normalized());
}

void CDrawObj::MoveHandleTo(int nHandle, CPoint point, IDrawView* pView) {
    CRect r = bounds;
    switch (nHandle) {
    case 2:
        r.top = point.y;
        break;
    case 3:
        r.right = point.x;
        r.top = point.y;
        break;
    case 4:
        r.right = point.x;
        break;
    case 5:
        r.right = point.x;
        r.bottom = point.y;
        break;
    case 6:
        r.bottom = point.y;
        break;
    case 7:
        r.left = point.x;
        r.bottom = point.y;
        break;
    case 8:
        r.left = point.x;
        break;
    default:
        r.left = point.x;
        r.top = point.y;
        break;
    }
    MoveTo(r, pView);
}

void CDrawObj::Open(IDrawView*) {
    EditProperties();
}

void CDrawObj::EditProperties() {}

std::unique_ptr<CDrawObj> CDrawObj::Clone() const {
    auto pClone = std::make_unique<CDrawObj>(bounds);
    if (menu)
        pClone->menu = std::make_unique<CMarquel>(*menu);
    return pClone;
}

bool CDrawObj::Destroy() {
    if (!owner)
        return false;
    for (const auto& p : owner->m_buttons) {
        if (static_cast<const CDrawObj*>(p.get()) == this) {
            // Dropping the owner's unique_ptr deletes this object: touch nothing afterwards.
            owner->RemoveButton(p.get());
            return true;
        }
    }
    return false;
}
