// The program's own dialogs reached through its commands: New with its preview dialog, and
// Save as Template from the tool bar's command, on the user's template folder.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/core/paths.h"
#include "tests/workbench/ui/recordingpane.h"
#include "workbench/core/commandids.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

using WorkbenchDialogs = WorkbenchFixture;

TEST_F(WorkbenchDialogs, NewShowsTheNewDialogAndACancelledOneLeavesAnUnchangedBlankWidget) {
    CRecordingPanes panes;
    Make().UseWorkbenchDialogs();
    ASSERT_TRUE(App().InitInstance({}));
    EXPECT_EQ(panes.Count(), 0u); // the first widget comes without a dialog
    const CDialogDriver driver("New",
                               [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Action(ID_FILE_NEW)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_EQ(panes.Count(), 1u);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().Tessera()->GetTitle(), "Normal");
    Exit();
}

TEST_F(WorkbenchDialogs, SaveAsTemplateWritesIntoTheUsersFolderAndLeavesTheDocumentAsItWas) {
    Start();
    Doc().RenameWidget("Current", "Being edited");
    Doc().SetModifiedFlag(false);
    const CDialogDriver driver("Save as Template", [](QWidget& dialog) {
        QLineEdit* pName = dialog.findChildren<QLineEdit*>().front();
        pName->setText(QStringLiteral("Kept"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save as the template success!"));
    QTest::keyClick(&Frame(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(driver.Seen());
    EXPECT_TRUE(FileExists(templates.file("Kept_TesseraServer.Brisko.tsq")));
    EXPECT_EQ(Doc().Tessera()->GetTitle(), "Current");
    EXPECT_FALSE(Doc().IsModified());
    Exit();
}
