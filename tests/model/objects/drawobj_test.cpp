#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/drawview.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the bounds of every object it is asked to repaint.
class RecordingView : public IDrawView {
public:
    void InvalidateObject(CDrawObj* pObj) override { invalidated.push_back(pObj->bounds); }
    int CurrentDrawState() const override { return 1; }
    std::vector<CRect> invalidated;
};

TEST(DrawObjHandles, FollowTheStoredCornersOfAnInvertedRectangle) {
    CDrawRect r(CRect{100, 50, 20, 10}); // dragged up and to the left
    EXPECT_EQ(r.HandleCount(), 8);
    // cx = 100 + (20 - 100) / 2 = 60, cy = 50 + (10 - 50) / 2 = 30
    const CPoint expected[] = {{100, 50}, {60, 50}, {20, 50},  {20, 30},
                               {20, 10},  {60, 10}, {100, 10}, {100, 30}};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(r.HandlePoint(n), expected[n - 1]) << "handle " << n;
}

TEST(DrawObjHandles, CentreUsesIntegerDivisionOfTheSignedExtent) {
    CDrawRect r(CRect{0, 0, -3, 5});
    // (-3 - 0) / 2 truncates toward zero to -1; 5 / 2 is 2.
    EXPECT_EQ(r.HandlePoint(2), (CPoint{-1, 0}));
    EXPECT_EQ(r.HandlePoint(4), (CPoint{-3, 2}));
}

TEST(DrawObjHandles, CursorsAndNumbersOutsideTheRange) {
    CDrawRect r(CRect{1, 2, 11, 22});
    const DrawCursor cursors[] = {CursorSizeNWSE, CursorSizeNS, CursorSizeNESW, CursorSizeWE,
                                  CursorSizeNWSE, CursorSizeNS, CursorSizeNESW, CursorSizeWE};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(r.HandleCursor(n), cursors[n - 1]) << "handle " << n;
    for (int n : {0, 9, -1, 1000}) {
        EXPECT_EQ(r.HandlePoint(n), (CPoint{1, 2}));
        EXPECT_EQ(r.HandleCursor(n), CursorSizeNWSE);
    }
}

TEST(DrawObjHitTest, UnselectedUsesHalfOpenBounds) {
    CDrawRect r(CRect{10, 10, 20, 20});
    EXPECT_EQ(r.HitTest({10, 10}, nullptr, false), 1);
    EXPECT_EQ(r.HitTest({19, 19}, nullptr, false), 1);
    EXPECT_EQ(r.HitTest({20, 15}, nullptr, false), 0);
    EXPECT_EQ(r.HitTest({15, 20}, nullptr, false), 0);
    EXPECT_EQ(r.HitTest({9, 15}, nullptr, false), 0);
    // As stored: an inverted rectangle holds no point.
    CDrawRect inverted(CRect{20, 20, 10, 10});
    EXPECT_EQ(inverted.HitTest({15, 15}, nullptr, false), 0);
}

TEST(DrawObjHitTest, SelectedFindsTheFirstHandleSquare) {
    CDrawRect r(CRect{10, 10, 30, 30});
    EXPECT_EQ(r.HitTest({7, 7}, nullptr, true), 1);   // (x - 3, y - 3) is inside
    EXPECT_EQ(r.HitTest({12, 12}, nullptr, true), 1); // (x + 2, y + 2) is inside
    EXPECT_EQ(r.HitTest({13, 10}, nullptr, true), 0); // x + 3 is outside
    EXPECT_EQ(r.HitTest({10, 13}, nullptr, true), 0); // y + 3 is outside
    EXPECT_EQ(r.HitTest({20, 10}, nullptr, true), 2);
    EXPECT_EQ(r.HitTest({32, 31}, nullptr, true), 5);
    EXPECT_EQ(r.HitTest({7, 20}, nullptr, true), 8);
    EXPECT_EQ(r.HitTest({20, 20}, nullptr, true), 0); // the middle is no handle
    // Handles of a tiny button overlap: the lowest number wins.
    CDrawRect tiny(CRect{0, 0, 2, 2});
    EXPECT_EQ(tiny.HitTest({1, 1}, nullptr, true), 1);
}

TEST(DrawObjIntersects, NormalizesBothRectangles) {
    CDrawRect r(CRect{20, 20, 10, 10});
    EXPECT_TRUE(r.Intersects(CRect{15, 15, 30, 30}));
    EXPECT_TRUE(r.Intersects(CRect{30, 30, 15, 15}));
    EXPECT_FALSE(r.Intersects(CRect{20, 0, 30, 30})); // touching the right edge only
    EXPECT_FALSE(r.Intersects(CRect{0, 0, 10, 10}));
}

TEST(DrawObjMove, SameBoundsInvalidateNothing) {
    RecordingView view;
    CDrawRect r(CRect{1, 2, 3, 4});
    r.MoveTo(CRect{1, 2, 3, 4}, &view);
    EXPECT_TRUE(view.invalidated.empty());
    r.MoveTo(CRect{5, 6, 7, 8}, &view);
    EXPECT_EQ(view.invalidated, (std::vector<CRect>{{1, 2, 3, 4}, {5, 6, 7, 8}}));
    EXPECT_EQ(r.bounds, (CRect{5, 6, 7, 8}));
    r.MoveTo(CRect{0, 0, 1, 1}, nullptr);
    EXPECT_EQ(r.bounds, (CRect{0, 0, 1, 1}));
}

TEST(DrawObjMove, HandlesMoveTheirEdgesAndMayInvert) {
    const CRect start{10, 10, 50, 30};
    const CPoint p{60, 5};
    const CRect expected[] = {
        {60, 5, 50, 30},  // 1: left, top
        {10, 5, 50, 30},  // 2: top
        {10, 5, 60, 30},  // 3: right, top
        {10, 10, 60, 30}, // 4: right
        {10, 10, 60, 5},  // 5: right, bottom
        {10, 10, 50, 5},  // 6: bottom
        {60, 10, 50, 5},  // 7: left, bottom
        {60, 10, 50, 30}, // 8: left
        {60, 5, 50, 30},  // any other number: as handle 1
    };
    for (int n = 1; n <= 9; ++n) {
        RecordingView view;
        CDrawRect r(start);
        r.MoveHandleTo(n, p, &view);
        EXPECT_EQ(r.bounds, expected[n - 1]) << "handle " << n;
        EXPECT_EQ(view.invalidated.size(), 2u);
    }
}

TEST(DrawObjOpen, OpenChangesNothing) {
    CDrawRect r(CRect{1, 2, 3, 4});
    r.Open(nullptr);
    EXPECT_EQ(r.bounds, (CRect{1, 2, 3, 4}));
}

} // namespace
