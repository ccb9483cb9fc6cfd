// The connection on the in-memory editor: what each connect mode does, the bar's buttons
// reaching the insertion, and what disconnection takes down and remembers.

#include <gtest/gtest.h>

#include "addin/core/connect.h"
#include "tests/addin/core/addintest.h"
#include "tests/support/scriptedui.h"

using namespace tb::addin;
using namespace tb::host;

namespace {

// Windows that record what the connection asks of them.
class CRecordingWindows : public IAddInWindows {
public:
    explicit CRecordingWindows(std::vector<std::string>& log, INewWidgetForm& form)
        : m_log(log), m_form(form) {}
    void ShowAddInForm(IPageEditorApplication&) override { m_log.push_back("show"); }
    void HideAddInForm() override { m_log.push_back("hide"); }
    void UnloadAddInForm() override { m_log.push_back("unload"); }
    void SetHideRequest(std::function<void()> hide) override { fnHide = std::move(hide); }
    INewWidgetForm& NewWidgetForm() override {
        m_log.push_back("form");
        return m_form;
    }
    std::function<void()> fnHide;

private:
    std::vector<std::string>& m_log;
    INewWidgetForm& m_form;
};

class CAddInRecord : public IAddIn {
public:
    std::string ProgId() const override { return kAddInProgId; }
    std::string FriendlyName() const override { return kAddInFriendlyName; }
    std::string Description() const override { return kAddInDescription; }
};

class Connection : public tb::test::AddInFixture {
protected:
    Connection() {
        tb::test::WriteFileBytes(m_site.file("Tessera.ini"),
                                 "[TesseraServer.Brisko]\r\nname=Brisko 2.0\r\n");
        auto windows = std::make_unique<CRecordingWindows>(m_log, m_form);
        m_pWindows = windows.get();
        m_pConnect = std::make_unique<CConnect>(m_site.path(), std::move(windows));
    }
    ICommandBar* Bar() { return m_editor.CommandBars().Find(kBarName); }
    std::string Setting() {
        return m_editor.GetSetting("Ambrel Widgets", "Settings", "DisplayOnConnect", "none");
    }

    std::vector<std::string> m_log;
    CRecordingWindows* m_pWindows = nullptr;
    std::unique_ptr<CConnect> m_pConnect;
    CAddInRecord m_record;
};

TEST_F(Connection, AtStartUpTheBarIsBuiltAndItsButtonsInsertWidgets) {
    OpenPage("<p>text</p>");
    m_pConnect->OnConnection(m_editor, ConnectModeStartup, m_record);
    m_pConnect->SetClock([] { return 46000.5; });
    ASSERT_NE(Bar(), nullptr);
    ASSERT_EQ(Bar()->Controls().Count(), 1);
    EXPECT_TRUE(m_log.empty()) << "neither form is made before it is needed";

    m_form.onShow = [](CNewWidgetChooser& chooser) {
        chooser.SetOption(OptionBlank);
        chooser.Ok();
    };
    m_editor.Page()->PlaceCaretAtEnd();
    m_editor.Bars().Bar(1)->Button(1)->Click();
    EXPECT_NE(
        m_editor.Page()->BodyHtml().find("Ambrel Widgets:_tsqres/46000.5_TesseraServer.Brisko.tsq"),
        std::string::npos);
    EXPECT_EQ(m_log, std::vector<std::string>{"form"});

    // The editor's update event reaches the bar: the HTML view disables the button.
    m_editor.SetViewMode(ViewModeHtml);
    EXPECT_FALSE(Bar()->Controls().Item(1)->Enabled());
    m_editor.SetViewMode(ViewModeNormal);
    EXPECT_TRUE(Bar()->Controls().Item(1)->Enabled());
}

TEST_F(Connection, AnExternalStartShowsTheFormInsteadOfTheBar) {
    m_pConnect->OnConnection(m_editor, ConnectModeExternal, m_record);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(m_log, std::vector<std::string>{"show"});
    EXPECT_TRUE(m_pConnect->FormDisplayed());

    m_pConnect->OnDisconnection(DisconnectModeUserClosed);
    EXPECT_EQ(Setting(), "1");
    EXPECT_FALSE(m_pConnect->FormDisplayed());
    EXPECT_EQ(m_log, (std::vector<std::string>{"show", "unload"}));
}

TEST_F(Connection, AfterStartUpTheFormReturnsWhenItWasOpenAtTheLastDisconnection) {
    m_editor.SaveSetting("Ambrel Widgets", "Settings", "DisplayOnConnect", "1");
    m_pConnect->OnConnection(m_editor, ConnectModeAfterStartup, m_record);
    EXPECT_NE(Bar(), nullptr);
    EXPECT_EQ(m_log, std::vector<std::string>{"show"});

    // The form's Cancel hides it, and the next connection does without it.
    m_pWindows->fnHide();
    m_pConnect->OnDisconnection(DisconnectModeUserClosed);
    EXPECT_EQ(Setting(), "0");
    EXPECT_EQ(Bar(), nullptr);

    m_log.clear();
    m_pConnect->OnConnection(m_editor, ConnectModeAfterStartup, m_record);
    EXPECT_TRUE(m_log.empty());
    // At start-up the setting is not asked.
    m_pConnect->OnDisconnection(DisconnectModeHostShutdown);
    m_editor.SaveSetting("Ambrel Widgets", "Settings", "DisplayOnConnect", "1");
    m_log.clear();
    m_pConnect->OnConnection(m_editor, ConnectModeStartup, m_record);
    EXPECT_TRUE(m_log.empty());
}

TEST_F(Connection, DisconnectionDeletesEveryBarOfTheNameAndStopsFollowingThePage) {
    m_editor.CommandBars().Add(kBarName, true);
    m_editor.CommandBars().Add("Other", true);
    m_pConnect->OnConnection(m_editor, ConnectModeStartup, m_record);
    ASSERT_EQ(m_editor.CommandBars().Count(), 3);
    m_pConnect->OnDisconnection(DisconnectModeHostShutdown);
    ASSERT_EQ(m_editor.CommandBars().Count(), 1);
    EXPECT_EQ(m_editor.CommandBars().Item(1)->Name(), "Other");
    OpenPage("<p>text</p>");
    m_editor.SetViewMode(ViewModeHtml); // raises the update event: nobody may answer it
    EXPECT_EQ(Setting(), "0");
}

} // namespace
