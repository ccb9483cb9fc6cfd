#pragma once
// What a design object needs of the view that shows it. The design view implements it; tests
// use a recording one; pictures rendered outside the designer use CFixedStateView.

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

// A view that shows every button in one state and has nothing to repaint: for painting a
// design into a picture, outside any window.
class CFixedStateView : public IDrawView {
public:
    explicit CFixedStateView(int nState) : m_nState(nState) {}
    void InvalidateObject(CDrawObj*) override {}
    int CurrentDrawState() const override { return m_nState; }

private:
    int m_nState;
};
