// The Support Files dialog over the built component's widget: its rows all selected, the
// messages of "Copy to...", and the copy itself.

#include <gtest/gtest.h>

#include <QTreeWidget>

#include "tests/support/scriptedui.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"
#include "workbench/supportfilesdialog.h"

using namespace tb;
using namespace tb::test;

TEST(SupportFilesDialog, ListsTheWidgetsFilesSelectedAndCopiesTheSelectedOnes) {
    EnsureWidgetApp();
    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    TempDir saved;
    TempDir target;
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    // Saving gathers the applet's class file beside the widget file, and lists it.
    ASSERT_TRUE(widget.WriteConfigFile(saved.file("w.tsq")));
    ASSERT_GT(widget.GetResourceNumber(), 0);

    CDlgSupportFiles dialog(widget);
    QTreeWidget* pList = dialog.FileList();
    EXPECT_EQ(pList->headerItem()->text(0), "File Name");
    EXPECT_EQ(pList->headerItem()->text(1), "Source File Path");
    EXPECT_EQ(pList->headerItem()->text(2), "Web Path");
    ASSERT_GT(pList->topLevelItemCount(), 0);
    EXPECT_EQ(pList->selectedItems().size(), pList->topLevelItemCount());
    EXPECT_EQ(pList->topLevelItem(0)->text(0), "tlwbtn.class");
    EXPECT_EQ(pList->topLevelItem(1)->text(0), "tlwbtn.js");

    ExpectUi ui;
    ui.Expect(UiAnswer::Folder(target.path()));
    // The component's folder here has the applet but no player: the copy names what it missed.
    ui.Expect(UiAnswer::Message(IDOK).WithText("Copy support files to " + target.path() +
                                               " success!\nThese files could not be copied: "
                                               "tlwbtn.js"));
    dialog.OnCopyTo();
    EXPECT_EQ(ui.calls()[0].text, "Choose a directory");
    EXPECT_EQ(ReadFileBytes(target.file("tlwbtn.class")), "CLASSBYTES");

    pList->clearSelection();
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select files to copy."));
    dialog.OnCopyTo();
}
