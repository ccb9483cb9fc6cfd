// The command table: what the tool bar and context menu are built from, and when a command
// is enabled, pressed or run.

#include "tests/designer/core/viewfixture.h"

#include <set>

#include "designer/core/undosnapshot.h"

using namespace tb;
using namespace tb::test;

namespace {

class Commands : public ViewFixture {
protected:
    CCommandTable& table() { return view.Commands(); }
};

} // namespace

TEST(CommandTable, ToolBarAndContextMenuListOnlyKnownCommandsOnceEach) {
    for (auto layout : {CCommandTable::ToolBarLayout(), CCommandTable::ContextMenuLayout()}) {
        std::set<unsigned> seen;
        for (unsigned id : layout) {
            if (id == kSeparator)
                continue;
            EXPECT_NE(CCommandTable::Find(id), nullptr) << id;
            EXPECT_TRUE(seen.insert(id).second) << id;
        }
        EXPECT_NE(layout.front(), 0u);
        EXPECT_NE(layout.back(), 0u);
    }
    EXPECT_EQ(CCommandTable::ToolBarLayout().size(), 25u + 8u);
    // Every tool-bar button needs a tooltip, every context-menu entry a menu text.
    for (unsigned id : CCommandTable::ToolBarLayout()) {
        if (id != kSeparator) {
            EXPECT_FALSE(CCommandTable::Find(id)->Tooltip().empty()) << id;
        }
    }
    for (unsigned id : CCommandTable::ContextMenuLayout()) {
        if (id != kSeparator) {
            EXPECT_FALSE(CCommandTable::Find(id)->menuText.empty()) << id;
        }
    }
}

TEST(CommandTable, PromptAndTooltipSplitAtTheLineBreakAndKeepTheirSpaces) {
    const CDesignCommand* pButtonTool = CCommandTable::Find(ID_TOOL_BUTTON);
    ASSERT_NE(pButtonTool, nullptr);
    EXPECT_EQ(pButtonTool->Prompt(), "Hold and drag to draw a button ");
    EXPECT_EQ(pButtonTool->Tooltip(), "Hold and drag to draw a button");
    const CDesignCommand* pDelete = CCommandTable::Find(ID_EDIT_CLEAR);
    EXPECT_EQ(pDelete->Prompt(), "");
    EXPECT_EQ(pDelete->Tooltip(), "D&elete");
    EXPECT_EQ(pDelete->key, (CKeyChord{0, VK_DELETE}));
    EXPECT_EQ(CCommandTable::Find(12345), nullptr);
}

TEST_F(Commands, CommandsWithoutAnActionAreListedButDisabledAndDoNothing) {
    AddButton({0, 0, 10, 10});
    view.Select(params.m_buttons.front().get());
    for (unsigned id : {ID_EDIT_CUT, ID_DUPLICATE, ID_UNDO, ID_ALIGN_LEFT, ID_EDIT_LABEL,
                        ID_HELP_FINDER, ID_PREVIEW}) {
        EXPECT_FALSE(table().HasAction(id)) << id;
        EXPECT_FALSE(table().IsEnabled(id)) << id;
        EXPECT_FALSE(table().Execute(id)) << id;
    }
    for (unsigned id : {ID_TOOL_SELECT, ID_TOOL_BUTTON, ID_NEW_BUTTON})
        EXPECT_TRUE(table().IsEnabled(id)) << id;
}

TEST_F(Commands, RulesFollowTheSelectionTheHistoryAndTheClipboard) {
    int nRuns = 0;
    for (const CDesignCommand& c : CCommandTable::Commands())
        table().SetAction(c.nId, [&] { ++nRuns; });
    EXPECT_FALSE(table().IsEnabled(ID_EDIT_SELECT_ALL));
    CDrawRect* p1 = AddButton({0, 0, 10, 10});
    CDrawRect* p2 = AddButton({0, 20, 10, 30});
    CDrawRect* p3 = AddButton({0, 40, 10, 50});
    EXPECT_TRUE(table().IsEnabled(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(table().IsEnabled(ID_EDIT_COPY));

    view.Select(p1);
    EXPECT_TRUE(table().IsEnabled(ID_MOVE_TO_FRONT));
    EXPECT_FALSE(table().IsEnabled(ID_SAME_SIZE));
    view.Select(p2, true);
    EXPECT_FALSE(table().IsEnabled(ID_MOVE_TO_FRONT));
    EXPECT_TRUE(table().IsEnabled(ID_SAME_SIZE));
    EXPECT_FALSE(table().IsEnabled(ID_SPACE_ACROSS));
    view.Select(p3, true);
    EXPECT_TRUE(table().IsEnabled(ID_SPACE_DOWN));

    EXPECT_FALSE(table().IsEnabled(ID_EDIT_PASTE));
    bool bOffers = true;
    table().SetClipboardQuery([&] { return bOffers; });
    EXPECT_TRUE(table().IsEnabled(ID_EDIT_PASTE));

    ResetUndoHistory(params);
    EXPECT_FALSE(table().IsEnabled(ID_UNDO));
    TakeSnapshot(params);
    EXPECT_TRUE(table().IsEnabled(ID_UNDO));
    EXPECT_FALSE(table().IsEnabled(ID_REDO));
    params.m_history.redoList.push_front("undone");
    EXPECT_TRUE(table().IsEnabled(ID_REDO));

    EXPECT_TRUE(table().Execute(ID_SPACE_DOWN));
    EXPECT_EQ(nRuns, 1);
    table().SetAction(ID_SPACE_DOWN, nullptr);
    EXPECT_FALSE(table().Execute(ID_SPACE_DOWN));
}

TEST_F(Commands, ToolCommandsSwitchTheToolAndShowPressedWhileCurrent) {
    EXPECT_TRUE(table().IsChecked(ID_TOOL_SELECT));
    EXPECT_FALSE(table().IsChecked(ID_TOOL_BUTTON));
    EXPECT_TRUE(table().Execute(ID_TOOL_BUTTON));
    EXPECT_EQ(view.ToolState().currentTool, kButtonTool);
    EXPECT_TRUE(table().IsChecked(ID_TOOL_BUTTON));
    EXPECT_FALSE(table().IsChecked(ID_TOOL_SELECT));
    EXPECT_FALSE(table().IsChecked(ID_EDIT_COPY));
    table().Execute(ID_TOOL_SELECT);
    EXPECT_TRUE(table().IsChecked(ID_TOOL_SELECT));
}
