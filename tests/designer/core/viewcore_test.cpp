// What the design view repaints for each operation, and the rules of its selection
// operations that the pages and commands rely on.

#include "tests/designer/core/viewfixture.h"

using namespace tb;
using namespace tb::test;

namespace {

class ViewCore : public ViewFixture {
protected:
    ViewCore() : a(AddButton({10, 20, 90, 50})), b(AddButton({100, 20, 180, 50})) {}
    std::vector<CRect> TakeInvalidated() { return std::exchange(window.invalidated, {}); }
    CDrawRect* a;
    CDrawRect* b;
};

} // namespace

TEST_F(ViewCore, InvalidatesAnObjectWithRoomForItsHandlesOnlyWhileActiveAndSelected) {
    // Drawn right to left: the area is normalized first.
    a->bounds = {90, 50, 10, 20};
    view.InvalidateObject(a);
    EXPECT_EQ(TakeInvalidated(), (std::vector<CRect>{{9, 19, 91, 51}}));
    view.Select(a);
    TakeInvalidated();
    view.InvalidateObject(a);
    EXPECT_EQ(TakeInvalidated(), (std::vector<CRect>{{5, 14, 96, 55}}));
    view.SetActive(false);
    TakeInvalidated();
    view.InvalidateObject(a);
    EXPECT_EQ(TakeInvalidated(), (std::vector<CRect>{{9, 19, 91, 51}}));
}

TEST_F(ViewCore, ActivationRepaintsTheSelectionSoThatHandlesComeAndGo) {
    view.SetActive(false);
    TakeInvalidated();
    view.Select(a);
    TakeInvalidated();
    view.SetActive(true);
    const std::vector<CRect> shown = TakeInvalidated();
    EXPECT_NE(std::find(shown.begin(), shown.end(), CRect{5, 14, 96, 55}), shown.end());
    view.SetActive(true);
    EXPECT_TRUE(TakeInvalidated().empty());
    view.SetActive(false);
    const std::vector<CRect> hidden = TakeInvalidated();
    EXPECT_NE(std::find(hidden.begin(), hidden.end(), CRect{5, 14, 96, 55}), hidden.end());
}

TEST_F(ViewCore, SelectReplacesOrAddsAndNeverListsAnObjectTwice) {
    view.Select(a);
    view.Select(a, true);
    view.Select(b, true);
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{a, b}));
    TakeInvalidated();
    view.Select(b);
    // Both old members were repainted (handles away) and the new one once more.
    EXPECT_EQ(TakeInvalidated().size(), 3u);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{b});
    view.Deselect(a);
    EXPECT_TRUE(TakeInvalidated().empty());
    view.Deselect(b);
    EXPECT_EQ(TakeInvalidated(), (std::vector<CRect>{{95, 14, 186, 55}}));
    EXPECT_TRUE(params.m_selection.empty());
    EXPECT_FALSE(view.IsSelected(b));
}

TEST_F(ViewCore, SelectWithinRectTakesAnyRectangleAndOptionallyKeepsTheSelection) {
    view.Select(b);
    view.SelectWithinRect({60, 0, 0, 30}); // inverted, touching a only
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{a});
    view.SelectWithinRect({150, 40, 300, 300}, true);
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{a, b}));
    view.SelectWithinRect({0, 0, 5, 5});
    EXPECT_TRUE(params.m_selection.empty());
}

TEST_F(ViewCore, UpdateHintsRepaintWhatTheySayAndTheRemovalHintLeavesTheSelection) {
    view.Update(UpdateHint::All);
    EXPECT_EQ(window.nWholeInvalidations, 1);
    view.Update(UpdateHint::Object, b);
    EXPECT_EQ(TakeInvalidated(), (std::vector<CRect>{{99, 19, 181, 51}}));

    view.Select(a);
    view.Select(b, true);
    TakeInvalidated();
    view.Update(UpdateHint::List);
    EXPECT_EQ(TakeInvalidated().size(), 2u);
    std::vector<CDrawRect*> justB{b};
    view.Update(UpdateHint::List, nullptr, &justB);
    EXPECT_EQ(TakeInvalidated().size(), 1u);

    view.Update(UpdateHint::Removed, nullptr, &justB);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{a});
    // Given the selection itself, the hint only repaints.
    view.Update(UpdateHint::Removed, nullptr, &params.m_selection);
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{a});
}

TEST_F(ViewCore, MovingAnObjectRepaintsItsOldAndNewPlaceOnly) {
    view.Select(a);
    TakeInvalidated();
    Drag({20, 30}, {22, 30});
    const std::vector<CRect> areas = TakeInvalidated();
    // Two small steps, each the old and the new place; nothing else of the canvas.
    ASSERT_EQ(areas.size(), 4u);
    EXPECT_EQ(areas[2], (CRect{6, 14, 97, 55}));
    EXPECT_EQ(areas[3], (CRect{7, 14, 98, 55}));
    EXPECT_EQ(window.nWholeInvalidations, 0);
}
