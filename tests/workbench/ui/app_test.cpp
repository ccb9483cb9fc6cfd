// Start-up and shutdown of the workbench: the component found or registered, the first
// widget made without a dialog, the file named on the command line, the folders of this
// platform, and the work folder gone at exit.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QStatusBar>

#include <filesystem>
#include <unistd.h>

#include "platform/core/paths.h"
#include "platform/core/userfolders.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

using WorkbenchStart = WorkbenchFixture;

TEST_F(WorkbenchStart, WithoutComponentOrModuleItSaysSoAndEndsWithoutAWindow) {
    TempDir bareProgramFolder;
    CVellumoToolApp& app = Make(bareProgramFolder.path());
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("Create the dispatch of the TesseraServer.Brisko Error!"));
    EXPECT_FALSE(app.InitInstance({}));
    EXPECT_FALSE(app.MainFrame()->isVisible());
    // Without a widget there is nothing to publish.
    for (int nId : {1024, 1025, 1026})
        EXPECT_FALSE(app.View()->Button(nId)->isEnabled()) << nId;
    EXPECT_EQ(app.ExitInstance(), 0);
}

TEST_F(WorkbenchStart, RegistersTheComponentBesideTheProgramAndSaysSoInTheStatusBar) {
    CVellumoToolApp& app = Start();
    ASSERT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().StatusText(),
              "The widget component TesseraBrisko.so beside the program is now registered.");
    EXPECT_EQ(RegisteredModulePath(), ProgramDir() + "/TesseraBrisko.so");
    // The first widget, without a dialog and without the designer.
    ASSERT_NE(Doc().Tessera(), nullptr);
    EXPECT_EQ(Doc().Tessera()->GetTitle(), "Normal");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Frame().windowTitle(), "Untitled_TesseraServer.Brisko[*] - Ambrel Brisko");
    // The next command brings the usual text back.
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetSaveFileName));
    Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(Frame().StatusText(), "Ready");
    EXPECT_EQ(app.ExitInstance(), 0);
    Exit();

    // Registered now: the next start has nothing to say.
    Start();
    EXPECT_EQ(Frame().StatusText(), "Ready");
    Exit();
}

TEST_F(WorkbenchStart, TheFileDialogsStartInMyWidgetAmongTheUsersDocuments) {
    Start();
    const std::string myWidget = documents.file("My Widget");
    EXPECT_TRUE(DirectoryExists(myWidget));
    EXPECT_EQ(App().MyWidgetFolder(), myWidget);
    EXPECT_EQ(Doc().DialogFolder(), myWidget);
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetOpenFileName));
    Frame().SendCommand(ID_FILE_OPEN);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].file.initialFolder, myWidget);
    EXPECT_EQ(ui.calls()[0].file.filter, "Widget Files(*.tsq) | *.tsq||All Files(*.*) | *.*||");
    EXPECT_EQ(ui.calls()[0].file.defaultExtension, "");
    Exit();
}

TEST_F(WorkbenchStart, OpensTheFileOfTheCommandLineInTheDesignerRelativeToWhereItStarted) {
    WriteFileBytes(dir.file("blue.tsq"), ReadFileBytes(ProgramDir() + "/blueglassbar.tsq"));
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const CDesignerDriver designer;
    Start({"blue.tsq"});
    ASSERT_EQ(::chdir(previous), 0);
    EXPECT_TRUE(designer.DesignerOpened());
    EXPECT_EQ(Doc().GetPathName(), dir.file("blue.tsq"));
    EXPECT_EQ(Frame().windowTitle(), "blue.tsq[*] - Ambrel Brisko");
    // The designer reported success, so the widget counts as changed.
    EXPECT_TRUE(Doc().IsModified());
    ui.Expect(UiAnswer::Message(IDNO).WithText("Save changes to blue.tsq?"));
    Exit();
}

TEST_F(WorkbenchStart, AFileOnTheCommandLineThatDoesNotOpenEndsTheProgram) {
    CVellumoToolApp& app = Make();
    ui.Expect(UiAnswer::Message(IDOK).WithText("Open " + dir.file("none.tsq") + " Error!"));
    EXPECT_FALSE(app.InitInstance({dir.file("none.tsq")}));
    EXPECT_FALSE(app.MainFrame()->isVisible());
}

TEST_F(WorkbenchStart, ExitRemovesTheWorkFolderUnlessAFolderInsideKeepsIt) {
    Start();
    const std::string work = App().WorkFolder().Path();
    EXPECT_EQ(work.rfind(UserCacheFolder(), 0), 0u);
    WriteFileBytes(work + "/preview.htm", "<HTML>");
    WriteFileBytes(work + "/preview.tsq", "x");
    Exit();
    EXPECT_FALSE(DirectoryExists(work));

    Start();
    const std::string kept = App().WorkFolder().Path();
    std::filesystem::create_directory(kept + "/images");
    WriteFileBytes(kept + "/preview.htm", "<HTML>");
    Exit();
    EXPECT_TRUE(DirectoryExists(kept + "/images"));
    EXPECT_FALSE(FileExists(kept + "/preview.htm"));
    std::filesystem::remove_all(kept);
}

TEST_F(WorkbenchStart, ClosingAsksToSaveAChangedWidgetAndCancelKeepsTheWindow) {
    Start();
    Doc().RenameWidget("Changed", "");
    EXPECT_TRUE(Frame().isWindowModified());
    ui.Expect(
        UiAnswer::Message(IDCANCEL).WithText("Save changes to Untitled_TesseraServer.Brisko?"));
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    ui.Expect(UiAnswer::Message(IDYES).WithText("Save changes to Untitled_TesseraServer.Brisko?"));
    ui.Expect(UiAnswer::SaveFile(dir.file("changed.tsq")));
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(FileExists(dir.file("changed.tsq")));
    App().ExitInstance();
}
