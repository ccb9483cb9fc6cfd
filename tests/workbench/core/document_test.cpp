// The widget document with the built component registered: New, Open and Save with their
// checks and messages, the modified flag and the question before it is lost, and Configure
// through a designer of the test's own behind the component's seam.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "model/drawrect.h"
#include "platform/core/autodate.h"
#include "platform/core/numfmt.h"
#include "platform/core/paths.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scriptedui.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/commandids.h"
#include "workbench/core/recentfilelist.h"
#include "workbench/core/vellumotooldoc.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kAskToSaveUntitled[] = "Save changes to Untitled_TesseraServer.Brisko?";

class WidgetDocument : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterBuiltComponent();
        doc.SetRecentFileList(&recent);
        doc.SetCommandSender([this](unsigned nId) { sent.push_back(nId); });
    }

    // The value of a Description entry as the file holds it.
    static std::string DescriptionEntry(const std::string& path, const std::string& key) {
        const std::string text = ReadFileBytes(path);
        const size_t at = text.find("\r\n" + key + " = ");
        if (at == std::string::npos)
            return "<absent>";
        const size_t start = at + key.size() + 5;
        return text.substr(start, text.find("\r\n", start) - start);
    }

    // A file of ours holding a widget of that title.
    std::string SavedWidget(const std::string& name, const std::string& title) {
        CTessera widget;
        EXPECT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
        widget.SetTitle(title);
        EXPECT_TRUE(widget.WriteConfigFile(dir.file(name)));
        return dir.file(name);
    }

    CWorkbenchStringsScope strings;
    TempDir dir;
    CRecentFileList recent;
    CVellumoToolDoc doc;
    std::vector<unsigned> sent;
};

} // namespace

TEST_F(WidgetDocument, TheFirstNewShowsNoDialogAndEveryLaterOneDoes) {
    std::vector<CTessera*> dialogTargets;
    bool bAnswer = true;
    doc.SetNewDialog([&](CTessera& target) {
        dialogTargets.push_back(&target);
        return bAnswer;
    });
    ASSERT_TRUE(doc.NewDocumentFile());
    EXPECT_TRUE(dialogTargets.empty());
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(doc.IsModified());
    ASSERT_NE(doc.Tessera(), nullptr);
    EXPECT_EQ(doc.Tessera()->GetTitle(), "Normal");
    EXPECT_EQ(doc.GetTitle(), "Untitled_TesseraServer.Brisko");

    // OK: the designer is asked for at once, and the new widget counts as a change.
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_EQ(dialogTargets.size(), 1u);
    EXPECT_EQ(dialogTargets[0], doc.Tessera());
    EXPECT_EQ(sent, std::vector<unsigned>{ID_EDIT_CONFIGURE});
    EXPECT_TRUE(doc.IsModified());

    // Cancel: a fresh widget all the same, but nothing to save and no designer.
    bAnswer = false;
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDNO).WithText(kAskToSaveUntitled));
    ASSERT_TRUE(doc.NewDocumentFile());
    EXPECT_EQ(dialogTargets.size(), 2u);
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(WidgetDocument, WithoutTheNewDialogNewMakesABlankWidgetAndConfiguresIt) {
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_TRUE(doc.NewDocumentFile());
    EXPECT_EQ(sent, std::vector<unsigned>{ID_EDIT_CONFIGURE});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Tessera()->GetTitle(), "Normal");
}

TEST_F(WidgetDocument, OpenTakesOurFileAndSendsConfigure) {
    const std::string path = SavedWidget("mine.tsq", "Mine");
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(doc.Tessera()->GetTitle(), "Mine");
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), "mine.tsq");
    EXPECT_EQ(sent, std::vector<unsigned>{ID_EDIT_CONFIGURE});
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{path});
}

TEST_F(WidgetDocument, AFileOfAnotherComponentIsRefusedThoughTheComponentReadsIt) {
    const std::string mine = SavedWidget("mine.tsq", "Mine");
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_TRUE(doc.OpenDocumentFile(mine));
    doc.RenameWidget("Edited", "");
    CTessera* pBefore = doc.Tessera();
    sent.clear();

    const std::string foreign = dir.file("theirs.tsq");
    WriteForeignWidgetFile(foreign);
    CTessera reader;
    ASSERT_TRUE(reader.CreateFromProgID("TesseraServer.Brisko"));
    ASSERT_TRUE(reader.ReadConfigFile(foreign));

    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDNO).WithText("Save changes to mine.tsq?"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("This File is not saved by  Ambrel Brisko!"));
    EXPECT_FALSE(doc.OpenDocumentFile(foreign));
    // The document keeps what it had: the path it would save to must still hold that widget.
    EXPECT_EQ(doc.Tessera(), pBefore);
    EXPECT_EQ(doc.Tessera()->GetTitle(), "Edited");
    EXPECT_EQ(doc.GetPathName(), mine);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(sent.empty());
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].icon, MbIcon::Exclamation);
}

