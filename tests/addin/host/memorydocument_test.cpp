// The document's contract on the in-memory host: location, selection types, clearing and
// pasting at a caret and over a selection, the active element, and undo transactions.

#include <gtest/gtest.h>

#include "addin/host/memory/memoryeditor.h"

using namespace tb::host;

namespace {

constexpr const char* kPage = "<p id=\"intro\">Hello world</p>"
                              "<applet id=\"Ambrel Widgets:_tsqres/1.tsq\" code=\"tlwbtn.class\">"
                              "<param name=\"Notice\" value=\"x\"></applet>";

std::string Paste(IHTMLDocument2& document, const std::string& html) {
    auto range = document.selection().createRange();
    EXPECT_TRUE(range->pasteHTML(html));
    return static_cast<CMemoryDocument&>(document).BodyHtml();
}

TEST(MemoryDocument, UnsavedAndSavedPagesReportTheirLocationAndAddress) {
    CMemoryPageEditor editor;
    editor.NewPage("");
    EXPECT_EQ(editor.ActivePageWindow()->Address(), "unsaved://Untitled");
    EXPECT_EQ(editor.ActiveDocument()->location().href, "unsaved://Untitled");
    EXPECT_EQ(editor.ActiveDocument()->location().pathname, "");

    editor.SaveAs("/home/ann/my site/page.htm");
    EXPECT_EQ(editor.ActivePageWindow()->Address(), "file:///home/ann/my%20site/page.htm");
    EXPECT_EQ(editor.ActiveDocument()->location().pathname, "/home/ann/my site/page.htm");

    editor.OpenPage("/srv/web/index.htm", "");
    EXPECT_EQ(editor.ActiveDocument()->location().pathname, "/srv/web/index.htm");
}

TEST(MemoryDocument, SelectionTypesAreNoneForACaretTextAndControl) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage(kPage);
    EXPECT_EQ(page.selection().type(), "None");
    EXPECT_EQ(page.activeElement()->tagName(), "BODY");
    ASSERT_TRUE(page.PlaceCaretAfter("Hello"));
    EXPECT_EQ(page.selection().type(), "None");
    EXPECT_EQ(page.activeElement()->id(), "intro");
    ASSERT_TRUE(page.SelectText("world"));
    EXPECT_EQ(page.selection().type(), "Text");
    EXPECT_EQ(page.selection().createRange()->htmlText(), "world");
    ASSERT_TRUE(page.SelectElement("Ambrel Widgets:_tsqres/1.tsq"));
    EXPECT_EQ(page.selection().type(), "Control");
    EXPECT_EQ(page.activeElement()->tagName(), "APPLET");
    EXPECT_FALSE(page.SelectElement("missing"));
}

TEST(MemoryDocument, AClickSelectsAWidgetWholeAndPutsTheCaretIntoText) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage(kPage);
    ASSERT_TRUE(page.ClickElement("Ambrel Widgets:_tsqres/1.tsq"));
    EXPECT_EQ(page.selection().type(), "Control");
    EXPECT_EQ(page.activeElement()->id(), "Ambrel Widgets:_tsqres/1.tsq");
    ASSERT_TRUE(page.ClickElement("intro"));
    EXPECT_EQ(page.selection().type(), "None");
    EXPECT_EQ(page.activeElement()->id(), "intro");
}

TEST(MemoryDocument, PasteAtACaretSplitsTheTextAndLeavesTheCaretAfterThePaste) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage(kPage);
    page.PlaceCaretAfter("Hello ");
    EXPECT_EQ(Paste(page, "<b id=\"new\">bold</b>"),
              "<p id=\"intro\">Hello <b id=\"new\">bold</b>world</p>"
              "<applet id=\"Ambrel Widgets:_tsqres/1.tsq\" code=\"tlwbtn.class\">"
              "<param name=\"Notice\" value=\"x\"></applet>");
    EXPECT_EQ(Paste(page, "!"), "<p id=\"intro\">Hello <b id=\"new\">bold</b>!world</p>"
                                "<applet id=\"Ambrel Widgets:_tsqres/1.tsq\" code=\"tlwbtn.class\">"
                                "<param name=\"Notice\" value=\"x\"></applet>");
}

