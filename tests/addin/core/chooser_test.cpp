// The decisions of the form "New Widget": its template list, OK's checks and messages, and
// the preview of each choice written into a private scratch folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "addin/core/newwidgetchooser.h"
#include "tests/addin/core/addintest.h"
#include "tests/support/scriptedui.h"

using namespace tb::addin;
using tb::UiAnswer;

namespace {

class Chooser : public tb::test::AddInFixture {
protected:
    Chooser() {
        m_chooser.SetPreviewPane(&m_pane);
        m_chooser.SetUserTemplateFolder(m_userTemplates.path());
        m_chooser.sProgID = tb::test::kBriskoProgId;
        m_chooser.sTesseraPath = m_tables.componentFolders[0];
        m_chooser.sHTMLFilePath = m_site.path() + "/";
    }
    std::string ComponentFile(const std::string& name) const {
        return m_component.Folder().file(name);
    }

    tb::test::TempDir m_userTemplates;
    tb::test::CNavigationLog m_pane;
    CNewWidgetChooser m_chooser;
};

TEST_F(Chooser, ListsTheKindsTemplatesOfBothFoldersAndRebuildsOnlyForAnotherKind) {
    WriteWidgetFile(ComponentFile("Shipped_TesseraServer.Brisko.tsq"), "Shipped");
    tb::test::WriteForeignWidgetFile(ComponentFile("Theirs_Other.Widget.tsq"));
    tb::test::WriteFileBytes(ComponentFile("broken.tsq"), "not a widget file");
    WriteWidgetFile(m_userTemplates.file("Mine_TesseraServer.Brisko.tsq"), "Mine");
    ASSERT_TRUE(m_chooser.InitForm());
    std::vector<std::string> titles = m_chooser.TemplateTitles();
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"Mine", "Shipped"}));
    EXPECT_EQ(m_chooser.TemplateTitles()[0], "Shipped") << "the component's folder first";
    EXPECT_EQ(m_chooser.SelectedTemplate(), 0);
    EXPECT_EQ(m_chooser.Option(), OptionTemplate);

    // The same kind again keeps the list as it was.
    WriteWidgetFile(ComponentFile("Later_TesseraServer.Brisko.tsq"), "Later");
    m_chooser.SelectTemplate(1);
    ASSERT_TRUE(m_chooser.InitForm());
    EXPECT_EQ(m_chooser.TemplateTitles().size(), 2u);
    EXPECT_EQ(m_chooser.SelectedTemplate(), 1);

    // Another kind (no template names it) gets a list of its own, and a blank start.
    m_chooser.sProgID = "tesseraserver.brisko";
    ASSERT_TRUE(m_chooser.InitForm());
    EXPECT_TRUE(m_chooser.TemplateTitles().empty());
    EXPECT_EQ(m_chooser.SelectedTemplate(), -1);
    EXPECT_EQ(m_chooser.Option(), OptionBlank);

    m_chooser.sProgID = "Not.Installed";
    EXPECT_FALSE(m_chooser.InitForm());
}

TEST_F(Chooser, AFileWithoutATitleIsListedWithAnEmptyOneNotTheLastFilesTitle) {
    WriteWidgetFile(ComponentFile("A_TesseraServer.Brisko.tsq"), "A");
    tb::test::WriteFileBytes(m_userTemplates.file("B_TesseraServer.Brisko.tsq"),
                             "========== Description Part Begin ==========\r\n"
                             "ProgID = TesseraServer.Brisko\r\n"
                             "========== Description Part End ==========\r\n");
    ASSERT_TRUE(m_chooser.InitForm());
    EXPECT_EQ(m_chooser.TemplateTitles(), (std::vector<std::string>{"A", ""}));
}

