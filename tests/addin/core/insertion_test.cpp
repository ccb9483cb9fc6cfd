// Clicks on a widget button on the in-memory editor: which pages take a widget, a new widget
// saved into the page's "_tsqres" and pasted in one undo step, a selected widget edited in its
// own file and replaced, and nothing pasted when the widget file could not be written.

#include <gtest/gtest.h>

#include <filesystem>

#include "addin/core/pageaccess.h"
#include "addin/core/widgetinsertion.h"
#include "tests/addin/core/addintest.h"
#include "tests/support/renamefailure.h"
#include "tests/support/scriptedui.h"

using namespace tb::addin;
using namespace tb::host;
using tb::UiAnswer;
using tb::test::g_nDesignerRuns;

namespace {

const char kNewFile[] = "_tsqres/46000.5_TesseraServer.Brisko.tsq";
const char kNewId[] = "Ambrel Widgets:_tsqres/46000.5_TesseraServer.Brisko.tsq";

// The widget files of a folder (the media copied beside them are not counted).
size_t WidgetFilesIn(const std::string& folder) {
    size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        n += entry.path().extension() == ".tsq";
    return n;
}

class WidgetInsertion : public tb::test::AddInFixture {
protected:
    // The form closes with OK on a blank widget.
    void ChooseBlank() {
        m_form.onShow = [](CNewWidgetChooser& chooser) {
            chooser.SetOption(OptionBlank);
            EXPECT_TRUE(chooser.Ok());
        };
    }
    // The widget file a widget element of the page names, read by a fresh component.
    std::string TitleOf(const std::string& relative) {
        CWidgetObjectForTest widget;
        EXPECT_TRUE(widget.ReadConfigFile(SiteFile(relative)));
        return widget.GetTitle();
    }
};

TEST_F(WidgetInsertion, APageNeverSavedGetsNoWidget) {
    m_editor.NewPage("<p>text</p>");
    tb::test::ExpectUi ui;
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("You must save this file before using Ambrel widgets."));
    MakeInsertion().OnClick(0);
    EXPECT_EQ(ui.calls()[0].icon, tb::MbIcon::Information);
    EXPECT_EQ(m_form.nShows, 0);
    EXPECT_EQ(m_editor.Page()->BodyHtml(), "<p>text</p>");
}

TEST_F(WidgetInsertion, OutsideTheNormalViewThePersonIsAskedToSwitch) {
    OpenPage("<p>text</p>");
    m_editor.SetViewMode(ViewModeHtml);
    tb::test::ExpectUi ui;
    const std::string question = "You must switch to design window to use Ambrel widgets.\r\n"
                                 "Switch to normal view mode now?";
    ui.Expect(UiAnswer::Message(IDNO).WithText(question));
    EXPECT_FALSE(IsInsertable(m_editor));
    EXPECT_EQ(m_editor.ViewMode(), ViewModeHtml);
    ui.Expect(UiAnswer::Message(IDYES).WithText(question));
    EXPECT_TRUE(IsInsertable(m_editor));
    EXPECT_EQ(m_editor.ViewMode(), ViewModeNormal);
    EXPECT_EQ(ui.calls()[0].buttons, tb::MbButtons::YesNo);
    EXPECT_EQ(ui.calls()[0].icon, tb::MbIcon::Question);
}

TEST_F(WidgetInsertion, ANewWidgetIsSavedBesideThePageAndPastedInOneUndoStep) {
    OpenPage("<p id=\"p\">before</p><p>after</p>");
    m_editor.Page()->PlaceCaretAfter("before");
    ChooseBlank();
    MakeInsertion().OnClick(0);
    EXPECT_EQ(m_form.nShows, 1);
    EXPECT_EQ(g_nDesignerRuns, 1);

    ASSERT_TRUE(std::filesystem::is_regular_file(SiteFile(kNewFile)));
    EXPECT_EQ(TitleOf(kNewFile), "FP46000.5");
    CWidgetObjectForTest saved;
    ASSERT_TRUE(saved.ReadConfigFile(SiteFile(kNewFile)));
    EXPECT_EQ(saved.GetPreviewPath(), "_tsqres/");
    EXPECT_EQ(saved.GetProgID(), "TesseraServer.Brisko");
    const std::string body = m_editor.Page()->BodyHtml();
    EXPECT_NE(body.find(std::string("<applet id=\"") + kNewId + "\""), std::string::npos) << body;
    // The HTML refers to the media through the page's widget folder.
    EXPECT_NE(body.find("_tsqres/"), std::string::npos);
    EXPECT_EQ(m_editor.Page()->UndoNames(), std::vector<std::string>{"InsertWidget"});

    ASSERT_TRUE(m_editor.Page()->Undo());
    EXPECT_EQ(m_editor.Page()->BodyHtml(), "<p id=\"p\">before</p><p>after</p>");
}

TEST_F(WidgetInsertion, TwoWidgetsInOneSecondGetFilesOfTheirOwn) {
    OpenPage("<p>text</p>");
    m_editor.Page()->PlaceCaretAtEnd();
    ChooseBlank();
    MakeInsertion().OnClick(0);
    m_editor.Page()->PlaceCaretAtEnd();
    MakeInsertion().OnClick(0);
    EXPECT_EQ(WidgetFilesIn(SiteFile("_tsqres")), 2u);
    const std::string later = "_tsqres/46000.5000115741_TesseraServer.Brisko.tsq";
    ASSERT_TRUE(std::filesystem::is_regular_file(SiteFile(later)));
    EXPECT_EQ(TitleOf(kNewFile), "FP46000.5");
    EXPECT_EQ(TitleOf(later), "FP46000.5000115741");
}

