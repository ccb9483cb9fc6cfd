// The editing tools driven as plain logic: the button tool's click and drag rules, selecting,
// moving and sizing with the select tool, the rubber band, the right button and Tab.

#include "tests/designer/core/viewfixture.h"

#include "designer/core/undosnapshot.h"

using namespace tb;
using namespace tb::test;

namespace {

using Sheet = CRecordingSheets::Sheet;

class ButtonTool : public ViewFixture {
protected:
    ButtonTool() { view.SetCurrentTool(kButtonTool); }
};

class SelectTool : public ViewFixture {
protected:
    // Three buttons from bottom to top; the middle one overlaps the first.
    SelectTool()
        : bottom(AddButton({10, 10, 90, 40})), middle(AddButton({60, 30, 140, 60})),
          top(AddButton({10, 100, 90, 130})) {
        ResetUndoHistory(params);
    }
    CDrawRect* bottom;
    CDrawRect* middle;
    CDrawRect* top;
};

} // namespace

TEST_F(ButtonTool, ClickGivesAnEightyByThirtyButtonAtThePointWithOneSnapshot) {
    Click(20, 30);
    ASSERT_EQ(params.m_buttons.size(), 1u);
    CDrawRect* pNew = params.m_buttons.front().get();
    EXPECT_EQ(pNew->bounds, (CRect{20, 30, 100, 60}));
    EXPECT_EQ(pNew->owner, &params);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{pNew});
    EXPECT_EQ(Snapshots(), 1u);
    EXPECT_EQ(sheets.shown, Sheet::Menu);
    EXPECT_FALSE(window.bCaptured);
    EXPECT_EQ(window.nWholeInvalidations, 1);
}

TEST_F(ButtonTool, DragAlongOneAxisAddsTheClickSizeToTheDraggedExtentOnce) {
    // The press point is the bottom-right corner; dragging left moves the left edge.
    Drag({100, 50}, {40, 50});
    ASSERT_EQ(params.m_buttons.size(), 1u);
    EXPECT_EQ(params.m_buttons.front()->bounds, (CRect{40, 50, 180, 80}));
    EXPECT_EQ(Snapshots(), 1u);

    Drag({10, 10}, {10, 60});
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{10, 10, 90, 90}));
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(ButtonTool, DragBothWaysKeepsTheRectangleAsDraggedEvenInverted) {
    Drag({50, 40}, {10, 10});
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{10, 10, 50, 40}));
    // Dragging past the press point inverts the rectangle; nothing normalizes it here.
    Drag({50, 40}, {120, 90});
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{120, 90, 50, 40}));
    EXPECT_EQ(Snapshots(), 2u);
    EXPECT_EQ(sheets.shown, Sheet::Menu);
    EXPECT_EQ(window.cursor, ViewCursor::Cross);
    EXPECT_EQ(view.ToolState().currentTool, kButtonTool);
}

TEST_F(ButtonTool, CancelReturnsToTheSelectTool) {
    Press(10, 10);
    MoveTo(50, 60);
    view.OnCancel();
    EXPECT_EQ(view.ToolState().currentTool, kSelectTool);
    EXPECT_FALSE(window.bCaptured);
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{50, 60, 10, 10}));
}

TEST_F(SelectTool, ClickSelectsTheTopmostButtonAloneAndShiftClickAdds) {
    Click(70, 35); // where the middle button overlaps the bottom one
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{middle});
    EXPECT_EQ(sheets.shown, Sheet::Menu);
    Click(20, 110, MK_SHIFT);
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{middle, top}));
    // With two selected the menu sheet is not asked for.
    EXPECT_EQ(sheets.nMenuShows, 1);
    Click(20, 15);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{bottom});
    // A press and a release each have the menu sheet's page reload.
    EXPECT_EQ(sheets.nRefreshes, 6);
}

