// The button clipboard, delete, select all and the undo history through the command table:
// what lands on the clipboard, what a paste inserts or refuses, and which states undo and
// redo bring back.

#include "tests/designer/core/editfixture.h"

#include <random>

#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

// Home, News (two lines) and Contact in a row.
class Editing : public EditFixture {
protected:
    Editing()
        : home(AddLabelled({10, 10, 90, 40}, "Home")),
          news(AddLabelled({100, 10, 180, 40}, "News\r\nToday")),
          contact(AddLabelled({190, 10, 270, 40}, "Contact")) {
        ResetUndoHistory(params);
    }
    std::string Label(const CDrawRect* p) { return p->menu->m_items.front()->m_strLabel; }

    CDrawRect* home;
    CDrawRect* news;
    CDrawRect* contact;
};

// A second designer on its own design, sharing the first one's clipboard.
struct COtherDesigner {
    explicit COtherDesigner(IButtonClipboard& clipboard) : commands(view, clipboard) {
        view.SetActive(true);
        params.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 50, 50}));
        ResetUndoHistory(params);
    }
    CAppletParameters params;
    CRecordingWindow window;
    CRecordingSheets sheets;
    CDrawViewCore view{params, window, sheets};
    CEditCommands commands;
};

} // namespace

TEST_F(Editing, CopyPutsTheSelectionListAndItsLabelsOnTheClipboard) {
    SelectInOrder({contact, news});
    ASSERT_TRUE(Run(ID_EDIT_COPY));
    EXPECT_EQ(clipboard.Text(), "Contact\nNews Today\n");
    const std::string bytes = clipboard.GetButtons().value();
    // A count of two, then the first button under its new class record, its menu inline.
    const std::string head("\x02\x00\xff\xff\x00\x00\x09\x00"
                           "CDrawRect\x06"
                           "Brisko",
                           24);
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    // The last button ends with shape 0 and the 16 x 16 corner size.
    const std::string tail("\x00\x00\x10\x00\x00\x00\x10\x00\x00\x00", 10);
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    // Copying changes nothing of the design or its history.
    EXPECT_EQ(params.m_buttons.size(), 3u);
    EXPECT_EQ(Snapshots(), 1u);
}

TEST_F(Editing, PasteInAnotherDesignerAddsCopiesOnTopSelectedWhereTheyWere) {
    news->menu->m_items.front()->m_strUrl = "news.htm";
    SelectInOrder({news, home});
    ASSERT_TRUE(Run(ID_EDIT_COPY));

    COtherDesigner other(clipboard);
    ASSERT_TRUE(other.view.Commands().IsEnabled(ID_EDIT_PASTE));
    other.view.Select(other.params.m_buttons.front().get());
    ASSERT_TRUE(other.view.Commands().Execute(ID_EDIT_PASTE));
    ASSERT_EQ(other.params.m_buttons.size(), 3u);
    CDrawRect* pNews = other.params.m_buttons[1].get();
    CDrawRect* pHome = other.params.m_buttons[2].get();
    EXPECT_EQ(pNews->bounds, news->bounds);
    EXPECT_EQ(pHome->bounds, home->bounds);
    EXPECT_EQ(pNews->menu->m_items.front()->m_strLabel, "News\r\nToday");
    EXPECT_EQ(pNews->menu->m_items.front()->m_strUrl, "news.htm");
    EXPECT_EQ(pNews->menu->m_items.front()->m_pSubMenu->m_items.front()->m_strLabel, "Hint");
    EXPECT_EQ(pNews->owner, &other.params);
    EXPECT_EQ(other.params.m_selection, (std::vector<CDrawRect*>{pNews, pHome}));
    EXPECT_EQ(other.params.m_history.undoList.size(), 2u);
    EXPECT_GE(other.sheets.nRefreshes, 1);
    // The first designer is untouched; pasting twice gives two sets of copies.
    EXPECT_EQ(params.m_buttons.size(), 3u);
    other.view.Commands().Execute(ID_EDIT_PASTE);
    EXPECT_EQ(other.params.m_buttons.size(), 5u);
}

TEST_F(Editing, PasteIsDisabledWithoutButtonsOnTheClipboardAndDoesNothing) {
    ExpectUi ui; // no message expected
    view.Select(home);
    const std::string before = Design();
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Run(ID_EDIT_PASTE));
    clipboard.SetText("Some text another program copied");
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Run(ID_EDIT_PASTE));
    commands.Paste(); // even called past the table
    EXPECT_EQ(Design(), before);
    EXPECT_EQ(Snapshots(), 1u);
}