TEST_F(Chooser, OkChecksTheChoiceAndAsksAboutAWidgetOfAnotherKind) {
    tb::test::WriteForeignWidgetFile(m_site.file("theirs.tsq"));
    ASSERT_TRUE(m_chooser.InitForm());
    tb::test::ExpectUi ui;
    m_chooser.SetPreview(false);

    m_chooser.SetOption(OptionTemplate);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a template."));
    EXPECT_FALSE(m_chooser.Ok());

    m_chooser.SetOption(OptionExistingFile);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a widget file."));
    EXPECT_FALSE(m_chooser.Ok());

    m_chooser.SetWidgetFile(m_site.file("missing.tsq"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("This widget can't be created!"));
    EXPECT_FALSE(m_chooser.Ok());

    m_chooser.SetWidgetFile(m_site.file("theirs.tsq"));
    const std::string question = "This widget is another type, Are you sure to insert it?";
    ui.Expect(UiAnswer::Message(IDNO).WithText(question));
    EXPECT_FALSE(m_chooser.Ok());
    EXPECT_FALSE(m_chooser.bOk);
    ui.Expect(UiAnswer::Message(IDYES).WithText(question));
    EXPECT_TRUE(m_chooser.Ok());
    EXPECT_TRUE(m_chooser.bOk);
    EXPECT_EQ(m_chooser.sTemplateTsqFile, m_site.file("theirs.tsq"));

    m_chooser.Cancel();
    EXPECT_FALSE(m_chooser.bOk);
    EXPECT_EQ(m_chooser.sTemplateTsqFile, "");

    m_chooser.SetOption(OptionBlank);
    EXPECT_TRUE(m_chooser.Ok());
    EXPECT_EQ(m_chooser.sTemplateTsqFile, "");
}

TEST_F(Chooser, BrowseStartsInThePagesWidgetFolderAndPreviewsTheChosenFile) {
    ASSERT_TRUE(m_chooser.InitForm());
    m_chooser.SetOption(OptionExistingFile);
    tb::test::WriteForeignWidgetFile(m_site.file("theirs.tsq"));
    tb::test::ExpectUi ui;
    ui.Expect(UiAnswer::OpenFile(m_site.file("theirs.tsq"))
                  .WithText("Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*"));
    m_chooser.Browse();
    EXPECT_EQ(ui.calls()[0].file.initialFolder, m_site.path() + "/_tsqres/");
    EXPECT_EQ(m_chooser.WidgetFile(), m_site.file("theirs.tsq"));
    // A widget of another kind cannot be previewed by this one: the component's error page.
    EXPECT_EQ(m_pane.visits.back(), ComponentFile("previewerr.htm"));

    ui.Expect(UiAnswer::Cancel(tb::UiCallKind::GetOpenFileName));
    m_chooser.Browse();
    EXPECT_EQ(m_chooser.WidgetFile(), m_site.file("theirs.tsq"));
}

TEST_F(Chooser, PreviewsArePagesInAPrivateFolderThatPlayTheWidget) {
    tb::test::WriteFileBytes(ComponentFile("tlwbtn.js"), "// player");
    WriteWidgetFile(ComponentFile("Shipped_TesseraServer.Brisko.tsq"), "Shipped", 1);
    std::string page;
    {
        CNewWidgetChooser chooser;
        chooser.SetPreviewPane(&m_pane);
        chooser.sProgID = tb::test::kBriskoProgId;
        chooser.sTesseraPath = m_tables.componentFolders[0];
        ASSERT_TRUE(chooser.InitForm());
        page = chooser.PreviewAddress();
        ASSERT_NE(page, "about:blank");
        EXPECT_EQ(page.rfind(m_component.Folder().path(), 0), std::string::npos)
            << "never inside the component's folder";
        const std::string folder = page.substr(0, page.rfind('/') + 1);
        const std::string text = tb::test::ReadFileBytes(page);
        EXPECT_NE(text.find("<script src=\"tlwbtn.js\"></script>"), std::string::npos);
        EXPECT_NE(text.find("MStyle-0"), std::string::npos) << "the template's button";
        EXPECT_EQ(tb::test::ReadFileBytes(folder + "tlwbtn.js"), "// player");
        EXPECT_TRUE(std::filesystem::exists(folder + "Preview.tsq"));
        EXPECT_TRUE(std::filesystem::exists(folder + "tlwbtn.class"));

        chooser.SetPreview(false);
        EXPECT_EQ(m_pane.visits.back(), "about:blank");
        chooser.SetOption(OptionBlank);
        EXPECT_EQ(m_pane.visits.back(), "about:blank");
        chooser.SetPreview(true);
        EXPECT_EQ(m_pane.visits.back(), page);
        EXPECT_EQ(tb::test::ReadFileBytes(page).find("MStyle-0"), std::string::npos);
        chooser.SetOption(OptionExistingFile);
        EXPECT_EQ(m_pane.visits.back(), "about:blank") << "no file chosen yet";
    }
    EXPECT_FALSE(std::filesystem::exists(page)) << "the scratch folder goes with the form";
}

} // namespace