TEST_F(SelectTool, MovingDragsEverySelectedButtonAndAClickInPlaceTakesNoSnapshot) {
    Click(20, 15);
    Click(20, 110, MK_SHIFT);
    EXPECT_EQ(Snapshots(), 1u);
    Drag({20, 110}, {25, 90});
    EXPECT_EQ(bottom->bounds, (CRect{15, -10, 95, 20}));
    EXPECT_EQ(top->bounds, (CRect{15, 80, 95, 110}));
    EXPECT_EQ(middle->bounds, (CRect{60, 30, 140, 60}));
    EXPECT_EQ(Snapshots(), 2u);
    // Moving away and back to the press point is no change worth an undo step.
    Press(25, 90);
    MoveTo(60, 60);
    MoveTo(25, 90);
    Release(25, 90);
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(SelectTool, HandlesOfTheOnlySelectedButtonShowTheirCursorsAndResize) {
    Click(20, 110);
    struct {
        CPoint at;
        ViewCursor cursor;
    } const cases[] = {{{10, 100}, ViewCursor::SizeNWSE}, {{50, 100}, ViewCursor::SizeNS},
                       {{90, 100}, ViewCursor::SizeNESW}, {{90, 115}, ViewCursor::SizeWE},
                       {{92, 132}, ViewCursor::SizeNWSE}, {{47, 127}, ViewCursor::SizeNS},
                       {{7, 130}, ViewCursor::SizeNESW},  {{12, 117}, ViewCursor::SizeWE},
                       {{50, 115}, ViewCursor::Arrow},    {{94, 100}, ViewCursor::Arrow}};
    for (const auto& c : cases) {
        view.OnMouseMove(0, c.at);
        EXPECT_EQ(window.cursor, c.cursor) << c.at.x << "," << c.at.y;
    }
    // With two selected there are no handles to grab.
    Click(20, 15, MK_SHIFT);
    view.OnMouseMove(0, {10, 100});
    EXPECT_EQ(window.cursor, ViewCursor::Arrow);
}

TEST_F(SelectTool, ResizingAcrossTheOppositeEdgeLeavesTheBoundsInverted) {
    Click(20, 110);
    const size_t before = Snapshots();
    Drag({90, 130}, {0, 90}); // bottom-right handle past the top-left corner
    EXPECT_EQ(top->bounds, (CRect{10, 100, 0, 90}));
    EXPECT_EQ(window.cursor, ViewCursor::SizeNWSE);
    EXPECT_EQ(Snapshots(), before + 1);
    // Its handles follow the stored corners: handle 5 now sits at (0, 90).
    view.OnMouseMove(0, {0, 90});
    EXPECT_EQ(window.cursor, ViewCursor::SizeNWSE);
    Drag({0, 90}, {0, 92});
    EXPECT_EQ(top->bounds, (CRect{10, 100, 0, 92}));
}

TEST_F(SelectTool, RubberBandOverEmptyCanvasEmptiesTheSelectionAndShowsTheAppletSheet) {
    Click(20, 15);
    sheets.shown = Sheet::Menu;
    Press(200, 200);
    ASSERT_TRUE(window.focusRect.has_value());
    EXPECT_EQ(*window.focusRect, (CRect{200, 200, 200, 200}));
    MoveTo(160, 150);
    EXPECT_EQ(*window.focusRect, (CRect{160, 150, 200, 200}));
    Release(160, 150);
    EXPECT_FALSE(window.focusRect.has_value());
    EXPECT_TRUE(params.m_selection.empty());
    EXPECT_EQ(sheets.shown, Sheet::Applet);
    EXPECT_FALSE(window.bCaptured);
}

TEST_F(SelectTool, RubberBandSelectsWhatItTouchesBottomToTopAndShiftKeepsTheSelection) {
    Click(20, 110);
    Drag({150, 0}, {80, 35}, MK_SHIFT);
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{top, bottom, middle}));
    Drag({150, 0}, {80, 35});
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{bottom, middle}));
}

