#pragma once
// The design object every button is: a rectangle shape. The button-face painter
// (designer/paint/buttonpaint.h) draws it as the applet draws the button.

#include "model/drawobj.h"

class CDrawRect : public CDrawObj {
public:
    static const CRuntimeClass classCDrawRect;
    static const CRuntimeClass* GetThisClass() { return &classCDrawRect; }
    static std::unique_ptr<CObject> CreateObject();

    enum Shape { rectangle = 0 };

    // What loading fills: the base's empty menu, shape 0, corner size 16 x 16.
    CDrawRect();
    // A new button on `position`: a "Button" item, and a hidden "Hint" item in the hint box.
    explicit CDrawRect(const CRect& position);
    ~CDrawRect() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCDrawRect; }
    // The base's form, then shape as 16 bits and cornerSize as two 32-bit values.
    void Serialize(CArchive& ar) override;

    int HandleCount() const override;
    CPoint HandlePoint(int nHandle) const override;
    DrawCursor HandleCursor(int nHandle) const override;
    bool Intersects(const CRect& rect) const override;
    void MoveHandleTo(int nHandle, CPoint point, IDrawView* pView) override;
    std::unique_ptr<CDrawObj> Clone() const override;
    // As Clone(), then appended to the owner's buttons (top of the stacking order); the owner
    // owns the clone and the pointer returned only borrows it.
    CDrawRect* Clone(CAppletParameters& owner) const;

    int shape = rectangle;
    CSize cornerSize{16, 16};
};
