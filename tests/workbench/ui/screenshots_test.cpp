// Pictures of the workbench for people to look at: the main window at the first start and
// with a widget loaded, its dialogs, and the help window on one of the workbench's pages,
// written into the build's screenshots folder. The pictures the help pages show are saved
// once more under their names there (scripts/update-help-pictures.sh copies them).

#include "tests/workbench/ui/workbenchfixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

#include "platform/ui/qt/helpwindow.h"
#include "tests/support/screenshot.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/aboutdialog.h"
#include "workbench/browserdialog.h"
#include "workbench/core/aboutdata.h"
#include "workbench/core/browseroptions.h"
#include "workbench/core/commandids.h"
#include "workbench/creditsscroller.h"
#include "workbench/supportfilesdialog.h"
#include "workbench/templatedialogs.h"
#include "workbench/workbenchhelp.h"

using namespace tb;
using namespace tb::test;

using Screenshots = WorkbenchFixture;

namespace {

// The picture, and a copy under the name the help pages show it by.
void SaveWithHelpCopy(const QImage& image, const char* name, const char* helpName) {
    EXPECT_TRUE(image.save(ShotPath(name)));
    EXPECT_TRUE(image.save(ShotPath("help/") + QLatin1String(helpName)));
}

// Shows a dialog without its event loop, as it looks once it has come up.
QImage DialogShot(QDialog& dialog) {
    dialog.show();
    QCoreApplication::processEvents();
    return Framed(dialog);
}

} // namespace

TEST_F(Screenshots, TheMainWindowAtTheFirstStart) {
    Start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(Frame()).save(ShotPath("workbench-first-start.png")));
    Exit();
}

TEST_F(Screenshots, TheMainWindowWithAWidgetLoaded) {
    // Registered as an installed program is, so that the status bar has nothing to report.
    RegisterBuiltComponent();
    const std::string path = dir.file("Blue Glass Bar.tsq");
    WriteFileBytes(path, ReadFileBytes(ProgramDir() + "/blueglassbar.tsq"));
    {
        const CDesignerDriver designer;
        Start({path});
    }
    Frame().UpdateCommandStates();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().StatusText(), "Ready");
    SaveWithHelpCopy(Framed(Frame()), "workbench-main.png", "mainframe.png");
    ui.Expect(UiAnswer::Message(IDNO)); // the designer was closed with OK
    Exit();
}

TEST_F(Screenshots, TheRenameDialog) {
    Start();
    bool bSaved = false;
    const CDialogDriver driver("Rename", [&](QWidget& dialog) {
        QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        ASSERT_EQ(edits.size(), 2);
        edits[0]->setText(QStringLiteral("BlueGlassBar"));
        edits[1]->setText(QStringLiteral("Five glass buttons for the top of a page"));
        QCoreApplication::processEvents();
        bSaved = Framed(dialog).save(ShotPath("workbench-rename.png")) &&
                 Framed(dialog).save(ShotPath("help/drename.png"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(ID_EDIT_RENAME)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_TRUE(bSaved);
    Exit();
}

TEST_F(Screenshots, TheFileMenuWithARecentFile) {
    Start();
    ui.Expect(UiAnswer::SaveFile(dir.file("Blue Glass Bar.tsq")));
    Action(ID_FILE_SAVE_AS)->trigger();
    QMenu* pFile = Frame().menuBar()->actions()[0]->menu();
    pFile->popup(Frame().mapToGlobal(QPoint(0, 0)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(pFile->grab().save(ShotPath("workbench-file-menu.png")));
    pFile->close();
    Exit();
}

TEST_F(Screenshots, TheAboutBoxWithTheCreditsUnderWay) {
    Start();
    CAboutDlg dialog(InstallationAboutData(), &Frame());
    dialog.show();
    CCreditsScroller& credits = dialog.Credits();
    // Still, at the place where the title has come up: the picture must not depend on the
    // timer.
    credits.SetSpeed(0);
    while (credits.LineTop(0) > 12)
        credits.Step();
    SaveWithHelpCopy(DialogShot(dialog), "workbench-about.png", "dhelpabout.png");
    dialog.hide();
    Exit();
}

TEST_F(Screenshots, TheWebBrowserDialogWithTheUsersOwnBrowsers) {
    Start();
    // Installed browsers as this machine may have them, whatever this one has.
    const BrowserList::ProgramLookup lookup = [](const std::string& program) {
        return program == "firefox" || program == "chromium" ? "/usr/bin/" + program
                                                             : std::string();
    };
    {
        BrowserList browsers(lookup);
        ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/lynxview/bin/lynxview", "Text View"));
        ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/usr/local/bin/nightly", "Nightly Build"));
    }
    CDlgWebBrowser dialog(&Frame(), lookup);
    dialog.SpecifiedList().setCurrentRow(1);
    dialog.NameEdit().setText(QStringLiteral("Kiosk"));
    dialog.PathEdit().setText(QStringLiteral("/usr/bin/kiosk-browser"));
    SaveWithHelpCopy(DialogShot(dialog), "workbench-web-browser.png", "dbrowser.png");
    dialog.hide();
    Exit();
}

TEST_F(Screenshots, TheTemplateAndSupportFilesDialogs) {
    Start();
    {
        CDlgSaveAsTemplate dialog(*Doc().Tessera(), templates.path(), &Frame());
        SaveWithHelpCopy(DialogShot(dialog), "workbench-save-as-template.png",
                         "dsaveastemplate.png");
    }
    {
        CDlgManageTemplates dialog(templates.path(), &Frame());
        SaveWithHelpCopy(DialogShot(dialog), "workbench-manage-templates.png",
                         "dmanagetemplate.png");
    }
    {
        CDlgSupportFiles dialog(*Doc().Tessera(), &Frame());
        SaveWithHelpCopy(DialogShot(dialog), "workbench-support-files.png", "dsupportfiles.png");
    }
    Exit();
}

TEST_F(Screenshots, TheHelpWindowOnTheTutorial) {
    SetHelpFolder(ProgramDir() + "/TesseraBrisko.help");
    Start();
    ASSERT_TRUE(ShowWorkbenchHelp(ID_HELP_TUTORIAL));
    CHelpWindow* pWindow = CHelpWindow::Existing();
    pWindow->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(*pWindow).save(ShotPath("workbench-help-tutorial.png")));
    pWindow->hide();
    SetHelpFolder("");
    Exit();
}
