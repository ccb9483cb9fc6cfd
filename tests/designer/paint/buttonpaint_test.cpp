// Painting a button on the canvas: off-screen composition, the state chosen, the handles, and
// the whole canvas in stacking order.

#include <gtest/gtest.h>

#include "designer/paint/buttonpaint.h"
#include "designer/paint/canvaspaint.h"
#include "designer/paint/fixedstateview.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "platform/surface/memorysurface.h"

namespace {

constexpr COLORREF kCanvas = RGB(200, 200, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A borderless button, solid red, green and blue in the three states.
std::unique_ptr<CDrawRect> MakeButton(const CRect& bounds) {
    auto b = std::make_unique<CDrawRect>(bounds);
    b->menu->m_nBorderThick = 0;
    const COLORREF colours[3] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        b->menu->m_states[size_t(i)].m_nBackStyle = 1;
        b->menu->m_states[size_t(i)].m_crBack = colours[i];
    }
    return b;
}

class ButtonPaint : public ::testing::Test {
protected:
    void Draw(CSurface& s, const CDrawRect& button, IDrawView* pView) {
        tb::DrawButton(s, button, pView, m_last);
    }
    tb::CLastPaintedState m_last;
};

TEST_F(ButtonPaint, PaintsOnlyInsideItsBoundsAndInvertedBoundsAlike) {
    CMemorySurface a(30, 20, kCanvas), b(30, 20, kCanvas);
    CFixedStateView view(1);
    Draw(a, *MakeButton({4, 3, 24, 13}), &view);
    Draw(b, *MakeButton({24, 13, 4, 3}), &view);
    EXPECT_EQ(a.Pixels(), b.Pixels());
    EXPECT_EQ(a.GetPixel(4, 3), kRed);
    EXPECT_EQ(a.GetPixel(23, 12), kRed);
    EXPECT_EQ(a.GetPixel(24, 12), kCanvas);
    EXPECT_EQ(a.GetPixel(23, 13), kCanvas);
    EXPECT_EQ(a.GetPixel(3, 3), kCanvas);
}

TEST_F(ButtonPaint, TransparentBackgroundKeepsTheCanvasBehindTheButton) {
    CMemorySurface s(20, 20, kCanvas);
    s.SetPixel(10, 10, RGB(1, 2, 3));
    auto button = MakeButton({5, 5, 15, 15});
    button->menu->m_states[0].m_nBackStyle = 0;
    button->menu->m_nBorderThick = 1;
    button->menu->m_states[0].m_nBorderStyle = 1;
    button->menu->m_states[0].m_crBorder = RGB(9, 9, 9);
    Draw(s, *button, nullptr);
    EXPECT_EQ(s.GetPixel(10, 10), RGB(1, 2, 3));
    EXPECT_EQ(s.GetPixel(7, 7), kCanvas);
    EXPECT_EQ(s.GetPixel(5, 10), RGB(9, 9, 9));
}

TEST_F(ButtonPaint, StateComesFromTheViewOrStaysAsLastPainted) {
    CMemorySurface s(10, 10, kCanvas);
    auto button = MakeButton({0, 0, 10, 10});
    CFixedStateView over(2), labelPage(0), hintPage(4);
    Draw(s, *button, &over);
    EXPECT_EQ(s.GetPixel(5, 5), kGreen);
    EXPECT_EQ(m_last.Get(), 2);
    Draw(s, *button, &labelPage);
    EXPECT_EQ(s.GetPixel(5, 5), kGreen);
    CFixedStateView clicked(3);
    Draw(s, *button, &clicked);
    EXPECT_EQ(s.GetPixel(5, 5), kBlue);
    Draw(s, *button, &hintPage);
    EXPECT_EQ(s.GetPixel(5, 5), kBlue);
    m_last = tb::CLastPaintedState(); // the designer opens again
    Draw(s, *button, nullptr);
    EXPECT_EQ(s.GetPixel(5, 5), kRed);
}

TEST_F(ButtonPaint, OtherShapesAndHugeButtonsAreHarmless) {
    CMemorySurface s(10, 10, kCanvas);
    auto button = MakeButton({0, 0, 10, 10});
    button->shape = 1;
    Draw(s, *button, nullptr);
    EXPECT_EQ(s.GetPixel(5, 5), kCanvas);

    auto huge = MakeButton({-2000000000, -2000000000, 2000000000, 2000000000});
    huge->menu->m_nBorderThick = 2000000000;
    huge->menu->m_states[0].m_nBorderStyle = 6;
    huge->menu->m_states[0].m_nBackStyle = 5;
    Draw(s, *huge, nullptr);
    EXPECT_NE(s.GetPixel(5, 5), kCanvas);
}

TEST_F(ButtonPaint, HandlesAreInvertedSquaresForSelectedAndActiveOnly) {
    CMemorySurface s(40, 40, RGB(0, 0, 0));
    auto button = MakeButton({10, 10, 30, 30});
    tb::DrawHandles(s, *button, 0);
    tb::DrawHandles(s, *button, 3);
    EXPECT_EQ(s.GetPixel(10, 10), RGB(0, 0, 0));

    tb::DrawHandles(s, *button, 1);
    int inverted = 0;
    for (COLORREF c : s.Pixels())
        inverted += c == RGB(255, 255, 255);
    EXPECT_EQ(inverted, 8 * 49);
    EXPECT_EQ(s.GetPixel(7, 7), RGB(255, 255, 255));
    EXPECT_EQ(s.GetPixel(13, 13), RGB(255, 255, 255));
    EXPECT_EQ(s.GetPixel(6, 7), RGB(0, 0, 0));
    EXPECT_EQ(s.GetPixel(14, 13), RGB(0, 0, 0));
    EXPECT_EQ(s.GetPixel(20, 10), RGB(255, 255, 255)); // top middle
    EXPECT_EQ(s.GetPixel(30, 20), RGB(255, 255, 255)); // right middle
    tb::DrawHandles(s, *button, 2);
    EXPECT_EQ(s.GetPixel(7, 7), RGB(0, 0, 0));
}

TEST_F(ButtonPaint, CanvasPaintsAppletThenButtonsInStackingOrderWithHandles) {
    CAppletParameters params;
    params.m_nBackStyle = 1;
    params.m_crBack = kCanvas;
    params.m_nBorderThick = 1;
    params.m_nBorderStyle = 1;
    params.m_crBorder = RGB(50, 50, 50);
    CDrawRect* lower = params.AddButton(MakeButton({2, 2, 12, 12}));
    params.AddButton(MakeButton({7, 7, 17, 17}));
    params.m_buttons.back()->menu->m_states[0].m_crBack = kGreen;
    params.m_selection.push_back(lower);

    CMemorySurface s(20, 20, RGB(0, 0, 0));
    CFixedStateView view(1);
    tb::PaintAppletCanvas(s, {0, 0, 20, 20}, params, &view, m_last, false);
    EXPECT_EQ(s.GetPixel(0, 10), RGB(50, 50, 50));
    EXPECT_EQ(s.GetPixel(19, 1), RGB(50, 50, 50));
    EXPECT_EQ(s.GetPixel(18, 1), kCanvas);
    EXPECT_EQ(s.GetPixel(3, 3), kRed);
    EXPECT_EQ(s.GetPixel(9, 9), kGreen);

    tb::PaintAppletCanvas(s, {0, 0, 20, 20}, params, &view, m_last, true);
    EXPECT_EQ(s.GetPixel(3, 3), RGB(0, 255, 255)); // handle 1 of the lower button
    EXPECT_EQ(s.GetPixel(12, 12), kGreen);         // its handle 5 lies under the upper one
    EXPECT_EQ(s.GetPixel(9, 9), kGreen);
}

} // namespace
