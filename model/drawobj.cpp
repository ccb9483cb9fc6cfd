#include "model/drawobj.h"

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/drawview.h"
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

// Which edges a handle sits on; handles run 1 to 8 clockwise from the top-left corner.
// -1 is the left or top edge, +1 the right or bottom one, 0 the middle between them.
struct HandleSide {
    int x;
    int y;
};

constexpr HandleSide kHandleSides[] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                       {1, 1},   {0, 1},  {-1, 1}, {-1, 0}};

// Any other number stands for the first handle.
HandleSide SideOf(int nHandle) {
    return nHandle >= 2 && nHandle <= 8 ? kHandleSides[nHandle - 1] : kHandleSides[0];
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
    const HandleSide side = SideOf(nHandle);
    const int32_t x = side.x < 0   ? bounds.left
                      : side.x > 0 ? bounds.right
                                   : bounds.left + (bounds.right - bounds.left) / 2;
    const int32_t y = side.y < 0   ? bounds.top
                      : side.y > 0 ? bounds.bottom
                                   : bounds.top + (bounds.bottom - bounds.top) / 2;
    return {x, y};
}

DrawCursor CDrawObj::HandleCursor(int nHandle) const {
    const HandleSide side = SideOf(nHandle);
    if (side.x == 0)
        return CursorSizeNS;
    if (side.y == 0)
        return CursorSizeWE;
    return side.x == side.y ? CursorSizeNWSE : CursorSizeNESW;
}

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
    const HandleSide side = SideOf(nHandle);
    if (side.x < 0)
        r.left = point.x;
    else if (side.x > 0)
        r.right = point.x;
    if (side.y < 0)
        r.top = point.y;
    else if (side.y > 0)
        r.bottom = point.y;
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
