// The command bars' contract as add-ins use it: bars found and deleted by name, buttons
// with their properties and click event, and the update event the host raises.

#include <gtest/gtest.h>

#include "addin/host/memory/memoryeditor.h"

using namespace tb::host;

namespace {

TEST(CommandBars, BarsAreFoundByNameAndEveryBarOfANameCanBeDeleted) {
    CCommandBars bars;
    ICommandBar* first = bars.Add("Widgets");
    bars.Add("Other");
    bars.Add("Widgets", false);
    ASSERT_EQ(bars.Count(), 3);
    EXPECT_EQ(bars.Find("Widgets"), first);
    EXPECT_EQ(bars.Find("widgets"), nullptr);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(first->Temporary());
    EXPECT_FALSE(bars.Item(3)->Temporary());
    EXPECT_EQ(bars.Item(3)->Index(), 3);
    EXPECT_EQ(bars.Item(0), nullptr);
    EXPECT_EQ(bars.Item(4), nullptr);

    // The way an add-in removes its bars: from the last to the first.
    for (int i = bars.Count(); i >= 1; --i)
        if (bars.Item(i)->Name() == "Widgets")
            bars.Item(i)->Delete();
    ASSERT_EQ(bars.Count(), 1);
    EXPECT_EQ(bars.Item(1)->Name(), "Other");
}

TEST(CommandBars, ButtonsKeepWhatTheAddInSetAndAreReachedByIndex) {
    CCommandBars bars;
    int changes = 0;
    bars.SetChangeListener([&] { ++changes; });
    ICommandBar* bar = bars.Add("Widgets");
    EXPECT_EQ(bar->Controls().Add(99), nullptr);
    ICommandBarButton* button = bar->Controls().Add(ControlTypeButton);
    ICommandBarButton* second = bar->Controls().Add();
    button->SetCaption("Menu");
    button->SetTooltipText("Pop-up menu");
    button->SetTag("0");
    button->SetStyle(ButtonStyleIconAndCaption);
    tb::ModuleImage face;
    face.nWidth = face.nHeight = 1;
    face.eFormat = tb::ImageFormat::Rgba;
    face.bytes = "\x01\x02\x03\x04";
    button->SetFace(face);
    second->SetEnabled(false);

    EXPECT_EQ(bar->Controls().Count(), 2);
    EXPECT_EQ(bar->Controls().Item(1), button);
    EXPECT_EQ(bar->Controls().Item(2)->Index(), 2);
    EXPECT_EQ(button->Caption(), "Menu");
    EXPECT_EQ(button->TooltipText(), "Pop-up menu");
    EXPECT_EQ(button->Tag(), "0");
    EXPECT_EQ(button->Style(), ButtonStyleIconAndCaption);
    EXPECT_EQ(button->Face().bytes, face.bytes);
    EXPECT_EQ(button->Type(), ControlTypeButton);
    EXPECT_TRUE(button->Enabled());
    EXPECT_FALSE(second->Enabled());
    // The window follows every visible change; the tag is the add-in's own business.
    EXPECT_GE(changes, 7);

    second->Delete();
    EXPECT_EQ(bar->Controls().Count(), 1);
}

TEST(CommandBars, ClickRunsEveryHandlerWithTheControlAndSharedCancelFlag) {
    CCommandBars bars;
    CCommandBar* bar = static_cast<CCommandBar*>(bars.Add("Widgets"));
    ICommandBarButton* button = bar->Add();
    button->SetTag("3");
    std::vector<std::string> calls;
    int cookie = button->AddClickHandler([&](ICommandBarButton& ctrl, bool& cancel) {
        calls.push_back("first " + ctrl.Tag() + (cancel ? " cancelled" : ""));
        cancel = true;
    });
    button->AddClickHandler([&](ICommandBarButton&, bool& cancel) {
        calls.push_back(cancel ? "second sees cancel" : "second");
    });
    EXPECT_TRUE(bar->Button(1)->Click());
    EXPECT_EQ(calls, (std::vector<std::string>{"first 3", "second sees cancel"}));

    button->RemoveClickHandler(cookie);
    calls.clear();
    EXPECT_FALSE(bar->Button(1)->Click());
    EXPECT_EQ(calls, std::vector<std::string>{"second"});

    calls.clear();
    button->SetEnabled(false);
    bar->Button(1)->Click();
    EXPECT_TRUE(calls.empty());
}

TEST(CommandBars, AHandlerMayDeleteItsOwnBarWhileBeingCalled) {
    CCommandBars bars;
    CCommandBar* bar = static_cast<CCommandBar*>(bars.Add("Widgets"));
    ICommandBarButton* button = bar->Add();
    bool after = false;
    button->AddClickHandler([&](ICommandBarButton& ctrl, bool&) {
        bars.Find("Widgets")->Delete();
        // The control is still readable until the handler returns.
        after = ctrl.Index() == 0;
    });
    std::shared_ptr<CCommandBarButton> held = bar->SharedButton(1);
    held->Click();
    EXPECT_TRUE(after);
    EXPECT_EQ(bars.Count(), 0);
}

TEST(CommandBars, UpdateEventFollowsSelectionViewModeAndActivePage) {
    CMemoryPageEditor editor;
    std::vector<std::string> seen;
    editor.CommandBars().AddUpdateHandler([&] {
        IPageWindow* window = editor.ActivePageWindow();
        seen.push_back(window ? std::to_string(window->ViewMode()) + " " +
                                    editor.ActiveDocument()->selection().type()
                              : "no page");
    });
    CMemoryDocument& page = editor.NewPage("<p id=\"p\">Text</p><img id=\"i\">");
    page.SelectElement("i");
    EXPECT_TRUE(editor.ActivePageWindow()->SetViewMode(ViewModeHtml));
    EXPECT_TRUE(editor.ActivePageWindow()->SetViewMode(ViewModeHtml)); // no change, no event
    EXPECT_FALSE(editor.ActivePageWindow()->SetViewMode(4));
    EXPECT_EQ(editor.LastErrorDescription(), "There is no view mode 4.");
    EXPECT_EQ(editor.ActivePageWindow()->ViewMode(), ViewModeHtml);
    editor.SaveAs("/tmp/site/page.htm");
    editor.ClosePage();
    EXPECT_EQ(seen, (std::vector<std::string>{"1 None", "1 Control", "2 Control", "2 Control",
                                              "no page"}));
}

TEST(CommandBars, AnUpdateHandlerThatChangesThePageIsNotCalledAgainFromWithin) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage("<p>one</p>");
    int calls = 0;
    editor.CommandBars().AddUpdateHandler([&] {
        ++calls;
        page.PlaceCaretAtEnd();
    });
    page.PlaceCaretAfter("one");
    EXPECT_EQ(calls, 1);
}

TEST(AddInSettings, SavedValuesComeBackAndMissingOnesGiveTheDefault) {
    CMemoryPageEditor editor;
    EXPECT_EQ(editor.GetSetting("Widgets", "Settings", "DisplayOnConnect", "0"), "0");
    EXPECT_TRUE(editor.SaveSetting("Widgets", "Settings", "DisplayOnConnect", "1"));
    EXPECT_EQ(editor.GetSetting("Widgets", "Settings", "DisplayOnConnect", "0"), "1");
    EXPECT_EQ(editor.GetSetting("Other", "Settings", "DisplayOnConnect", "0"), "0");
    EXPECT_FALSE(editor.SaveSetting("", "Settings", "DisplayOnConnect", "1"));
}

} // namespace