TEST(MemoryDocument, PasteOverSelectedTextOrElementReplacesIt) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage(kPage);
    page.SelectText("world");
    EXPECT_EQ(Paste(page, "<i>there</i>").substr(0, 36), "<p id=\"intro\">Hello <i>there</i></p>");

    page.SelectElement("Ambrel Widgets:_tsqres/1.tsq");
    EXPECT_EQ(Paste(page, "<applet id=\"Ambrel Widgets:_tsqres/2.tsq\"></applet>"),
              "<p id=\"intro\">Hello <i>there</i></p>"
              "<applet id=\"Ambrel Widgets:_tsqres/2.tsq\"></applet>");
}

TEST(MemoryDocument, ClearRemovesTheSelectedElementAndPasteFillsItsPlace) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage("<p>a</p><img id=\"i\" src=\"x.gif\"><p>b</p>");
    page.SelectElement("i");
    EXPECT_TRUE(page.selection().clear());
    EXPECT_EQ(page.selection().type(), "None");
    EXPECT_EQ(page.BodyHtml(), "<p>a</p><p>b</p>");
    EXPECT_EQ(Paste(page, "<hr>"), "<p>a</p><hr><p>b</p>");
}

TEST(MemoryDocument, ATransactionIsUndoneAndRedoneInOneStep) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage(kPage);
    page.SelectElement("Ambrel Widgets:_tsqres/1.tsq");
    {
        auto transaction = page.createUndoTransaction("InsertWidget");
        page.selection().clear();
        page.selection().createRange()->pasteHTML("<applet id=\"two\"></applet>");
        // Another transaction inside joins the open one.
        auto inner = page.createUndoTransaction("Inner");
        page.selection().createRange()->pasteHTML("<br>");
        inner->commit();
        transaction->commit();
    }
    EXPECT_EQ(page.UndoNames(), std::vector<std::string>{"InsertWidget"});
    std::string changed = page.BodyHtml();
    ASSERT_TRUE(page.Undo());
    EXPECT_EQ(page.BodyHtml(), kPage);
    EXPECT_FALSE(page.Undo());
    ASSERT_TRUE(page.Redo());
    EXPECT_EQ(page.BodyHtml(), changed);
}

TEST(MemoryDocument, EditsOutsideATransactionAreStepsOfTheirOwn) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage("<p>x</p>");
    page.PlaceCaretAfter("x");
    Paste(page, "1");
    Paste(page, "2");
    EXPECT_EQ(page.UndoNames(), (std::vector<std::string>{"Paste", "Paste"}));
    page.Undo();
    EXPECT_EQ(page.BodyHtml(), "<p>x1</p>");
}

TEST(MemoryDocument, AnUncommittedTransactionClosesWhenDroppedAndAnEmptyOneLeavesNoStep) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage("<p>x</p>");
    page.createUndoTransaction("Nothing")->commit();
    EXPECT_TRUE(page.UndoNames().empty());
    {
        auto transaction = page.createUndoTransaction("Dropped");
        page.selection().createRange()->pasteHTML("<p>y</p>");
    }
    EXPECT_EQ(page.UndoNames(), std::vector<std::string>{"Dropped"});
    // The history is closed again: the next edit is a step of its own.
    page.selection().createRange()->pasteHTML("<p>z</p>");
    EXPECT_EQ(page.UndoNames().size(), 2u);
}

TEST(MemoryDocument, ARangeMadeBeforeAnEditFailsInsteadOfPastingSomewhereElse) {
    CMemoryPageEditor editor;
    CMemoryDocument& page = editor.NewPage("<p>abc</p>");
    page.SelectText("b");
    auto stale = page.selection().createRange();
    page.selection().clear();
    EXPECT_FALSE(stale->pasteHTML("X"));
    EXPECT_EQ(editor.LastErrorDescription(),
              "The range no longer matches the page: it was edited since.");
    EXPECT_EQ(page.BodyHtml(), "<p>ac</p>");
}

TEST(MemoryDocument, RangesAndTransactionsOutliveTheirPageHarmlessly) {
    CMemoryPageEditor editor;
    editor.NewPage("<p>abc</p>");
    auto range = editor.ActiveDocument()->selection().createRange();
    auto transaction = editor.ActiveDocument()->createUndoTransaction("Late");
    editor.ClosePage();
    EXPECT_EQ(editor.ActiveDocument(), nullptr);
    EXPECT_EQ(editor.ActivePageWindow(), nullptr);
    EXPECT_FALSE(range->pasteHTML("x"));
    transaction->commit();
}

} // namespace
