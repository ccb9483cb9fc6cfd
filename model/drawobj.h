#pragma once
// One button on the design canvas: where it lies, the model it owns, the eight sizing handles
// the editing tools use, hit testing and the archive form. Canvas pixels are applet pixels.
// Painting lives with the painters (designer/paint), which read these objects.

#include "model/object.h"
#include "platform/core/rect.h"

#include <memory>

class CAppletParameters;
class CArchive;
class CMarquel;
class IDrawView;

// The sizing cursor of a handle; the view maps it to a real cursor.
enum DrawCursor { CursorSizeNWSE, CursorSizeNS, CursorSizeNESW, CursorSizeWE };

class CDrawObj : public CObject {
public:
    static const CRuntimeClass classCDrawObj;
    static const CRuntimeClass* GetThisClass() { return &classCDrawObj; }
    static std::unique_ptr<CObject> CreateObject();

    // An empty rectangle with a fresh menu named "Brisko" without items (what loading fills).
    CDrawObj();
    explicit CDrawObj(const CRect& position);
    CDrawObj(const CDrawObj&) = delete;
    CDrawObj& operator=(const CDrawObj&) = delete;
    ~CDrawObj() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCDrawObj; }
    // The menu inline, then bounds as four 32-bit values.
    void Serialize(CArchive& ar) override;

    virtual int HandleCount() const;
    // Handle points follow the stored corners, also when the rectangle is inverted; a number
    // outside 1..8 gives handle 1.
    virtual CPoint HandlePoint(int nHandle) const;
    virtual DrawCursor HandleCursor(int nHandle) const;
    // Invalidates the old and new areas through the view (when there is one), unless unchanged.
    virtual void MoveTo(const CRect& position, IDrawView* pView);
    // Selected: the first handle whose 6 x 6 hit square holds the point, else 0. Otherwise 1 when
    // the stored bounds hold the point (right and bottom edges excluded), else 0.
    virtual int HitTest(CPoint point, IDrawView* pView, bool bSelected) const;
    // Whether the normalized bounds and the normalized rectangle overlap.
    virtual bool Intersects(const CRect& rect) const;
    // Moves the edges the handle controls to the point; no minimum size, so it may invert.
    virtual void MoveHandleTo(int nHandle, CPoint point, IDrawView* pView);
    virtual void Open(IDrawView* pView);
    virtual void EditProperties();
    // A copy with a deep copy of the model; the caller owns it.
    virtual std::unique_ptr<CDrawObj> Clone() const;
    // Deletes the object: takes it out of its owner's buttons and selection. An object that is
    // not in its owner's list belongs to whoever holds it and is left alone (returns false).
    virtual bool Destroy();

    CRect bounds;
    CAppletParameters* owner = nullptr; // not owned
    std::unique_ptr<CMarquel> menu;
};