TEST_F(WidgetDocument, AFileThatCannotBeReadSaysOpenError) {
    ASSERT_TRUE(doc.NewDocumentFile());
    std::filesystem::create_directory(dir.file("folder.tsq"));
    for (const std::string& path : {dir.file("none.tsq"), dir.file("folder.tsq")}) {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDOK).WithText("Open " + path + " Error!"));
        EXPECT_FALSE(doc.OpenDocumentFile(path));
        EXPECT_EQ(doc.GetPathName(), "");
        EXPECT_NE(doc.Tessera(), nullptr);
    }
    EXPECT_TRUE(recent.Entries().empty());
}

TEST_F(WidgetDocument, SaveWritesOurProgIDAndTheTimeOfSaving) {
    ASSERT_TRUE(doc.NewDocumentFile());
    doc.Tessera()->SetProgID("Someone.Else");
    doc.RenameWidget("Stamped", "");
    const std::string path = dir.file("stamped.tsq");
    const double before = CurrentAutomationDate();
    ASSERT_TRUE(doc.DoSave(path));
    const double after = CurrentAutomationDate();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(DescriptionEntry(path, "ProgID"), "TesseraServer.Brisko");
    EXPECT_EQ(DescriptionEntry(path, "Title"), "Stamped");
    const double stamp = AtoF(DescriptionEntry(path, "LastUpdateTime"));
    const double second = 1.0 / 86400;
    EXPECT_GE(stamp, before - second);
    EXPECT_LE(stamp, after + second);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{path});
}

TEST_F(WidgetDocument, AFailedSaveSaysSoKeepsTheChangesAndTheOldFile) {
    const std::string path = SavedWidget("kept.tsq", "Kept");
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    doc.RenameWidget("Changed", "");
    const std::string before = ReadFileBytes(path);
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save to " + path + " Error!"));
    {
        FileSizeLimit diskFull(64);
        EXPECT_FALSE(doc.DoFileSave());
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadFileBytes(path), before);
    // A path that cannot be written at all (its folder is not there) neither: the document
    // keeps its own path.
    const std::string nowhere = dir.file("gone/kept.tsq");
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save to " + nowhere + " Error!"));
    EXPECT_FALSE(doc.DoSave(nowhere));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    // Once the disk has room again, the same document saves.
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(DescriptionEntry(path, "Title"), "Changed");
}

TEST_F(WidgetDocument, SaveAsAsksWithTheWidgetFilterAndTakesTheNewPath) {
    doc.SetDialogFolder(dir.path());
    ASSERT_TRUE(doc.NewDocumentFile());
    ExpectUi ui;
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetSaveFileName));
    EXPECT_FALSE(doc.DoSave({}));
    ui.Expect(UiAnswer::SaveFile(dir.file("named.tsq")));
    ASSERT_TRUE(doc.DoSave({}));
    ASSERT_EQ(ui.calls().size(), 2u);
    const FileDialogRequest& request = ui.calls()[1].file;
    EXPECT_EQ(request.filter, "Ambrel Widgets File(*.tsq) |*.tsq|All Files (*.*)|*.*||");
    EXPECT_EQ(request.initialFile, "Untitled_TesseraServer.Brisko.tsq");
    EXPECT_EQ(request.initialFolder, dir.path());
    EXPECT_EQ(request.defaultExtension, ".tsq");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(doc.GetTitle(), "named.tsq");
    EXPECT_TRUE(FileExists(dir.file("named.tsq")));
}

