// Add-ins registered for the page editor, loaded from their modules and connected to the
// in-memory editor: start-up loading by load behaviour, the test add-in's bar and events,
// disconnection, and modules that cannot serve.

#include <gtest/gtest.h>

#include "addin/host/addinmanager.h"
#include "addin/host/memory/memoryeditor.h"
#include "platform/registry/registry.h"
#include "platform/registry/regkey.h"
#include "tests/addin/host/testaddinsupport.h"
#include "tests/support/scriptedui.h"

using namespace tb::host;
using tb::test::AddInLog;
using tb::test::kTestAddInProgId;

namespace {

class AddInManager : public ::testing::Test {
protected:
    std::string LogPath() const { return m_dir.file("addin.log"); }

    tb::test::TempDir m_dir;
    CMemoryPageEditor m_editor;
};

TEST_F(AddInManager, RegisteredAddInsAreListedWithTheirValues) {
    tb::test::RegisterTestAddIn(3, LogPath());
    WriteAddInRecord({"Other.Connect", "Other", "Does nothing", 0});
    std::vector<AddInRecord> records = ListRegisteredAddIns();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].progId, kTestAddInProgId);
    EXPECT_EQ(records[0].friendlyName, "Test add-in");
    EXPECT_EQ(records[0].description, "Logs what it receives");
    EXPECT_EQ(records[0].loadBehavior, 3u);
    EXPECT_TRUE(records[0].LoadsAtStartup());
    EXPECT_FALSE(records[1].LoadsAtStartup());

    // The key is where the editor's users and installers expect it.
    tb::CRegKey key;
    EXPECT_EQ(
        key.Open(HKEY_CURRENT_USER, "Software\\Tallowby\\Page Editor\\Addins\\TestAddIn.Connect"),
        ERROR_SUCCESS);
}

TEST_F(AddInManager, StartupConnectsTheAddInWhichBuildsItsBarAndFollowsThePage) {
    tb::test::RegisterTestAddIn(3, LogPath());
    m_editor.NewPage("<p id=\"p\">text</p><img id=\"i\">");
    CAddInManager manager(m_editor);
    manager.ConnectStartupAddIns();
    ASSERT_TRUE(manager.IsConnected(kTestAddInProgId));

    ICommandBar* bar = m_editor.CommandBars().Find("Test Bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    ASSERT_EQ(bar->Controls().Count(), 2);
    EXPECT_EQ(bar->Controls().Item(1)->Caption(), "Say");
    EXPECT_EQ(bar->Controls().Item(2)->TooltipText(), "Pastes a marked element over the selection");
    EXPECT_EQ(bar->Controls().Item(2)->Style(), ButtonStyleIconAndCaption);
    EXPECT_EQ(bar->Controls().Item(1)->Face().nWidth, 16);

    m_editor.Page()->SelectElement("i");
    m_editor.Bars().Bar(1)->Button(1)->Click();
    m_editor.Bars().Bar(1)->Button(2)->Click();
    EXPECT_EQ(m_editor.Page()->BodyHtml(), "<p id=\"p\">text</p><b id=\"pasted\">pasted</b>");
    EXPECT_EQ(m_editor.Page()->UndoNames(), std::vector<std::string>{"InsertWidget"});

    manager.DisconnectAll(DisconnectModeHostShutdown);
    EXPECT_EQ(m_editor.CommandBars().Find("Test Bar"), nullptr);
    EXPECT_EQ(
        AddInLog(LogPath()),
        (std::vector<std::string>{"connect 1 TestAddIn.Connect Test add-in",
                                  "update 1 Control unsaved://Untitled", "click Say tag 1 active i",
                                  "click Paste tag 2 active i", "update 1 None unsaved://Untitled",
                                  "update 1 None unsaved://Untitled", "disconnect 0"}));
    // Shutdown leaves the add-in marked as it was, to be loaded again next time.
    EXPECT_EQ(FindRegisteredAddIn(kTestAddInProgId)->loadBehavior, 3u);
}

TEST_F(AddInManager, OnlyAddInsThatAskForStartupAreConnectedThenAndOthersOnRequest) {
    tb::test::RegisterTestAddIn(0, LogPath());
    CAddInManager manager(m_editor);
    manager.ConnectStartupAddIns();
    EXPECT_FALSE(manager.IsConnected(kTestAddInProgId));
    EXPECT_TRUE(AddInLog(LogPath()).empty());

    ASSERT_TRUE(manager.Connect("testaddin.connect", ConnectModeAfterStartup));
    EXPECT_TRUE(manager.Connect(kTestAddInProgId, ConnectModeAfterStartup)); // already
    EXPECT_EQ(FindRegisteredAddIn(kTestAddInProgId)->loadBehavior, 1u);
    EXPECT_EQ(manager.ConnectedProgIds(), std::vector<std::string>{kTestAddInProgId});

    ASSERT_TRUE(manager.Disconnect(kTestAddInProgId, DisconnectModeUserClosed));
    EXPECT_FALSE(manager.Disconnect(kTestAddInProgId, DisconnectModeUserClosed));
    EXPECT_EQ(FindRegisteredAddIn(kTestAddInProgId)->loadBehavior, 0u);
    EXPECT_EQ(AddInLog(LogPath()), (std::vector<std::string>{
                                       "connect 0 TestAddIn.Connect Test add-in", "disconnect 1"}));
}

TEST_F(AddInManager, AnAddInThatCannotBeLoadedIsReportedAndSkipped) {
    tb::test::ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText(
        "The add-in Missing.Connect could not be loaded.\nIt is not registered."));
    ui.Expect(tb::UiAnswer::Message(IDOK));
    ui.Expect(tb::UiAnswer::Message(IDOK));
    CAddInManager manager(m_editor);
    EXPECT_FALSE(manager.Connect("Missing.Connect", ConnectModeStartup));

    tb::test::RegisterTestAddIn(3, LogPath(), m_dir.file("gone.so"));
    EXPECT_FALSE(manager.Connect(kTestAddInProgId, ConnectModeStartup));
    EXPECT_NE(manager.LastError().find("gone.so"), std::string::npos);

    tb::test::RegisterTestAddIn(3, LogPath(), TB_TEST_NOENTRY);
    EXPECT_FALSE(manager.Connect(kTestAddInProgId, ConnectModeStartup));
    EXPECT_NE(manager.LastError().find("has no entry point CreateAddInConnect"), std::string::npos);
    EXPECT_TRUE(manager.ConnectedProgIds().empty());
}

} // namespace