TEST_F(Editing, DamagedClipboardContentInsertsNothingAndSaysWhyOnce) {
    SelectInOrder({home, news});
    ASSERT_TRUE(Run(ID_EDIT_COPY));
    const std::string good = clipboard.GetButtons().value();
    // Copied by an older run, whose buttons were archived under another schema, and by a
    // program that put a class of its own under the buttons' format.
    std::string older = good;
    older[4] = '\x01';
    std::string foreign = good;
    foreign.replace(8, 9, "CNoteItem");
    std::vector<std::string> damaged = {
        older,
        foreign,
        good.substr(0, good.size() - 1), // truncated by one byte
        good.substr(0, good.size() / 2), // truncated in the middle
        good + '\0',                     // more than its buttons
        std::string("\x00\x00", 2),      // a list of no buttons
        std::string("\xff\xff\xff\xff\xff\xff", 6),
    };
    std::mt19937 random(1234);
    for (size_t n : {1u, 7u, 64u, 4096u}) {
        std::string noise(n, '\0');
        for (char& c : noise)
            c = char(random());
        damaged.push_back(noise);
    }
    view.Select(contact);
    const std::string before = Design();
    for (const std::string& bytes : damaged) {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDOK));
        clipboard.SetRawButtons(bytes);
        EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
        EXPECT_TRUE(Run(ID_EDIT_PASTE));
        ASSERT_EQ(ui.calls().size(), 1u) << bytes.size();
        EXPECT_TRUE(
            ui.calls()[0].text.starts_with("The buttons on the Clipboard cannot be pasted. "))
            << ui.calls()[0].text;
        EXPECT_EQ(Design(), before) << bytes.size();
        EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{contact});
        EXPECT_EQ(Snapshots(), 1u);
        // The reason names what is wrong where the archive can tell.
        if (bytes == older)
            EXPECT_TRUE(ui.calls()[0].text.ends_with("another version of \"CDrawRect\"."));
        if (bytes == foreign)
            EXPECT_TRUE(ui.calls()[0].text.ends_with("unknown class \"CNoteItem\"."));
    }
}

TEST_F(Editing, ACopyTheClipboardRefusesIsReportedAndCutThenDeletesNothing) {
    clipboard.RefuseWrites(true);
    view.Select(news);
    const std::string before = Design();
    for (unsigned nId : {ID_EDIT_COPY, ID_EDIT_CUT, ID_DUPLICATE}) {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDOK).WithText(
            "The selected buttons could not be put on the Clipboard."));
        EXPECT_TRUE(Run(nId));
    }
    EXPECT_EQ(Design(), before);
    EXPECT_EQ(Snapshots(), 1u);
}

TEST_F(Editing, DuplicateLaysSelectedCopiesExactlyOverTheSourcesAndLeavesThemOnTheClipboard) {
    SelectInOrder({contact, home});
    ASSERT_TRUE(Run(ID_DUPLICATE));
    ASSERT_EQ(params.m_buttons.size(), 5u);
    EXPECT_EQ(At(3)->bounds, contact->bounds);
    EXPECT_EQ(At(4)->bounds, home->bounds);
    EXPECT_EQ(Label(At(3)), "Contact");
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{At(3), At(4)}));
    EXPECT_EQ(contact->bounds, (CRect{190, 10, 270, 40}));
    EXPECT_EQ(clipboard.Text(), "Contact\nHome\n");
    std::vector<std::unique_ptr<CDrawRect>> onClipboard;
    ASSERT_TRUE(LoadButtonList(clipboard.GetButtons().value(), onClipboard));
    ASSERT_EQ(onClipboard.size(), 2u);
    EXPECT_EQ(onClipboard[1]->bounds, home->bounds);
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(Editing, CutAndDeleteTakeTheSelectionAwayAndUndoBringsItBack) {
    SelectInOrder({news, home});
    ASSERT_TRUE(Run(ID_EDIT_CUT));
    EXPECT_EQ(clipboard.Text(), "News Today\nHome\n");
    ASSERT_EQ(params.m_buttons.size(), 1u);
    EXPECT_EQ(At(0), contact);
    EXPECT_TRUE(params.m_selection.empty());
    EXPECT_EQ(Snapshots(), 2u);

    view.Select(contact);
    ASSERT_TRUE(Run(ID_EDIT_CLEAR));
    EXPECT_TRUE(params.m_buttons.empty());
    EXPECT_FALSE(Enabled(ID_EDIT_SELECT_ALL));

    ASSERT_TRUE(Run(ID_UNDO));
    ASSERT_TRUE(Run(ID_UNDO));
    ASSERT_EQ(params.m_buttons.size(), 3u);
    EXPECT_EQ(Label(At(1)), "News\r\nToday");
    for (const auto& p : params.m_buttons)
        EXPECT_EQ(p->owner, &params);
}

