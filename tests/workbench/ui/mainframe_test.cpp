// The main window: its menu with the keys, the tool bar, the status bar's prompts, the title,
// and the placement written when it closes and read when it opens again.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/profile/profile.h"
#include "workbench/core/commandids.h"
#include "workbench/core/frameplacement.h"

using namespace tb;
using namespace tb::test;

namespace {

QStringList MenuTexts(QMenu* pMenu) {
    QStringList texts;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator())
            texts << "-";
        else if (pAction->isVisible())
            texts << pAction->text() + (pAction->shortcut().isEmpty()
                                            ? QString()
                                            : "\t" + pAction->shortcut().toString());
    }
    return texts;
}

} // namespace

using MainFrame = WorkbenchFixture;

TEST_F(MainFrame, TheMenuListsTheCommandsWithTheirKeys) {
    Start();
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(MenuTexts(menus[0]->menu()),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                           "Save as &Template...\tCtrl+T", "Su&pport Files...", "-", "-",
                           "E&xit\tCtrl+Q"}));
    EXPECT_EQ(MenuTexts(menus[1]->menu()),
              (QStringList{"&Configure...\tAlt+Return", "&Rename..."}));
    EXPECT_EQ(MenuTexts(menus[2]->menu()), (QStringList{"&Web Browser...", "&Template..."}));
    EXPECT_EQ(menus[3]->menu()->actions().size(), 8);
    EXPECT_EQ(Action(ID_EDIT_CONFIGURE)->shortcuts().size(), 2); // Return and keypad Enter

    // Every command of the menus works with a widget loaded.
    Frame().UpdateCommandStates();
    for (unsigned nId :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_EDIT_CONFIGURE,
          ID_EDIT_RENAME, ID_FILE_SAVE_AS_TEMPLATE, ID_OPTION_TEMPLATE, ID_FILE_SUPPORT_FILES,
          IDC_COPY_CODE, IDC_NEW_PAGE, IDC_INSERT_INTO, ID_OPTION_WEB_BROWSER, ID_HELP_FINDER,
          ID_HELP_TUTORIAL, ID_HELP_WORK_WITH_EDITOR, ID_HELP_FAQ, ID_HELP_ORDERING, ID_APP_ABOUT})
        EXPECT_TRUE(Action(nId)->isEnabled()) << nId;
    Exit();
}

TEST_F(MainFrame, RecentFilesAppearInTheFileMenuAndOpenAgain) {
    Start();
    ui.Expect(UiAnswer::SaveFile(dir.file("one.tsq")));
    Frame().SendCommand(ID_FILE_SAVE_AS);
    QMenu* pFile = Frame().menuBar()->actions()[0]->menu();
    EXPECT_TRUE(MenuTexts(pFile).contains("&1 " + QString::fromStdString(dir.file("one.tsq"))));
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), dir.file("one.tsq"));

    // A recent file that is gone is taken off the list after its message.
    std::filesystem::remove(dir.file("one.tsq"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("Open " + dir.file("one.tsq") + " Error!"));
    Action(ID_FILE_MRU_FILE1)->trigger();
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_EQ(GetProfileString("Recent File List", "File1"), "");
    Exit();
}

TEST_F(MainFrame, TheToolBarHasFourLabelledButtonsWithTheirIcons) {
    Start();
    QToolBar* pToolBar = Frame().ToolBar();
    EXPECT_EQ(pToolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(pToolBar->iconSize(), QSize(32, 32));
    EXPECT_EQ(pToolBar->allowedAreas(), Qt::AllToolBarAreas);
    QStringList labels;
    for (QAction* pAction : pToolBar->actions()) {
        if (pAction->isSeparator()) {
            labels << "|";
            continue;
        }
        labels << pAction->iconText();
        EXPECT_FALSE(pAction->icon().isNull());
        auto* pButton = qobject_cast<QToolButton*>(pToolBar->widgetForAction(pAction));
        ASSERT_NE(pButton, nullptr);
        EXPECT_GE(pButton->width(), 50);
        EXPECT_LE(pButton->width(), 150);
    }
    EXPECT_EQ(labels, (QStringList{"Save", "As Template", "|", "Support Files", "|", "Tips"}));
    Exit();
}

TEST_F(MainFrame, TheStatusBarShowsThePromptOfWhatThePointerIsOn) {
    Start();
    QWidget* pSave = Frame().ToolBar()->widgetForAction(Action(ID_FILE_SAVE));
    QTest::mouseMove(pSave);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(pSave, &enter);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), "Save the widget");
    Exit();
}

TEST_F(MainFrame, HasNoMaximizeBoxAndTheTitleMarksUnsavedChanges) {
    Start();
    EXPECT_FALSE(Frame().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Frame().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(Frame().isWindowModified());
    Doc().RenameWidget("Blue", "");
    EXPECT_TRUE(Frame().isWindowModified());
    ui.Expect(UiAnswer::Message(IDNO));
    Exit();
}

TEST_F(MainFrame, ThePlacementIsWrittenOnCloseAndRestoredAtTheNextStart) {
    Start();
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    Frame().move(workArea.left() + 40, workArea.top() + 30);
    Frame().resize(420, 300); // smaller than the form, which then scrolls
    Exit();
    EXPECT_EQ(GetProfileInt("Frame", "Status", -1), SW_SHOWNORMAL);
    EXPECT_EQ(GetProfileInt("Frame", "Left", -1), 40);
    EXPECT_EQ(GetProfileInt("Frame", "Top", -1), 30);
    EXPECT_EQ(GetProfileInt("Frame", "Right", -1), 460);
    EXPECT_EQ(GetProfileInt("Frame", "Bottom", -1), 330);

    Start();
    EXPECT_EQ(Frame().pos(), workArea.topLeft() + QPoint(40, 30));
    EXPECT_EQ(Frame().size(), QSize(420, 300));
    EXPECT_TRUE(View().verticalScrollBar()->isVisible());
    Exit();
}

TEST_F(MainFrame, PartialOrOffScreenPlacementsOpenWhereTheWindowCanBeReached) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Only four of the five entries: the desktop's default place and the form's size.
    WriteProfileInt("Frame", "Left", 300);
    WriteProfileInt("Frame", "Top", 200);
    WriteProfileInt("Frame", "Right", 700);
    WriteProfileInt("Frame", "Bottom", 500);
    Start();
    EXPECT_NE(Frame().pos(), QPoint(300, 200));
    const QSize formSize = Frame().size();
    Exit();

    // Far beyond the bottom right corner: an icon's worth stays on the screen.
    WriteFramePlacement({SW_SHOWNORMAL, {5000, 4000, 5400, 4300}});
    Start();
    EXPECT_EQ(Frame().pos(), QPoint(screen.right() + 1 - 32, screen.bottom() + 1 - 32));
    EXPECT_EQ(Frame().size(), QSize(400, 300));
    Exit();

    // A stored size larger than the form shrinks to the form.
    WriteFramePlacement({SW_SHOWNORMAL, {0, 0, 3000, 2000}});
    Start();
    EXPECT_EQ(Frame().size(), formSize);
    Exit();
}