TEST_F(WidgetInsertion, CancelOrAFailedDesignerInsertsNothing) {
    OpenPage("<p>text</p>");
    MakeInsertion().OnClick(0); // the form is cancelled
    EXPECT_EQ(m_form.nShows, 1);
    EXPECT_EQ(g_nDesignerRuns, 0);

    ChooseBlank();
    m_component.SetDesigner(nullptr); // Config fails as where no designer can show
    MakeInsertion().OnClick(0);
    EXPECT_EQ(m_editor.Page()->BodyHtml(), "<p>text</p>");
    EXPECT_FALSE(std::filesystem::exists(SiteFile(kNewFile)));
}

TEST_F(WidgetInsertion, AWidgetFileThatCannotBeSavedLeavesThePageAsItWas) {
    OpenPage("<p>text</p>");
    ChooseBlank();
    tb::test::ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK)); // the component's own report of the failed save
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save widget into file error!"));
    {
        tb::test::RenameFailure failure;
        MakeInsertion().OnClick(0);
    }
    EXPECT_EQ(m_editor.Page()->BodyHtml(), "<p>text</p>");
    EXPECT_TRUE(m_editor.Page()->UndoNames().empty());
}

TEST_F(WidgetInsertion, ASelectedWidgetIsEditedInItsOwnFileAndReplacedInOneStep) {
    OpenPage("<p>text</p>");
    m_editor.Page()->PlaceCaretAtEnd();
    ChooseBlank();
    MakeInsertion().OnClick(0);
    const std::string inserted = m_editor.Page()->BodyHtml();

    // Any button edits the selected widget, with the component its file names: here a
    // button whose ProgID is spelt otherwise, so that it differs from the file's.
    m_tables.progIds.push_back("tesseraserver.brisko");
    m_tables.componentFolders.push_back(m_tables.componentFolders[0]);
    ASSERT_TRUE(m_editor.Page()->SelectElement(kNewId));
    MakeInsertion().OnClick(1);
    EXPECT_EQ(m_form.nShows, 1) << "no form for an existing widget";
    EXPECT_EQ(g_nDesignerRuns, 2);
    const std::string body = m_editor.Page()->BodyHtml();
    EXPECT_NE(body, inserted);
    EXPECT_EQ(body.find("<applet"), body.rfind("<applet")) << "the element is replaced";
    EXPECT_NE(body.find(kNewId), std::string::npos);
    EXPECT_EQ(m_editor.Page()->UndoNames(),
              (std::vector<std::string>{"InsertWidget", "InsertWidget"}));
    ASSERT_TRUE(m_editor.Page()->Undo());
    EXPECT_EQ(m_editor.Page()->BodyHtml(), inserted);
}

TEST_F(WidgetInsertion, AWidgetWhoseComponentIsMissingOrWhoseFileIsGoneIsReported) {
    std::filesystem::create_directories(SiteFile("_tsqres"));
    tb::test::WriteForeignWidgetFile(SiteFile("_tsqres/theirs.tsq"));
    OpenPage("<applet id=\"Ambrel Widgets:_tsqres\\theirs.tsq\"></applet>"
             "<applet id=\"Ambrel Widgets:_tsqres/gone.tsq\"></applet>");
    tb::test::ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("This widget is not installed in your machine!"));
    m_editor.Page()->SelectElement("Ambrel Widgets:_tsqres\\theirs.tsq");
    MakeInsertion().OnClick(0);
    EXPECT_EQ(g_nDesignerRuns, 0);

    // A file that is gone: reported, then designed afresh and written again.
    ui.Expect(UiAnswer::Message(IDOK).WithText("Read configuration file error!"));
    m_editor.Page()->SelectElement("Ambrel Widgets:_tsqres/gone.tsq");
    MakeInsertion().OnClick(0);
    EXPECT_EQ(g_nDesignerRuns, 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(SiteFile("_tsqres/gone.tsq")));
}

TEST_F(WidgetInsertion, AChosenFileInThePagesWidgetFolderIsEditedInPlace) {
    std::filesystem::create_directories(SiteFile("_tsqres"));
    WriteWidgetFile(SiteFile("_tsqres/mine.tsq"), "Mine");
    OpenPage("<p>text</p>");
    m_form.onShow = [this](CNewWidgetChooser& chooser) {
        chooser.SetOption(OptionExistingFile);
        chooser.SetWidgetFile(SiteFile("_tsqres/mine.tsq"));
        EXPECT_TRUE(chooser.Ok());
    };
    MakeInsertion().OnClick(0);
    EXPECT_EQ(WidgetFilesIn(SiteFile("_tsqres")), 1u) << "no copy was made";
    EXPECT_NE(m_editor.Page()->BodyHtml().find("Ambrel Widgets:_tsqres/mine.tsq"),
              std::string::npos);
    EXPECT_EQ(TitleOf("_tsqres/mine.tsq"), "Mine");

    // A file elsewhere is copied into a new widget file of the page.
    tb::test::TempDir elsewhere;
    WriteWidgetFile(elsewhere.file("other.tsq"), "Other");
    m_form.onShow = [&](CNewWidgetChooser& chooser) {
        chooser.SetOption(OptionExistingFile);
        chooser.SetWidgetFile(elsewhere.file("other.tsq"));
        EXPECT_TRUE(chooser.Ok());
    };
    m_editor.Page()->PlaceCaretAtEnd();
    MakeInsertion().OnClick(0);
    EXPECT_EQ(WidgetFilesIn(SiteFile("_tsqres")), 2u);
    EXPECT_EQ(TitleOf(kNewFile), "FP46000.5");
}

} // namespace
