// Alignment, sizing, spacing, centring and stacking on hand-worked coordinates, through the
// command table as the tool bar and the keys run them.

#include "tests/designer/core/editfixture.h"

using namespace tb;
using namespace tb::test;

namespace {

class Layout : public EditFixture {
protected:
    Layout() { ResetUndoHistory(params); }
};

} // namespace

TEST_F(Layout, AlignAndSizeMoveEveryOtherButtonAgainstTheFirstAfterNormalizing) {
    // F is first; O is stored inverted (as a drag may leave it) and spans 50..70 x 5..95.
    struct {
        unsigned nId;
        CRect expected;
    } const cases[] = {
        {ID_ALIGN_LEFT, {20, 5, 40, 95}},  {ID_ALIGN_RIGHT, {80, 5, 100, 95}},
        {ID_ALIGN_TOP, {50, 30, 70, 120}}, {ID_ALIGN_BOTTOM, {50, -30, 70, 60}},
        {ID_SAME_WIDTH, {50, 5, 130, 95}}, {ID_SAME_HEIGHT, {50, 5, 70, 35}},
        {ID_SAME_SIZE, {50, 5, 130, 35}},
    };
    for (const auto& c : cases) {
        params.DeleteContents();
        CDrawRect* f = AddButton({20, 30, 100, 60});
        CDrawRect* o = AddButton({70, 95, 50, 5});
        SelectInOrder({f, o});
        ResetUndoHistory(params);
        const int nWholeBefore = window.nWholeInvalidations;
        ASSERT_TRUE(Run(c.nId)) << c.nId;
        EXPECT_EQ(o->bounds, c.expected) << c.nId;
        EXPECT_EQ(f->bounds, (CRect{20, 30, 100, 60})) << c.nId;
        EXPECT_EQ(Snapshots(), 2u) << c.nId;
        EXPECT_EQ(window.nWholeInvalidations, nWholeBefore + 1) << c.nId;
    }
}

TEST_F(Layout, SpaceAcrossKeepsTheOuterButtonsAndTruncatesTheGapTowardZero) {
    CDrawRect* a = AddButton({10, 10, 50, 30});  // A = 50
    CDrawRect* b = AddButton({60, 40, 90, 60});  // S = 30
    CDrawRect* c = AddButton({141, 0, 181, 20}); // Z = 141
    SelectInOrder({c, a, b});
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    // gap = (141 - 30 - 50) / 2 = 30 (61 / 2 truncated); the odd pixel stays in the last gap.
    EXPECT_EQ(b->bounds, (CRect{80, 40, 110, 60}));
    EXPECT_EQ(a->bounds, (CRect{10, 10, 50, 30}));
    EXPECT_EQ(c->bounds, (CRect{141, 0, 181, 20}));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{a, b, c}));
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(Layout, SpaceAcrossOverlappingButtonsGivesANegativeGapTruncatedTowardZero) {
    CDrawRect* a = AddButton({10, 0, 100, 20});  // A = 100
    CDrawRect* b = AddButton({40, 0, 120, 20});  // S = 80
    CDrawRect* c = AddButton({91, 0, 151, 20});  // Z = 91
    CDrawRect* d = AddButton({300, 0, 320, 20}); // not selected: stays
    SelectInOrder({a, b, c});
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    // gap = (91 - 80 - 100) / 2 = -89 / 2 = -44, not the -45 that rounding down would give.
    EXPECT_EQ(b->bounds, (CRect{56, 0, 136, 20}));
    EXPECT_EQ(d->bounds, (CRect{300, 0, 320, 20}));
}

TEST_F(Layout, SpaceDownWorksOnTopsAndHeightsAndNormalizesFirst) {
    CDrawRect* a = AddButton({0, 10, 20, 30});
    CDrawRect* b = AddButton({5, 70, 25, 40}); // inverted: 40..70, height 30
    CDrawRect* c = AddButton({9, 100, 29, 120});
    CDrawRect* e = AddButton({0, 200, 20, 210});
    SelectInOrder({e, c, b, a});
    ASSERT_TRUE(Run(ID_SPACE_DOWN));
    // A = 30, Z = 200, S = 30 + 20 = 50: gap = 120 / 3 = 40.
    EXPECT_EQ(b->bounds, (CRect{5, 70, 25, 100}));
    EXPECT_EQ(c->bounds, (CRect{9, 140, 29, 160}));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{a, b, c, e}));
}

TEST_F(Layout, AlignLeftAfterSpaceAcrossLinesUpWithTheLeftmostButton) {
    CDrawRect* a = AddButton({10, 10, 50, 30});
    CDrawRect* b = AddButton({60, 40, 90, 60});
    CDrawRect* c = AddButton({141, 70, 181, 90});
    // Selected rightmost first: without the spacing's sort, c would be the first button.
    SelectInOrder({c, b, a});
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    ASSERT_TRUE(Run(ID_ALIGN_LEFT));
    EXPECT_EQ(a->bounds, (CRect{10, 10, 50, 30}));
    EXPECT_EQ(b->bounds, (CRect{10, 40, 40, 60}));
    EXPECT_EQ(c->bounds, (CRect{10, 70, 50, 90}));
}

