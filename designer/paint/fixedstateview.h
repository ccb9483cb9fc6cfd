#pragma once
// A view that shows every button in one state and has nothing to repaint: for painting a
// design into a picture, outside any window.

#include "model/drawview.h"

class CFixedStateView : public IDrawView {
public:
    explicit CFixedStateView(int nState) : m_nState(nState) {}
    void InvalidateObject(CDrawObj*) override {}
    int CurrentDrawState() const override { return m_nState; }

private:
    int m_nState;
};
