// The workbench's help: every key opens its page in the one help window, F1 in each host
// dialog opens that dialog's page, F1 in the frame the index and in the form the form's page,
// the Help menu's entries and Ordering Information, and what a missing page says where.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include "platform/ui/qt/helpwindow.h"
#include "tests/workbench/ui/recordingpane.h"
#include "workbench/aboutdialog.h"
#include "workbench/browserdialog.h"
#include "workbench/core/aboutdata.h"
#include "workbench/core/commandids.h"
#include "workbench/core/helptopics.h"
#include "workbench/insertdialog.h"
#include "workbench/newdialog.h"
#include "workbench/publishdialogs.h"
#include "workbench/renamedialog.h"
#include "workbench/supportfilesdialog.h"
#include "workbench/templatedialogs.h"
#include "workbench/workbenchhelp.h"

using namespace tb;
using namespace tb::test;

namespace {

const unsigned kKeys[] = {100, 141, 132,   130,   131,   135,   147, 155,
                          142, 134, 57667, 32793, 32790, 32783, 101, 1028};

QString ShownPage() {
    CHelpWindow* pWindow = CHelpWindow::Existing();
    return pWindow && pWindow->isVisible() ? pWindow->CurrentPage() : QString();
}

class WorkbenchHelp : public WorkbenchFixture {
protected:
    void SetUp() override { SetHelpFolder(ProgramDir() + "/TesseraBrisko.help"); }
    void TearDown() override {
        if (CHelpWindow* pWindow = CHelpWindow::Existing())
            pWindow->hide();
        SetHelpFolder("");
    }
    // F1 in a dialog shown beside the frame, with the focus in it.
    void PressF1In(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        // Shortcuts go by the application's active window.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        QTest::keyClick(&dialog, Qt::Key_F1);
    }
};

} // namespace

TEST_F(WorkbenchHelp, EveryKeyOpensARealPageInTheOneHelpWindow) {
    Start();
    for (unsigned nKey : kKeys) {
        ASSERT_TRUE(ShowWorkbenchHelp(nKey)) << nKey;
        EXPECT_EQ(ShownPage().toStdString(), WorkbenchHelpPage(nKey));
        const QTextBrowser& browser = CHelpWindow::Existing()->Browser();
        EXPECT_FALSE(browser.documentTitle().isEmpty()) << nKey;
        EXPECT_GT(browser.toPlainText().size(), 500) << nKey;
    }
    // A key without a page opens nothing and says nothing.
    EXPECT_FALSE(ShowWorkbenchHelp(ID_APP_ABOUT));
    Exit();
}

TEST_F(WorkbenchHelp, AMissingPageSaysSoInTheFramesWordsOrInADialogsOwn) {
    Start();
    TempDir empty;
    SetHelpFolder(empty.path());
    ui.Expect(UiAnswer::Message(IDOK).WithText("The help file is not found!"));
    Action(ID_HELP_FINDER)->trigger();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].icon, MbIcon::Stop);
    EXPECT_EQ(ui.calls()[0].caption, "Ambrel Brisko");

    CDlgRename dialog("Normal", "", &Frame());
    ui.Expect(UiAnswer::Message(IDOK).WithText("帮助文件没有找到."));
    PressF1In(dialog);
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].icon, MbIcon::Stop);
    dialog.hide();
    Exit();
}