TEST_F(Layout, SpaceAcrossSortsBySwappingSoEqualEdgesMayChangePlaces) {
    CDrawRect* a = AddButton({40, 0, 60, 20});
    CDrawRect* b = AddButton({40, 30, 50, 50});
    CDrawRect* c = AddButton({0, 60, 20, 80});
    CDrawRect* d = AddButton({40, 90, 45, 110});
    // c swaps with a, which lands behind b; then b, d and a keep their places (no smaller edge
    // follows them). A stable sort would give c, a, b, d.
    SelectInOrder({a, b, c, d});
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{c, b, a, d}));
    // A = 20 (c's right), Z = 40 (d's left), S = 10 + 20 = 30: gap = (40 - 30 - 20) / 3 = -3.
    EXPECT_EQ(b->bounds, (CRect{17, 30, 27, 50}));
    EXPECT_EQ(a->bounds, (CRect{24, 0, 44, 20}));
    EXPECT_EQ(d->bounds, (CRect{40, 90, 45, 110}));

    // Equal edges that no swap passes keep their order.
    b->bounds = {50, 30, 60, 50};
    a->bounds = {50, 0, 70, 20};
    SelectInOrder({b, c, a});
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{c, b, a}));
}

TEST_F(Layout, CentringPutsTheSelectionsBoxInTheMiddleOfTheApplet) {
    // The default applet: 105 x 230.
    CDrawRect* a = AddButton({10, 0, 100, 20});
    CDrawRect* b = AddButton({150, 40, 200, 60});
    SelectInOrder({a, b});
    ASSERT_TRUE(Run(ID_CENTER_HORIZONTAL));
    // Wider than the applet: (10 + 105 - 200) / 2 - 10 = -42 - 10 = -52, a negative left.
    EXPECT_EQ(a->bounds, (CRect{-42, 0, 48, 20}));
    EXPECT_EQ(b->bounds, (CRect{98, 40, 148, 60}));
    const int nRefreshes = sheets.nRefreshes;
    ASSERT_TRUE(Run(ID_CENTER_VERTICAL));
    // (0 + 230 - 60) / 2 - 0 = 85.
    EXPECT_EQ(a->bounds, (CRect{-42, 85, 48, 105}));
    EXPECT_EQ(b->bounds, (CRect{98, 125, 148, 145}));
    EXPECT_EQ(sheets.nRefreshes, nRefreshes + 1);
    // Already centred: nothing moves, yet the step is recorded.
    ASSERT_TRUE(Run(ID_CENTER_VERTICAL));
    EXPECT_EQ(a->bounds, (CRect{-42, 85, 48, 105}));
    EXPECT_EQ(Snapshots(), 4u);
}

TEST_F(Layout, ExtremeCoordinatesSaturateInsteadOfOverflowing) {
    CDrawRect* a = AddButton({INT32_MIN, 0, INT32_MAX, 10});
    CDrawRect* b = AddButton({INT32_MAX - 5, 0, INT32_MAX, 10});
    CDrawRect* c = AddButton({0, 0, 10, 10});
    SelectInOrder({a, b, c});
    ASSERT_TRUE(Run(ID_CENTER_HORIZONTAL));
    ASSERT_TRUE(Run(ID_SPACE_ACROSS));
    ASSERT_TRUE(Run(ID_SAME_SIZE));
    ASSERT_TRUE(Run(ID_ALIGN_RIGHT));
    for (CDrawRect* p : {a, b, c})
        EXPECT_LE(p->bounds.left, p->bounds.right);
}

TEST_F(Layout, StackingMovesOneStepOrToAnEndAndSnapshotsEvenAtTheEnds) {
    CDrawRect* b0 = AddButton({0, 0, 10, 10});
    CDrawRect* b1 = AddButton({5, 5, 15, 15});
    CDrawRect* b2 = AddButton({20, 20, 30, 30});
    ResetUndoHistory(params);
    const auto order = [this] {
        std::vector<CDrawRect*> v;
        for (const auto& p : params.m_buttons)
            v.push_back(p.get());
        return v;
    };

    // At the ends nothing moves, but each command is still an undo step.
    view.Select(b0);
    window.invalidated.clear();
    ASSERT_TRUE(Run(ID_MOVE_BACKWARD));
    ASSERT_TRUE(Run(ID_MOVE_TO_BACK));
    view.Select(b2);
    ASSERT_TRUE(Run(ID_MOVE_FORWARD));
    ASSERT_TRUE(Run(ID_MOVE_TO_FRONT));
    EXPECT_EQ(order(), (std::vector<CDrawRect*>{b0, b1, b2}));
    EXPECT_EQ(Snapshots(), 5u);
    EXPECT_FALSE(window.invalidated.empty());

    view.Select(b0);
    Run(ID_MOVE_FORWARD);
    EXPECT_EQ(order(), (std::vector<CDrawRect*>{b1, b0, b2}));
    Run(ID_MOVE_TO_FRONT);
    EXPECT_EQ(order(), (std::vector<CDrawRect*>{b1, b2, b0}));
    view.Select(b2);
    Run(ID_MOVE_BACKWARD);
    EXPECT_EQ(order(), (std::vector<CDrawRect*>{b2, b1, b0}));
    view.Select(b0);
    Run(ID_MOVE_TO_BACK);
    EXPECT_EQ(order(), (std::vector<CDrawRect*>{b0, b2, b1}));
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{b0});
}