TEST_F(WidgetDocument, TheQuestionBeforeLosingChangesFollowsTheAnswer) {
    ASSERT_TRUE(doc.NewDocumentFile());
    doc.RenameWidget("Unsaved", "");
    CTessera* pWidget = doc.Tessera();
    {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDCANCEL).WithText(kAskToSaveUntitled));
        EXPECT_FALSE(doc.NewDocumentFile());
        // Yes, then Cancel in the save dialog: still nothing lost.
        ui.Expect(UiAnswer::Message(IDYES).WithText(kAskToSaveUntitled));
        ui.Expect(UiAnswer::Cancel(UiCallKind::GetSaveFileName));
        EXPECT_FALSE(doc.NewDocumentFile());
        ASSERT_EQ(ui.calls().size(), 3u);
        EXPECT_EQ(ui.calls()[0].buttons, MbButtons::YesNoCancel);
        EXPECT_EQ(ui.calls()[0].icon, MbIcon::Question);
    }
    EXPECT_EQ(doc.Tessera(), pWidget);
    EXPECT_TRUE(doc.IsModified());
    {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDYES).WithText(kAskToSaveUntitled));
        ui.Expect(UiAnswer::SaveFile(dir.file("asked.tsq")));
        EXPECT_TRUE(doc.NewDocumentFile());
    }
    EXPECT_EQ(DescriptionEntry(dir.file("asked.tsq"), "Title"), "Unsaved");
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(WidgetDocument, WithoutItsComponentNewFailsAndSaveWritesNothing) {
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_EQ(CallServerRegistration(ProgramDir() + "/TesseraBrisko.so", "DllUnregisterServer"),
              S_OK);
    ExpectUi ui;
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("Create the dispatch of the TesseraServer.Brisko Error!"));
    EXPECT_FALSE(doc.NewDocumentFile());
    EXPECT_EQ(doc.Tessera(), nullptr);
    EXPECT_TRUE(doc.DoSave(dir.file("nothing.tsq")));
    EXPECT_FALSE(FileExists(dir.file("nothing.tsq")));
    EXPECT_FALSE(doc.ConfigureWidget());
    EXPECT_FALSE(doc.HasSupportFiles());
    EXPECT_FALSE(doc.CanViewSample());
}

TEST_F(WidgetDocument, RenameChangesTitleAndDescriptionAndMarksTheDocument) {
    ASSERT_TRUE(doc.NewDocumentFile());
    doc.RenameWidget("Blue", "Three blue buttons");
    EXPECT_EQ(doc.Tessera()->GetTitle(), "Blue");
    EXPECT_EQ(doc.Tessera()->GetDescription(), "Three blue buttons");
    EXPECT_TRUE(doc.IsModified());
    // Every widget lists the applet class file, so Support Files has something to copy.
    EXPECT_TRUE(doc.HasSupportFiles());
}

namespace {

int g_nDesignerRuns = 0;

void DesignerAddingAButton(CBrisko&, CAppletParameters& applet, const std::string&) {
    ++g_nDesignerRuns;
    applet.AddButton(std::make_unique<CDrawRect>(CRect(10, 10, 90, 40)));
}

} // namespace

TEST(WidgetDocumentConfigure, MarksTheDocumentOnlyWhenTheDesignerReportsSuccess) {
    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    CVellumoToolDoc doc;
    ASSERT_TRUE(doc.NewDocumentFile());
    ASSERT_NE(doc.Tessera(), nullptr);

    // No designer behind the seam: Config fails, nothing changed.
    EXPECT_FALSE(doc.ConfigureWidget());
    EXPECT_FALSE(doc.IsModified());

    component.SetDesigner(&DesignerAddingAButton);
    g_nDesignerRuns = 0;
    EXPECT_TRUE(doc.ConfigureWidget());
    EXPECT_EQ(g_nDesignerRuns, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.Tessera()->GetHTMLBody(0, 1).find("MStyle-0"), std::string::npos);
}

TEST(WidgetDocumentSample, ViewSampleOpensTheComponentsSamplePageWhenThereIsOne) {
    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    {
        CVellumoToolDoc doc;
        ASSERT_TRUE(doc.NewDocumentFile());
        EXPECT_FALSE(doc.CanViewSample());
        doc.ViewSample(); // opens nothing: an unexpected call would fail the test
    }
    std::filesystem::create_directory(component.Folder().file("Sample"));
    WriteFileBytes(component.Folder().file("Sample/sample.htm"), "<HTML></HTML>");
    CVellumoToolDoc doc;
    ASSERT_TRUE(doc.NewDocumentFile());
    EXPECT_TRUE(doc.CanViewSample());
    ExpectUi ui;
    ui.Expect(UiAnswer::Document().WithText(component.Folder().file("Sample/sample.htm")));
    doc.ViewSample();
}
