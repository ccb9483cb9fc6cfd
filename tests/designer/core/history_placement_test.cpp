// Undo snapshots as the tools take them, and where the designer's windows open.

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "designer/core/undosnapshot.h"
#include "designer/core/windowplacement.h"
#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"

using namespace tb;

TEST(UndoSnapshot, KeepsTheCurrentStateAndFourEarlierOnesAndForgetsTheRedoList) {
    CAppletParameters params;
    ResetUndoHistory(params);
    ASSERT_EQ(params.m_history.undoList.size(), 1u);
    for (int i = 0; i < 6; ++i) {
        params.AddButton(std::make_unique<CDrawRect>(CRect{i, 0, i + 10, 10}));
        params.m_history.redoList.push_front("undone");
        TakeSnapshot(params);
    }
    EXPECT_EQ(params.m_history.undoList.size(), 5u);
    EXPECT_TRUE(params.m_history.redoList.empty());

    // The head is the design as it is now.
    CAppletParameters restored;
    ASSERT_TRUE(LoadArchive(params.m_history.undoList.front(),
                            [&](CArchive& ar) { restored.Serialize(ar); }));
    EXPECT_EQ(restored.m_buttons.size(), 6u);
}

TEST(UndoSnapshot, LockedHistoryTakesNothingUntilTheLastLockEnds) {
    CAppletParameters params;
    {
        CSnapshotLock outer(params);
        {
            CSnapshotLock inner(params);
            TakeSnapshot(params);
        }
        ResetUndoHistory(params);
    }
    EXPECT_TRUE(params.m_history.undoList.empty());
    EXPECT_EQ(params.m_history.lockCount, 0);
    TakeSnapshot(params);
    EXPECT_EQ(params.m_history.undoList.size(), 1u);
}

TEST(WindowPlacement, StoredPositionsAreRelativeToTheWorkAreaAndStayReachable) {
    // A 1920 x 1080 screen with a 30-pixel panel at the top.
    const CScreenGeometry geometry{{0, 0, 1920, 1080}, {0, 30, 1920, 1080}};
    EXPECT_EQ(PlaceOnScreen({95, 221}, geometry), (CPoint{95, 251}));
    EXPECT_EQ(PlaceOnScreen({5000, 4000}, geometry), (CPoint{1888, 1048}));
    EXPECT_EQ(PlaceOnScreen({-200, -40}, geometry), (CPoint{0, 0}));
    EXPECT_EQ(PlaceOnScreen({INT_MAX, INT_MIN}, geometry), (CPoint{1888, 0}));
    // Stored and placed again, a window comes back where it was.
    EXPECT_EQ(PlaceOnScreen(StoredPosition({640, 480}, geometry), geometry), (CPoint{640, 480}));

    // A second screen to the right keeps windows on that screen.
    const CScreenGeometry right{{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}};
    EXPECT_EQ(PlaceOnScreen({-50, 10}, right), (CPoint{1920, 10}));
    EXPECT_EQ(PlaceOnScreen({2000, 10}, right), (CPoint{3168, 10}));
}

TEST(WindowPlacement, EachWindowHasItsPairInTheModel) {
    CAppletParameters params;
    EXPECT_EQ(StoredWindowPos(params, DesignerWindow::DesignWindow), (CPoint{95, 221}));
    EXPECT_EQ(StoredWindowPos(params, DesignerWindow::Palette), (CPoint{111, 159}));
    EXPECT_EQ(StoredWindowPos(params, DesignerWindow::Dialog), (CPoint{217, 221}));
    SetStoredWindowPos(params, DesignerWindow::Palette, {7, 8});
    EXPECT_EQ(params.m_nWindowPos, (std::array<int, 6>{95, 221, 7, 8, 217, 221}));
}
