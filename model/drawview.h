#pragma once
// What a design object needs of the view that shows it. The design view implements it; tests
// use a recording one; pictures painted outside the designer use a view with a fixed state.

class CDrawObj;

class IDrawView {
public:
    virtual ~IDrawView() = default;
    // Repaints the object's area (its bounds as they are now, with room for the handles).
    virtual void InvalidateObject(CDrawObj* pObj) = 0;
    // The state to paint: 1 normal, 2 mouse over, 3 clicked; any other value means "as the
    // previous button painted".
    virtual int CurrentDrawState() const = 0;
};
