// Pictures of the workbench for people to look at: the main window at the first start and
// with a widget loaded, and the Rename dialog, written into the build's screenshots folder.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "tests/support/screenshot.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/commandids.h"

using namespace tb;
using namespace tb::test;

using Screenshots = WorkbenchFixture;

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
    EXPECT_TRUE(Framed(Frame()).save(ShotPath("workbench-main.png")));
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
        bSaved = Framed(dialog).save(ShotPath("workbench-rename.png"));
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
