// Add-ins in Vellumo: the test add-in registered in the test's registry is loaded at
// start-up, shows its bar as a tool bar, receives clicks and the update event, and edits the
// page in one undo step; the Add-ins dialog lists and unloads it.

#include "tests/vellumo/vellumotest.h"

#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include "tests/addin/host/testaddinsupport.h"
#include "vellumo/addinsdialog.h"

using namespace tb::vellumo;
using tb::test::AddInLog;

namespace {

class AddIns : public tb::test::VellumoTest {
protected:
    std::string LogPath() const { return m_dir.file("addin.log"); }

    QToolButton* Button(QToolBar& bar, const QString& caption) {
        for (QAction* action : bar.actions())
            if (action->text() == caption)
                return qobject_cast<QToolButton*>(bar.widgetForAction(action));
        return nullptr;
    }
};

TEST_F(AddIns, TheTestAddInLoadsAtStartupAndItsBarWorksOnThePage) {
    tb::test::RegisterTestAddIn(3, LogPath());
    Window().ConnectStartupAddIns();
    OpenFixture("shop.htm");
    QTest::qWait(100);

    tb::host::ICommandBar* bar = Window().Host().CommandBars().Find("Test Bar");
    ASSERT_NE(bar, nullptr);
    QToolBar* toolBar = Window().BarsView().ToolBar(bar);
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->isVisible());
    ASSERT_EQ(toolBar->actions().size(), 2);
    QToolButton* say = Button(*toolBar, "Say");
    QToolButton* paste = Button(*toolBar, "Paste");
    ASSERT_TRUE(say && paste);
    EXPECT_EQ(say->toolTip(), "Writes its name to the log");
    EXPECT_EQ(say->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_FALSE(say->icon().isNull());

    ClickAt(CenterOf("logo"));
    QTest::mouseClick(say, Qt::LeftButton);
    QTest::mouseClick(paste, Qt::LeftButton);
    Settle();
    std::string bytes = Bytes();
    EXPECT_NE(bytes.find("<b id=\"pasted\">pasted</b>"), std::string::npos);
    EXPECT_EQ(bytes.find("logo.gif"), std::string::npos);
    ASSERT_TRUE(Window().Undo());
    EXPECT_EQ(Bytes(), Fixture("shop.htm"));

    std::vector<std::string> log = AddInLog(LogPath());
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "connect 1 TestAddIn.Connect Test add-in");
    auto has = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) != log.end();
    };
    EXPECT_TRUE(has("click Say tag 1 active logo"));
    EXPECT_TRUE(has("click Paste tag 2 active logo"));
    EXPECT_TRUE(has("update 1 Control file://" + m_dir.path() + "/shop.htm"));
}

TEST_F(AddIns, TheDialogListsRegisteredAddInsAndUnloadsOne) {
    tb::test::RegisterTestAddIn(3, LogPath());
    tb::host::WriteAddInRecord({"Other.Connect", "Other add-in", "Not installed here", 0});
    Window().ConnectStartupAddIns();
    CAddInsDialog dialog(Window().AddIns(), &Window());
    dialog.show();
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), "Test add-in");
    EXPECT_EQ(table->item(0, 1)->checkState(), Qt::Checked);
    EXPECT_EQ(table->item(0, 2)->checkState(), Qt::Checked);
    EXPECT_EQ(table->item(0, 3)->text(), "Logs what it receives");
    EXPECT_EQ(table->item(1, 1)->checkState(), Qt::Unchecked);
    SaveScreenshot(dialog, "vellumo-addins.png");

    table->item(0, 1)->setCheckState(Qt::Unchecked);
    dialog.Apply();
    EXPECT_FALSE(Window().AddIns().IsConnected(tb::test::kTestAddInProgId));
    EXPECT_EQ(Window().Host().CommandBars().Find("Test Bar"), nullptr);
    EXPECT_EQ(tb::host::FindRegisteredAddIn(tb::test::kTestAddInProgId)->loadBehavior, 2u);
    EXPECT_EQ(AddInLog(LogPath()).back(), "disconnect 1");
}

} // namespace
