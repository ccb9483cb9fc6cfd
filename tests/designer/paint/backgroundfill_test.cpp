// Background fills, with the colours of each line worked out by hand.

#include <gtest/gtest.h>

#include "designer/paint/backgroundfill.h"
#include "platform/surface/memorysurface.h"

namespace {

constexpr COLORREF kCanvas = RGB(1, 2, 3);

TEST(BackgroundFill, TopToBottomTruncatesEachChannelTowardTheStart) {
    CMemorySurface s(6, 3, kCanvas);
    tb::FillBackground(s, {0, 0, 6, 3}, RGB(10, 200, 0), RGB(20, 100, 255),
                       tb::BackStyle::TopToBottom);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(s.GetPixel(x, 0), RGB(10, 200, 0));
        EXPECT_EQ(s.GetPixel(x, 1), RGB(13, 166, 85));  // 13.33, 166.67, 85
        EXPECT_EQ(s.GetPixel(x, 2), RGB(16, 133, 170)); // 16.67, 133.33, 170
    }
}

TEST(BackgroundFill, MirroredVerticalMeetsInTheMiddleWithoutReachingTheSecondColour) {
    CMemorySurface s(3, 7, kCanvas);
    // Height 5 in rows 1..5: three steps, the middle row drawn from both sides.
    tb::FillBackground(s, {0, 1, 3, 6}, RGB(0, 0, 0), RGB(90, 30, 60),
                       tb::BackStyle::MirroredVertical);
    EXPECT_EQ(s.GetPixel(1, 0), kCanvas);
    EXPECT_EQ(s.GetPixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.GetPixel(1, 2), RGB(30, 10, 20));
    EXPECT_EQ(s.GetPixel(1, 3), RGB(60, 20, 40));
    EXPECT_EQ(s.GetPixel(1, 4), RGB(30, 10, 20));
    EXPECT_EQ(s.GetPixel(1, 5), RGB(0, 0, 0));
    EXPECT_EQ(s.GetPixel(1, 6), kCanvas);
}

TEST(BackgroundFill, HorizontalStylesRunAcrossColumns) {
    CMemorySurface s(4, 2, kCanvas);
    tb::FillBackground(s, {0, 0, 4, 2}, RGB(0, 100, 0), RGB(200, 0, 40),
                       tb::BackStyle::LeftToRight);
    EXPECT_EQ(s.GetPixel(0, 1), RGB(0, 100, 0));
    EXPECT_EQ(s.GetPixel(1, 1), RGB(50, 75, 10));
    EXPECT_EQ(s.GetPixel(3, 0), RGB(150, 25, 30));

    tb::FillBackground(s, {0, 0, 4, 2}, RGB(0, 100, 0), RGB(200, 0, 40),
                       tb::BackStyle::MirroredHorizontal);
    EXPECT_EQ(s.GetPixel(0, 0), RGB(0, 100, 0));
    EXPECT_EQ(s.GetPixel(1, 0), RGB(100, 50, 20));
    EXPECT_EQ(s.GetPixel(2, 0), RGB(100, 50, 20));
    EXPECT_EQ(s.GetPixel(3, 1), RGB(0, 100, 0));
}

TEST(BackgroundFill, SolidUsesOnlyTheFirstColourAndOtherStylesDrawNothing) {
    CMemorySurface s(5, 5, kCanvas);
    for (int style : {0, 6, -1, 1000})
        tb::FillBackground(s, {0, 0, 5, 5}, RGB(9, 9, 9), RGB(200, 0, 0), tb::BackStyle(style));
    EXPECT_EQ(s.GetPixel(2, 2), kCanvas);
    tb::FillBackground(s, {4, 4, 1, 1}, RGB(9, 9, 9), RGB(200, 0, 0),
                       tb::BackStyle::Solid); // inverted bounds
    EXPECT_EQ(s.GetPixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(s.GetPixel(3, 3), RGB(9, 9, 9));
    EXPECT_EQ(s.GetPixel(4, 4), kCanvas);
    EXPECT_EQ(s.GetPixel(0, 0), kCanvas);
}

TEST(BackgroundFill, HugeRectanglesOnlyCostTheVisibleArea) {
    CMemorySurface s(4, 4, kCanvas);
    tb::FillBackground(s, {-2000000000, -2000000000, 2000000000, 2000000000}, RGB(0, 0, 0),
                       RGB(255, 255, 255), tb::BackStyle::TopToBottom);
    // The visible rows are half way down four billion steps.
    EXPECT_NE(s.GetPixel(0, 0), kCanvas);
    EXPECT_EQ(GetRValue(s.GetPixel(0, 0)), 127u);
}

} // namespace