TEST_F(SelectTool, CtrlDragMovesCopiesMadeByDuplicateWithoutTheirOwnSnapshot) {
    // A stand-in for the editing commands' duplicate: copies over the originals, selected,
    // and a snapshot, as the real one takes.
    int nDuplicates = 0;
    view.Commands().SetAction(ID_DUPLICATE, [&] {
        ++nDuplicates;
        std::vector<CDrawRect*> copies;
        for (CDrawRect* p : params.m_selection)
            copies.push_back(p->Clone(params));
        view.Select(nullptr);
        for (CDrawRect* p : copies)
            view.Select(p, true);
        TakeSnapshot(params);
    });

    Drag({20, 110}, {220, 110}, MK_CONTROL);
    EXPECT_EQ(nDuplicates, 1);
    ASSERT_EQ(params.m_buttons.size(), 4u);
    EXPECT_EQ(top->bounds, (CRect{10, 100, 90, 130}));
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{210, 100, 290, 130}));
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{params.m_buttons.back().get()});
    // The release's snapshot only: the duplicate ran under the lock.
    EXPECT_EQ(Snapshots(), 2u);
    EXPECT_EQ(params.m_history.lockCount, 0);
}

TEST_F(SelectTool, CtrlDragWithoutClipboardCommandsMovesTheButtonItself) {
    Drag({20, 110}, {220, 110}, MK_CONTROL);
    EXPECT_EQ(params.m_buttons.size(), 3u);
    EXPECT_EQ(top->bounds, (CRect{210, 100, 290, 130}));
}

TEST_F(SelectTool, ShiftDoubleClickDeselectsTheButtonUnderThePointer) {
    Click(20, 15);
    Click(20, 110, MK_SHIFT);
    view.OnLButtonDblClk(MK_LBUTTON | MK_SHIFT, {20, 110});
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{bottom});
    view.OnLButtonDblClk(MK_LBUTTON, {20, 15});
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{bottom});
}

TEST_F(SelectTool, RightPressSelectsTheButtonAloneBeforeTheMenuAndEmptyCanvasShowsTheApplet) {
    view.Select(bottom);
    view.Select(middle, true);
    view.SetCurrentTool(kButtonTool);
    view.OnRButtonDown(MK_RBUTTON | MK_CONTROL | MK_SHIFT, {20, 110});
    EXPECT_EQ(view.ToolState().currentTool, kSelectTool);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{top});
    EXPECT_EQ(params.m_buttons.size(), 3u);
    EXPECT_FALSE(window.bCaptured);

    view.OnRButtonDown(MK_RBUTTON, {300, 300});
    EXPECT_TRUE(params.m_selection.empty());
    EXPECT_EQ(sheets.shown, Sheet::Applet);
}

TEST_F(SelectTool, NewButtonFromTheContextMenuLandsNextToWhereTheMenuOpened) {
    view.OnRButtonDown(MK_RBUTTON, {200, 150});
    const size_t before = Snapshots();
    ASSERT_TRUE(view.Commands().Execute(ID_NEW_BUTTON));
    EXPECT_EQ(params.m_buttons.back()->bounds, (CRect{205, 155, 285, 185}));
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{params.m_buttons.back().get()});
    EXPECT_EQ(view.ToolState().currentTool, kSelectTool);
    EXPECT_EQ(Snapshots(), before + 1);
    EXPECT_EQ(sheets.shown, Sheet::Menu);
}

TEST_F(SelectTool, TabSelectsTheNextButtonUpAndWrapsToTheBottomOne) {
    view.AdvanceSelection();
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{bottom});
    view.AdvanceSelection();
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{middle});
    view.AdvanceSelection();
    view.AdvanceSelection();
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{bottom});
    // From several, the one after the last selected (in selection order).
    view.Select(top);
    view.Select(bottom, true);
    view.AdvanceSelection();
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{middle});
    EXPECT_EQ(sheets.nRefreshes, 5);
}

TEST_F(SelectTool, InactiveViewIgnoresTheMouse) {
    view.SetActive(false);
    Click(20, 15);
    view.OnRButtonDown(MK_RBUTTON, {20, 110});
    EXPECT_TRUE(params.m_selection.empty());
    EXPECT_FALSE(window.bCaptured);
    EXPECT_EQ(sheets.nRefreshes, 0);
}
