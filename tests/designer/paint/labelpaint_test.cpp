// The label: its font, its place (on the fixed-cell metrics of the memory surface, so the
// numbers can be worked out by hand) and its pixels (on the Qt surface).

#include <gtest/gtest.h>

#include "designer/paint/buttonpaint.h"
#include "designer/paint/labelpaint.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "platform/surface/memorysurface.h"
#include "platform/surface/qt/qtsurface.h"
#include "tests/platform/surface/guiapp.h"

namespace {

// A button painted as the canvas paints it when the view reports no state: in state 1.
void PaintButton(CSurface& s, const CDrawRect& button) {
    tb::CLastPaintedState last;
    tb::DrawButton(s, button, nullptr, last);
}

TEST(LabelPaint, FontFollowsSizeStyleAndFaceIndex) {
    CMarquelState state;
    state.m_nFontSize = 14; // 11 points: 14.67 pixels at 96 dpi
    state.m_nFontStyle = 1;
    state.m_nFontName = 1;
    LOGFONT lf = tb::LabelFont(state);
    EXPECT_EQ(lf.lfHeight, -15);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_EQ(lf.lfFaceName, "Arial");

    state.m_nFontStyle = 2;
    state.m_nFontName = 0;
    lf = tb::LabelFont(state);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(lf.lfFaceName, "Times New Roman");

    state.m_nFontName = 7;
    state.m_nFontSize = 2000000000;
    lf = tb::LabelFont(state);
    EXPECT_EQ(lf.lfFaceName, "Courier");
    EXPECT_LT(lf.lfHeight, 0);
}

TEST(LabelPaint, PlacementByAlignmentBorderAndOffset) {
    // Fixed cell at height -15: 7 pixels per character, 19 per line; "AB" is 14 x 19.
    CMemorySurface s(1, 1);
    CMarquelState state;
    s.SelectFont(tb::LabelFont(state));
    const CRect button{100, 50, 200, 90};

    tb::LabelLayout left = tb::PlaceLabel(s, button, "AB", state, 4);
    EXPECT_EQ(left.textRect, (CRect{107, 60, 121, 79}));
    EXPECT_EQ(left.format, DT_LEFT);

    state.m_nTextAlign = 1;
    tb::LabelLayout centre = tb::PlaceLabel(s, CRect{200, 90, 100, 50}, "AB", state, 4);
    EXPECT_EQ(centre.textRect, (CRect{143, 60, 157, 79}));
    EXPECT_EQ(centre.format, DT_CENTER);

    state.m_nTextAlign = 2;
    state.m_nTextOffset = 5;
    tb::LabelLayout right = tb::PlaceLabel(s, button, "AB", state, 4);
    EXPECT_EQ(right.textRect.left, 100 + 100 - 14 - 4 - 3 + 5);

    // Taller than the button: (10 - 19) / 2 truncates toward zero to -4.
    tb::LabelLayout tall = tb::PlaceLabel(s, {0, 0, 50, 10}, "AB", state, 0);
    EXPECT_EQ(tall.textRect.top, -4);

    state.m_nTextAlign = 0;
    state.m_nTextOffset = 0;
    tb::LabelLayout twoLines = tb::PlaceLabel(s, {0, 0, 100, 60}, "A\r\nBCD", state, 0);
    EXPECT_EQ(twoLines.textRect, (CRect{3, 11, 24, 49}));
}

// Ink (pixels in the text colour) inside rows [top, bottom).
CRect InkRows(const CSurface& s, COLORREF text, int top, int bottom) {
    CRect box{1 << 20, 1 << 20, -1, -1};
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < s.GetWidth(); ++x)
            if (s.GetPixel(x, y) == text) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

std::unique_ptr<CDrawRect> LabelButton(const CRect& bounds, const std::string& label) {
    auto b = std::make_unique<CDrawRect>(bounds);
    b->menu->m_items.front()->m_strLabel = label;
    CMarquelState& normal = b->menu->m_states[0];
    normal.m_nBackStyle = 1;
    normal.m_crBack = RGB(255, 255, 255);
    normal.m_nBorderStyle = 0; // the thickness still moves the label
    normal.m_crFont = RGB(0, 0, 128);
    normal.m_nFontName = 1;
    return b;
}

TEST(LabelPaint, LeftAlignedLabelStartsThreePixelsInsideTheBorder) {
    tb::test::EnsureGuiApp();
    CQtSurface s(200, 60, RGB(0, 0, 0));
    auto b = LabelButton({20, 10, 180, 50}, "Home");
    b->menu->m_nBorderThick = 4;
    PaintButton(s, *b);
    CRect ink = InkRows(s, RGB(0, 0, 128), 0, 60);
    ASSERT_GE(ink.right, 0) << "no label drawn";
    EXPECT_GE(ink.left, 20 + 4 + 3);
    EXPECT_LE(ink.left, 20 + 4 + 3 + 2); // the glyph's own side bearing
    // Vertically centred within a pixel or two of the line box.
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 30.0, 4.0);
    EXPECT_EQ(s.GetPixel(19, 30), RGB(0, 0, 0));
}

TEST(LabelPaint, TwoLineLabelIsCentredLineByLine) {
    tb::test::EnsureGuiApp();
    CQtSurface s(200, 80, RGB(0, 0, 0));
    auto b = LabelButton({0, 0, 200, 80}, "Go\r\nSomewhere else");
    b->menu->m_nBorderThick = 2;
    b->menu->m_states[0].m_nTextAlign = 1;
    PaintButton(s, *b);

    s.SelectFont(tb::LabelFont(b->menu->m_states[0]));
    tb::LabelLayout layout =
        tb::PlaceLabel(s, b->bounds, "Go\r\nSomewhere else", b->menu->m_states[0], 2);
    const int lineHeight = layout.textRect.Height() / 2;
    ASSERT_GT(lineHeight, 0);
    CRect first = InkRows(s, RGB(0, 0, 128), layout.textRect.top, layout.textRect.top + lineHeight);
    CRect second =
        InkRows(s, RGB(0, 0, 128), layout.textRect.top + lineHeight, layout.textRect.bottom);
    ASSERT_GE(first.right, 0);
    ASSERT_GE(second.right, 0);
    EXPECT_NEAR((first.left + first.right) / 2.0, 100.0, 2.5);
    EXPECT_NEAR((second.left + second.right) / 2.0, 100.0, 2.5);
    EXPECT_LT(second.left, first.left - 20); // the longer line really is wider
}

} // namespace
