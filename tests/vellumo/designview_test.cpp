// The normal view on a real page: what a save writes after edits of different kinds, and the
// document calls the add-ins make, with the engine running offscreen.

#include "tests/vellumo/vellumotest.h"

#include "addin/host/htmldocument.h"

using namespace tb::vellumo;

namespace {

class DesignView : public tb::test::VellumoTest {};

constexpr const char* kAppletId = "Ambrel Widgets:_tsqres\\37000.5_TesseraServer.Brisko.tsq";

// The part of `after` that differs from `before`, and where it starts.
std::pair<size_t, std::string> Difference(const std::string& before, const std::string& after) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, after.substr(prefix, after.size() - prefix - suffix)};
}

TEST_F(DesignView, AnUneditedPageIsWrittenBackByteForByte) {
    std::string path = OpenFixture("shop.htm");
    EXPECT_EQ(Bytes(), Fixture("shop.htm"));
    // Looking around in every view changes nothing either.
    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModeHtml));
    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModePreview));
    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModeNormal));
    EXPECT_TRUE(Window().Save());
    EXPECT_EQ(tb::test::ReadFileBytes(path), Fixture("shop.htm"));
}

TEST_F(DesignView, TypingChangesOnlyTheTextTypedInto) {
    OpenFixture("shop.htm");
    ClickAt(StartOf("cell"));
    Type("Just ");
    std::string before = Fixture("shop.htm");
    std::string after = Bytes();
    auto [at, changed] = Difference(before, after);
    EXPECT_EQ(changed, "Just ");
    EXPECT_EQ(before.substr(at - 16, 16), "<TR><TD id=cell>") << after.substr(at - 40, 80);
    EXPECT_TRUE(Window().IsModified());
}

TEST_F(DesignView, PasteAtTheCaretKeepsEverythingAroundIt) {
    OpenFixture("shop.htm");
    ClickAt(StartOf("cell"));
    tb::host::IHTMLDocument2* document = Window().Host().ActiveDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->selection().type(), "None");
    EXPECT_EQ(document->activeElement()->id(), "cell");
    auto range = document->selection().createRange();
    ASSERT_TRUE(range->pasteHTML("<b id=\"new\">new</b> "));
    std::string after = Bytes();
    auto [at, changed] = Difference(Fixture("shop.htm"), after);
    // The cell is written anew around the paste; nothing outside it changes.
    EXPECT_NE(changed.find("<b id=\"new\">new</b> "), std::string::npos) << changed;
    EXPECT_LT(changed.size(), 40u) << changed;
    EXPECT_EQ(document->selection().type(), "None");
}

TEST_F(DesignView, AClickSelectsTheWidgetAndATransactionReplacesItInOneUndoStep) {
    OpenFixture("shop.htm");
    ClickAt(CenterOf(kAppletId));
    tb::host::IHTMLDocument2* document = Window().Host().ActiveDocument();
    EXPECT_EQ(document->selection().type(), "Control");
    ASSERT_NE(document->activeElement(), nullptr);
    EXPECT_EQ(document->activeElement()->id(), kAppletId);
    EXPECT_EQ(document->activeElement()->tagName(), "APPLET");

    const std::string replacement =
        "<applet id=\"Ambrel Widgets:_tsqres\\2.tsq\" code=\"tlwbtn.class\" width=\"200\" "
        "height=\"40\"><param name=\"Notice\" value=\"x\"></applet>";
    {
        auto transaction = document->createUndoTransaction("InsertWidget");
        EXPECT_TRUE(document->selection().clear());
        EXPECT_EQ(document->selection().type(), "None");
        auto range = document->selection().createRange();
        ASSERT_TRUE(range->pasteHTML(replacement));
        transaction->commit();
    }
    std::string after = Bytes();
    EXPECT_EQ(after.find("37000.5"), std::string::npos);
    size_t at = after.find("<applet id=\"Ambrel Widgets:_tsqres\\2.tsq\"");
    ASSERT_NE(at, std::string::npos) << after;
    // The marker comments around the old widget stay where they were.
    EXPECT_LT(after.find("<!--Insert By Tallowby Marquel-->"), at);
    EXPECT_GT(after.find("<!--End of Marquel-->"), at);

    ASSERT_TRUE(Window().Undo());
    EXPECT_EQ(Bytes(), Fixture("shop.htm"));
    ASSERT_TRUE(Window().Redo());
    EXPECT_NE(Bytes().find("_tsqres\\2.tsq"), std::string::npos);
}

TEST_F(DesignView, ActiveElementFollowsClicksOnTextAndOnImages) {
    OpenFixture("shop.htm");
    tb::host::IHTMLDocument2* document = Window().Host().ActiveDocument();
    ClickAt(StartOf("intro"));
    EXPECT_EQ(document->selection().type(), "None");
    EXPECT_EQ(document->activeElement()->id(), "intro");
    ClickAt(CenterOf("logo"));
    EXPECT_EQ(document->selection().type(), "Control");
    EXPECT_EQ(document->activeElement()->id(), "logo");
    EXPECT_EQ(document->activeElement()->tagName(), "IMG");
    // Typing over a selected image replaces it, like any selection.
    ClickAt(StartOf("cell"));
    EXPECT_EQ(document->activeElement()->id(), "cell");
}

TEST_F(DesignView, EditsOutsideTheNormalViewFailWithAReason) {
    OpenFixture("shop.htm");
    ASSERT_TRUE(Window().Host().SetViewMode(tb::host::ViewModeHtml));
    tb::host::IHTMLDocument2* document = Window().Host().ActiveDocument();
    EXPECT_EQ(document->selection().type(), "None");
    EXPECT_EQ(document->selection().createRange(), nullptr);
    EXPECT_NE(Window().Host().LastErrorDescription().find("only in the normal view"),
              std::string::npos);
    EXPECT_FALSE(Window().Host().SetViewMode(0));
}

} // namespace