TEST_F(Editing, SelectAllAddsEveryButtonInStackingOrderAndIsAnUndoStep) {
    view.Select(news);
    ASSERT_TRUE(Run(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{news, home, contact}));
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(Editing, EditLabelAndEditUrlGoToTheirBoxesOfTheOneSelectedButton) {
    view.Select(news);
    ASSERT_TRUE(Run(ID_EDIT_LABEL));
    ASSERT_TRUE(Run(ID_EDIT_URL));
    EXPECT_EQ(sheets.editedBoxes, (std::vector<LabelBox>{LabelBox::Label, LabelBox::Link}));
    EXPECT_EQ(sheets.shown, CRecordingSheets::Sheet::Menu);
    EXPECT_EQ(Snapshots(), 1u);
}

TEST_F(Editing, SixChangesFiveUndosTheFifthDisabledThenFourRedosBack) {
    view.Select(home);
    // Change k moves Home to left = 10 + 10 k.
    for (int k = 1; k <= 6; ++k)
        Drag({home->bounds.left + 5, 20}, {home->bounds.left + 15, 20});
    ASSERT_EQ(home->bounds.left, 70);
    EXPECT_EQ(Snapshots(), 5u);
    const auto homeLeft = [this] { return At(0)->bounds.left; };

    for (int left : {60, 50, 40, 30}) {
        ASSERT_TRUE(Enabled(ID_UNDO));
        ASSERT_TRUE(Run(ID_UNDO));
        EXPECT_EQ(homeLeft(), left);
    }
    // The history keeps four earlier states: the state after the second change is the oldest.
    EXPECT_FALSE(Enabled(ID_UNDO));
    EXPECT_FALSE(Run(ID_UNDO));
    EXPECT_EQ(homeLeft(), 30);

    const int nWhole = window.nWholeInvalidations;
    const int nRefreshes = sheets.nRefreshes;
    for (int left : {40, 50, 60, 70}) {
        ASSERT_TRUE(Run(ID_REDO));
        EXPECT_EQ(homeLeft(), left);
    }
    EXPECT_FALSE(Enabled(ID_REDO));
    EXPECT_EQ(window.nWholeInvalidations, nWhole + 4);
    EXPECT_EQ(sheets.nRefreshes, nRefreshes + 4);
    EXPECT_EQ(Snapshots(), 5u);
}

TEST_F(Editing, AChangeAfterAnUndoEmptiesTheRedoList) {
    SelectInOrder({home, news});
    Run(ID_ALIGN_BOTTOM);
    Run(ID_SAME_WIDTH);
    ASSERT_TRUE(Run(ID_UNDO));
    EXPECT_TRUE(Enabled(ID_REDO));
    ASSERT_TRUE(Run(ID_ALIGN_TOP));
    EXPECT_FALSE(Enabled(ID_REDO));
    EXPECT_FALSE(Run(ID_REDO));
    EXPECT_TRUE(params.m_history.redoList.empty());
}

TEST_F(Editing, UndoRestoresTheSelectionOfItsSnapshotAsRestoredButtons) {
    view.Select(news);
    Run(ID_MOVE_TO_BACK); // snapshot: News at the bottom, selected alone
    SelectInOrder({contact, home});
    Run(ID_ALIGN_TOP); // snapshot: Contact and Home selected
    ASSERT_TRUE(Run(ID_UNDO));
    ASSERT_EQ(params.m_selection.size(), 1u);
    EXPECT_EQ(params.m_selection.front(), At(0));
    EXPECT_EQ(Label(At(0)), "News\r\nToday");
    ASSERT_TRUE(Run(ID_REDO));
    EXPECT_EQ(params.m_selection, (std::vector<CDrawRect*>{At(2), At(1)}));
    EXPECT_EQ(Label(params.m_selection.front()), "Contact");
}

TEST_F(Editing, CtrlDragDuplicatesThroughTheClipboardAndTheDragMovesTheCopies) {
    Drag({20, 20}, {20, 120}, MK_CONTROL);
    ASSERT_EQ(params.m_buttons.size(), 4u);
    EXPECT_EQ(home->bounds, (CRect{10, 10, 90, 40}));
    EXPECT_EQ(At(3)->bounds, (CRect{10, 110, 90, 140}));
    EXPECT_EQ(Label(At(3)), "Home");
    EXPECT_EQ(params.m_selection, std::vector<CDrawRect*>{At(3)});
    EXPECT_EQ(clipboard.Text(), "Home\n");
    // One undo step for the whole drag: the copy goes, the source stays.
    EXPECT_EQ(Snapshots(), 2u);
    EXPECT_EQ(params.m_history.lockCount, 0);
    ASSERT_TRUE(Run(ID_UNDO));
    EXPECT_EQ(params.m_buttons.size(), 3u);

    // Copies made without moving the mouse are an undo step all the same.
    Click(110, 20, MK_CONTROL);
    EXPECT_EQ(params.m_buttons.size(), 4u);
    EXPECT_EQ(At(3)->bounds, At(1)->bounds);
    EXPECT_EQ(Snapshots(), 2u);
}

TEST_F(Editing, EveryCommandWhoseRuleFailsDoesNothing) {
    // For each rule, a state in which it fails: the selection, the clipboard or the history;
    // the buttons go last.
    const auto selectTwo = [this] { SelectInOrder({home, news}); };
    struct {
        CommandRule rule;
        std::function<void()> arrange;
    } const states[] = {
        {CommandRule::HasSelection, [this] { view.Select(nullptr); }},
        {CommandRule::OneSelected, selectTwo},
        {CommandRule::TwoSelected, [this] { view.Select(home); }},
        {CommandRule::ThreeSelected, selectTwo},
        {CommandRule::ClipboardOffersButtons, [this] { clipboard.SetText("text"); }},
        {CommandRule::CanUndo, [this] { ResetUndoHistory(params); }},
        {CommandRule::CanRedo, [this] { params.m_history.redoList.clear(); }},
        {CommandRule::HasObjects, [this] { params.DeleteContents(); }},
    };
    ExpectUi ui;
    for (const auto& state : states) {
        state.arrange();
        const std::string design = Design();
        const auto history = params.m_history.undoList;
        const std::string text = clipboard.Text();
        for (const CDesignCommand& command : CCommandTable::Commands()) {
            if (command.rule != state.rule)
                continue;
            window.invalidated.clear();
            EXPECT_FALSE(Enabled(command.nId)) << command.nId;
            EXPECT_FALSE(Run(command.nId)) << command.nId;
            EXPECT_EQ(Design(), design) << command.nId;
            EXPECT_EQ(params.m_history.undoList, history) << command.nId;
            EXPECT_EQ(clipboard.Text(), text) << command.nId;
            EXPECT_TRUE(window.invalidated.empty()) << command.nId;
        }
    }
    EXPECT_TRUE(sheets.editedBoxes.empty());

    // Called past the table, too few buttons still change nothing.
    params.DeleteContents();
    CDrawRect* a = AddButton({0, 0, 10, 10});
    CDrawRect* b = AddButton({30, 5, 20, 15});
    SelectInOrder({a, b});
    ResetUndoHistory(params);
    const std::string design = Design();
    commands.Space(Axis::Horizontal);
    commands.Stack(StackMove::ToBack);
    commands.EditLabel(LabelBox::Label);
    view.Select(a);
    commands.Align(Edge::Right);
    commands.MatchSize(Extent::Both);
    view.Select(nullptr);
    commands.Center(Axis::Vertical);
    commands.DeleteSelection();
    commands.Cut();
    commands.Duplicate();
    commands.Undo();
    commands.Redo();
    SelectInOrder({a, b});
    EXPECT_EQ(Design(), design);
    EXPECT_EQ(b->bounds, (CRect{30, 5, 20, 15})); // not even normalized
    EXPECT_EQ(Snapshots(), 1u);
}