TEST_F(WorkbenchHelp, F1InEachHostDialogOpensThatDialogsPage) {
    CRecordingPanes panes;
    Start();
    CTessera& widget = *Doc().Tessera();
    CTessera fresh;
    ASSERT_TRUE(fresh.CreateFromProgID("TesseraServer.Brisko"));
    std::vector<std::unique_ptr<CHelpDialog>> dialogs;
    dialogs.push_back(std::make_unique<CDlgRename>("Normal", "", &Frame()));
    dialogs.push_back(std::make_unique<CDlgWebBrowser>(&Frame()));
    dialogs.push_back(std::make_unique<CAboutDlg>(InstallationAboutData(), &Frame()));
    dialogs.push_back(std::make_unique<CDlgSaveAsTemplate>(widget, templates.path(), &Frame()));
    dialogs.push_back(std::make_unique<CDlgManageTemplates>(templates.path(), &Frame()));
    dialogs.push_back(std::make_unique<CDlgSupportFiles>(widget, &Frame()));
    dialogs.push_back(std::make_unique<CDlgNew>(fresh, dir.path(), templates.path(), &Frame()));
    dialogs.push_back(std::make_unique<CDlgHtmlCode>(QStringLiteral("<applet>"), &Frame()));
    dialogs.push_back(std::make_unique<CDlgEditorChoice>(false, &Frame()));
    WriteFileBytes(dir.file("page.htm"), "<html>\r\n<body>\r\n</body>\r\n</html>\r\n");
    dialogs.push_back(std::make_unique<CDlgInsert>(dir.file("page.htm"), widget, &Frame()));
    const std::pair<unsigned, const char*> kExpected[] = {
        {131, "drename.htm"},
        {134, "dbrowser.htm"},
        {100, "dhelpabout.htm"},
        {135, "dsaveastemplate.htm"},
        {155, "dmanagetemplate.htm"},
        {141, "dsupportfiles.htm"},
        {130, "dnew.htm"},
        {142, "dviewcode.htm"},
        {147, "dinsert.htm"},
        {132, "dinsertintohtml.htm"},
    };
    for (size_t i = 0; i < dialogs.size(); ++i) {
        EXPECT_EQ(dialogs[i]->HelpTemplate(), kExpected[i].first);
        PressF1In(*dialogs[i]);
        EXPECT_EQ(ShownPage(), kExpected[i].second);
        dialogs[i]->hide();
    }
    Exit();
}

TEST_F(WorkbenchHelp, F1InTheFrameOpensTheIndexAndInTheFormTheFormsPage) {
    Start();
    Frame().menuBar()->setFocus();
    QTest::keyClick(&Frame(), Qt::Key_F1);
    EXPECT_EQ(ShownPage(), "index.htm");
    CHelpWindow::Existing()->hide();

    Activate();
    CBitmapButton* pButton = View().Button(CVellumoToolView::IDC_NEW);
    pButton->setFocus();
    QTest::keyClick(pButton, Qt::Key_F1);
    EXPECT_EQ(ShownPage(), "mainframe.htm");
    Exit();
}

TEST_F(WorkbenchHelp, TheHelpMenuTheTipsButtonAndMoreInformationOpenTheirPages) {
    Start();
    const std::pair<unsigned, const char*> kEntries[] = {
        {ID_HELP_FINDER, "index.htm"},
        {ID_HELP_TUTORIAL, "step.htm"},
        {ID_HELP_FAQ, "faq.htm"},
        {ID_HELP_WORK_WITH_EDITOR, "workwithvellumo.htm"},
    };
    for (const auto& [nId, page] : kEntries) {
        ASSERT_TRUE(Action(nId)->isEnabled()) << nId;
        Action(nId)->trigger();
        EXPECT_EQ(ShownPage(), page);
    }
    // The tool bar's Tips.
    CHelpWindow::Existing()->hide();
    auto* pTips = qobject_cast<QToolButton*>(
        Frame().ToolBar()->widgetForAction(Action(ID_HELP_WORK_WITH_EDITOR)));
    ASSERT_TRUE(pTips);
    QTest::mouseClick(pTips, Qt::LeftButton);
    EXPECT_EQ(ShownPage(), "workwithvellumo.htm");
    // The form's More Information.
    CBitmapButton* pMore = View().Button(CVellumoToolView::IDC_MORE_INFORMATION);
    ASSERT_TRUE(pMore->isEnabled());
    QTest::mouseClick(pMore, Qt::LeftButton);
    EXPECT_EQ(ShownPage(), "insertintohtml.htm");
    Exit();
}

TEST_F(WorkbenchHelp, OrderingInformationOpensTheOrderPageThroughTheDesktop) {
    Start();
    ui.Expect(UiAnswer::Document().WithText("https://www.tallowby.example/order.htm"));
    Action(ID_HELP_ORDERING)->trigger();
    EXPECT_EQ(ui.pending(), 0u);
    Exit();
}
