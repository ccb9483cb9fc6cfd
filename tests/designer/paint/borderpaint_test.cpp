// Border rings of thickness 4 in every style, each ring's colours worked out by hand from
// the base RGB(100, 150, 200).

#include <gtest/gtest.h>

#include <array>

#include "designer/paint/borderpaint.h"
#include "platform/surface/memorysurface.h"

namespace {

constexpr COLORREF kCanvas = RGB(255, 255, 255);
constexpr COLORREF kBase = RGB(100, 150, 200);

constexpr COLORREF Shade(int d) {
    return RGB(100 + d, 150 + d, 200 + d);
}

struct Ring {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// Checks the middle of each edge of the four rings of a 12 x 12 border.
void ExpectRings(int style, const std::array<Ring, 4>& rings) {
    CMemorySurface s(12, 12, kCanvas);
    tb::DrawBorder(s, {0, 0, 12, 12}, kBase, 4, tb::BorderStyle(style));
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(testing::Message() << "style " << style << " ring " << k);
        EXPECT_EQ(s.GetPixel(k, 6), rings[size_t(k)].topLeft);
        EXPECT_EQ(s.GetPixel(6, k), rings[size_t(k)].topLeft);
        EXPECT_EQ(s.GetPixel(11 - k, 6), rings[size_t(k)].bottomRight);
        EXPECT_EQ(s.GetPixel(6, 11 - k), rings[size_t(k)].bottomRight);
    }
    EXPECT_EQ(s.GetPixel(4, 4), kCanvas);
    EXPECT_EQ(s.GetPixel(7, 7), kCanvas);
}

TEST(BorderPaint, RaisedAndSunkenKeepTheBaseOnTheOutermostRing) {
    ExpectRings(1, {{{kBase, kBase},
                     {Shade(10), Shade(-10)},
                     {Shade(20), Shade(-20)},
                     {Shade(30), Shade(-30)}}});
    ExpectRings(2, {{{kBase, kBase},
                     {Shade(-10), Shade(10)},
                     {Shade(-20), Shade(20)},
                     {Shade(-30), Shade(30)}}});
}

TEST(BorderPaint, InsideStylesKeepTheBaseOnTheInnermostRing) {
    ExpectRings(3, {{{Shade(45), Shade(-45)},
                     {Shade(30), Shade(-30)},
                     {Shade(15), Shade(-15)},
                     {kBase, kBase}}});
    ExpectRings(4, {{{Shade(-45), Shade(45)},
                     {Shade(-30), Shade(30)},
                     {Shade(-15), Shade(15)},
                     {kBase, kBase}}});
}

TEST(BorderPaint, BandedStylesKeepTheBaseWhereTheSpecifiedRingsAre) {
    // Style 5: base on both sides of the band boundary (rings 1 and 2).
    ExpectRings(
        5, {{{Shade(15), Shade(-15)}, {kBase, kBase}, {kBase, kBase}, {Shade(-15), Shade(15)}}});
    // Style 6: base on the innermost ring of each band (rings 1 and 3).
    ExpectRings(
        6, {{{Shade(15), Shade(-15)}, {kBase, kBase}, {Shade(15), Shade(-15)}, {kBase, kBase}}});
}

TEST(BorderPaint, ShadesClampEachChannel) {
    CMemorySurface s(10, 10, kCanvas);
    tb::DrawBorder(s, {0, 0, 10, 10}, RGB(250, 5, 128), 4, tb::BorderStyle::Raised);
    EXPECT_EQ(s.GetPixel(3, 4), RGB(255, 35, 158));
    EXPECT_EQ(s.GetPixel(6, 4), RGB(220, 0, 98));
}

TEST(BorderPaint, CornersBelongToTheTopLeftOnlyAtTheTopLeft) {
    CMemorySurface s(6, 5, kCanvas);
    tb::DrawBorder(s, {0, 0, 6, 5}, kBase, 2, tb::BorderStyle::Raised);
    EXPECT_EQ(s.GetPixel(1, 1), Shade(10));  // ring 1, top-left corner
    EXPECT_EQ(s.GetPixel(4, 1), Shade(-10)); // top-right
    EXPECT_EQ(s.GetPixel(1, 3), Shade(-10)); // bottom-left
    EXPECT_EQ(s.GetPixel(4, 3), Shade(-10)); // bottom-right
}

TEST(BorderPaint, ThicknessZeroAndUnknownStylesDrawNothing) {
    CMemorySurface s(6, 6, kCanvas);
    for (int style = 0; style <= 7; ++style)
        tb::DrawBorder(s, {0, 0, 6, 6}, kBase, 0, tb::BorderStyle(style));
    tb::DrawBorder(s, {0, 0, 6, 6}, kBase, 3, tb::BorderStyle::None);
    tb::DrawBorder(s, {0, 0, 6, 6}, kBase, 3, tb::BorderStyle(7));
    tb::DrawBorder(s, {0, 0, 6, 6}, kBase, -3, tb::BorderStyle::Raised);
    for (const COLORREF c : s.Pixels())
        ASSERT_EQ(c, kCanvas);
}

TEST(BorderPaint, ThicknessOneInStyleFiveIsOneBaseRing) {
    CMemorySurface s(6, 6, kCanvas);
    tb::DrawBorder(s, {0, 0, 6, 6}, kBase, 1, tb::BorderStyle::Ridge);
    EXPECT_EQ(s.GetPixel(0, 3), kBase);
    EXPECT_EQ(s.GetPixel(5, 3), kBase);
    EXPECT_EQ(s.GetPixel(3, 0), kBase);
    EXPECT_EQ(s.GetPixel(3, 5), kBase);
    EXPECT_EQ(s.GetPixel(1, 1), kCanvas);
}

TEST(BorderPaint, CrossingAndAbsurdThicknessesFinish) {
    CMemorySurface s(10, 10, kCanvas);
    tb::DrawBorder(s, {2, 2, 8, 6}, kBase, 9,
                   tb::BorderStyle::RaisedInside); // rings cross each other
    tb::DrawBorder(s, {0, 0, 10, 10}, kBase, 2000000000, tb::BorderStyle::Raised);
    EXPECT_EQ(s.GetPixel(0, 0), kBase);
}

} // namespace
