// The pickers' own painters and the drawing of one picker entry.

#include <gtest/gtest.h>

#include "designer/paint/stylesamples.h"
#include "platform/surface/memorysurface.h"

namespace {

constexpr COLORREF kCanvas = RGB(7, 7, 7);

TEST(StyleSamples, GradientOfHeightOneDrawsStepsZeroAndOne) {
    CMemorySurface s(5, 4, kCanvas);
    PaintGradient(s, {0, 1, 5, 2}, RGB(10, 20, 30), RGB(110, 0, 230), true, false);
    EXPECT_EQ(s.GetPixel(0, 0), kCanvas);
    EXPECT_EQ(s.GetPixel(0, 1), RGB(10, 20, 30));
    EXPECT_EQ(s.GetPixel(4, 1), RGB(10, 20, 30));
    EXPECT_EQ(s.GetPixel(2, 2), RGB(110, 0, 230));
    EXPECT_EQ(s.GetPixel(2, 3), kCanvas);
}

TEST(StyleSamples, MirroredStripOfOnePixelUsesTheFirstColour) {
    // Half of one is no step at all: no division by zero, just the first colour at both ends.
    CMemorySurface s(3, 4, kCanvas);
    PaintGradient(s, {0, 1, 3, 2}, RGB(10, 20, 30), RGB(110, 0, 230), true, true);
    EXPECT_EQ(s.GetPixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(s.GetPixel(1, 2), RGB(10, 20, 30));
    EXPECT_EQ(s.GetPixel(1, 0), kCanvas);
}

TEST(StyleSamples, GradientStepsTruncateAndStayBetweenTheEnds) {
    CMemorySurface s(2, 5, kCanvas);
    PaintGradient(s, {0, 0, 2, 3}, RGB(200, 0, 0), RGB(100, 0, 0), true, false);
    EXPECT_EQ(s.GetPixel(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(s.GetPixel(0, 1), RGB(166, 0, 0));
    EXPECT_EQ(s.GetPixel(0, 2), RGB(133, 0, 0));
    EXPECT_EQ(s.GetPixel(0, 3), RGB(100, 0, 0)); // step n, one below the rectangle
    EXPECT_EQ(s.GetPixel(0, 4), kCanvas);

    // Horizontal and mirrored: columns 0 and 4 first colour, step 2 at columns 2 and 2.
    CMemorySurface h(6, 1, kCanvas);
    PaintGradient(h, {0, 0, 4, 1}, RGB(0, 0, 0), RGB(0, 100, 0), false, true);
    EXPECT_EQ(h.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(h.GetPixel(4, 0), RGB(0, 0, 0));
    EXPECT_EQ(h.GetPixel(1, 0), RGB(0, 50, 0));
    EXPECT_EQ(h.GetPixel(3, 0), RGB(0, 50, 0));
    EXPECT_EQ(h.GetPixel(2, 0), RGB(0, 100, 0));
    EXPECT_EQ(h.GetPixel(5, 0), kCanvas);
}

TEST(StyleSamples, BorderShadesMoveTheGreenLevelAndKeepTheOffsets) {
    // Green 100, red 60 below it, blue 60 above it.
    CMemorySurface s(10, 10, kCanvas);
    PaintBorder(s, {0, 0, 10, 10}, RGB(40, 100, 160), 2, tb::BorderStyle::Raised);
    EXPECT_EQ(s.GetPixel(0, 5), RGB(40, 100, 160));
    EXPECT_EQ(s.GetPixel(1, 5), RGB(50, 110, 170));
    EXPECT_EQ(s.GetPixel(8, 5), RGB(30, 90, 150));
    EXPECT_EQ(s.GetPixel(2, 5), kCanvas);

    // Style 3 counts from the inside in steps of 15; channels clamp.
    PaintBorder(s, {0, 0, 10, 10}, RGB(250, 100, 0), 2, tb::BorderStyle::RaisedInside);
    EXPECT_EQ(s.GetPixel(0, 5), RGB(255, 115, 15));
    EXPECT_EQ(s.GetPixel(9, 5), RGB(235, 85, 0));
    EXPECT_EQ(s.GetPixel(1, 5), RGB(250, 100, 0));
}

TEST(StyleSamples, RidgeAndGrooveAreMirrorImages) {
    CMemorySurface ridge(12, 12, kCanvas), groove(12, 12, kCanvas);
    PaintBorder(ridge, {0, 0, 12, 12}, RGB(100, 100, 100), 4, tb::BorderStyle::Ridge);
    PaintBorder(groove, {0, 0, 12, 12}, RGB(100, 100, 100), 4, tb::BorderStyle::DoubleRaised);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(ridge.GetPixel(k, 6), groove.GetPixel(11 - k, 6)) << k;
        EXPECT_EQ(ridge.GetPixel(11 - k, 6), groove.GetPixel(k, 6)) << k;
    }
    EXPECT_EQ(ridge.GetPixel(0, 6), RGB(115, 115, 115));
    EXPECT_EQ(ridge.GetPixel(3, 6), RGB(85, 85, 85));
}

class RecordingPainter : public tb::IStyleSamplePainter {
public:
    void PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                     COLORREF textColor) const override {
        m_rect = rect;
        m_nStyle = nStyle;
        m_crText = textColor;
        surface.SetPixel(rect.left, rect.top, RGB(1, 1, 1));
    }
    mutable CRect m_rect;
    mutable int m_nStyle = -1;
    mutable COLORREF m_crText = 0;
};

TEST(StyleSamples, EntryFillsHighlightsFocusesAndInsetsTheSample) {
    tb::PickerColors colors{RGB(255, 255, 255), RGB(0, 0, 128), RGB(0, 0, 0)};
    CMemorySurface s(40, 30, kCanvas);
    RecordingPainter painter;

    tb::DrawPickerEntry(s, {0, 10, 40, 26}, 3, false, false, colors, painter);
    EXPECT_EQ(painter.m_rect, (CRect{2, 12, 38, 24}));
    EXPECT_EQ(painter.m_nStyle, 3);
    EXPECT_EQ(painter.m_crText, RGB(0, 0, 0));
    EXPECT_EQ(s.GetPixel(0, 10), RGB(255, 255, 255));
    EXPECT_EQ(s.GetPixel(2, 12), RGB(1, 1, 1));
    EXPECT_EQ(s.GetPixel(0, 9), kCanvas);
    EXPECT_EQ(s.GetPixel(0, 26), kCanvas);

    tb::DrawPickerEntry(s, {0, 10, 40, 26}, 3, true, true, colors, painter);
    EXPECT_EQ(painter.m_crText, RGB(255, 255, 255));
    EXPECT_EQ(s.GetPixel(1, 11), RGB(0, 0, 128));
    // The dotted focus frame inverts every other pixel of the entry's edge.
    EXPECT_NE(s.GetPixel(0, 10), s.GetPixel(1, 10));
}

} // namespace
