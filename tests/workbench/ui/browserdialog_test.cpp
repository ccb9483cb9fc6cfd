// The Web Browser dialog through clicks and keys: the two lists as the settings hold them,
// "..." filling the path, Add and Delete with their messages, and the lists after each.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "component/browserlist.h"
#include "platform/profile/profile.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/browserdialog.h"
#include "workbench/core/browseroptions.h"
#include "workbench/core/commandids.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kNameAndPath[] =
    "You must input the name and execute file's path for the specified web browser.";

QStringList Entries(const QListWidget& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        entries << list.item(i)->text();
    return entries;
}

class WebBrowserDialog : public WorkbenchFixture {
protected:
    void SetUp() override { Start(); }
    void TearDown() override { Exit(); }

    static std::string FindOnlyFirefox(const std::string& program) {
        return program == "firefox" ? "/usr/bin/firefox" : std::string();
    }
    void Type(QLineEdit& edit, const QString& text) {
        edit.setFocus();
        edit.clear();
        QTest::keyClicks(&edit, text);
    }
};

} // namespace

TEST_F(WebBrowserDialog, OpensWithTheInstalledAndTheUsersBrowsersInTheirOrder) {
    {
        BrowserList browsers(FindOnlyFirefox);
        ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/b", "Beta"));
        ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/a", "Alpha"));
    }
    CDlgWebBrowser dialog(&Frame(), FindOnlyFirefox);
    EXPECT_EQ(dialog.windowTitle(), "Web Browser");
    EXPECT_EQ(Entries(dialog.InstalledList()), QStringList{"Firefox"});
    EXPECT_EQ(Entries(dialog.SpecifiedList()), (QStringList{"Beta", "Alpha"}));
}

TEST_F(WebBrowserDialog, BrowseFillsThePathAndAddAppendsTheNameAfterStoringIt) {
    CDlgWebBrowser dialog(&Frame(), FindOnlyFirefox);
    dialog.show();
    ui.Expect(UiAnswer::OpenFile("/opt/kiosk/bin/kiosk"));
    QTest::mouseClick(&dialog.BrowseButton(), Qt::LeftButton);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].kind, UiCallKind::GetOpenFileName);
    EXPECT_FALSE(ui.calls()[0].file.multiSelect);
    EXPECT_EQ(dialog.PathEdit().text(), "/opt/kiosk/bin/kiosk");

    Type(dialog.NameEdit(), "Kiosk");
    // Enter in the name adds the browser; it does not close the dialog.
    QTest::keyClick(&dialog.NameEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Entries(dialog.SpecifiedList()), QStringList{"Kiosk"});
    EXPECT_EQ(GetProfileString("Specify Browser", "Name1"), "Kiosk");
    EXPECT_EQ(GetProfileString("Specify Browser", "Path1"), "/opt/kiosk/bin/kiosk");
    EXPECT_EQ(dialog.Browsers().specifiedCount(), 1);

    // A cancelled file dialog leaves the path as it was.
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetOpenFileName));
    QTest::mouseClick(&dialog.BrowseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.PathEdit().text(), "/opt/kiosk/bin/kiosk");
}

TEST_F(WebBrowserDialog, AddWantsNameAndPathAndANewName) {
    CDlgWebBrowser dialog(&Frame(), FindOnlyFirefox);
    dialog.show();
    ui.Expect(UiAnswer::Message(IDOK).WithText(kNameAndPath));
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    Type(dialog.NameEdit(), "Kiosk");
    ui.Expect(UiAnswer::Message(IDOK).WithText(kNameAndPath));
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.SpecifiedList().count(), 0);

    Type(dialog.PathEdit(), "/opt/kiosk");
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please give a new name to this browser!"));
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    // Another letter case is another browser.
    Type(dialog.NameEdit(), "kiosk");
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(dialog.SpecifiedList()), (QStringList{"Kiosk", "kiosk"}));
    for (const UiCall& call : ui.calls())
        EXPECT_EQ(call.caption, kCaption);
}

TEST_F(WebBrowserDialog, DeleteWantsASelectionAndFreesTheSlotOfTheSelectedName) {
    {
        BrowserList browsers(FindOnlyFirefox);
        for (const char* name : {"One", "Two", "Three"})
            ASSERT_TRUE(AddSpecifiedBrowser(browsers, std::string("/opt/") + name, name));
    }
    CDlgWebBrowser dialog(&Frame(), FindOnlyFirefox);
    dialog.show();
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a browser to delete!"));
    QTest::mouseClick(&dialog.DeleteButton(), Qt::LeftButton);

    QListWidget& list = dialog.SpecifiedList();
    const QRect second = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(list.currentRow(), 1);
    QTest::mouseClick(&dialog.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(list), (QStringList{"One", "Three"}));
    EXPECT_EQ(GetProfileString("Specify Browser", "Name2", "-"), "");
    EXPECT_EQ(GetProfileString("Specify Browser", "BrowserNum"), "3");

    // The next one added takes the freed slot and shows at the end of the list.
    Type(dialog.NameEdit(), "Four");
    Type(dialog.PathEdit(), "/opt/Four");
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(list), (QStringList{"One", "Three", "Four"}));
    EXPECT_EQ(GetProfileString("Specify Browser", "Name2"), "Four");
}

TEST_F(WebBrowserDialog, TheOptionMenuOpensIt) {
    bool bListed = false;
    const CDialogDriver driver("Web Browser", [&](QWidget& dialog) {
        bListed = dialog.findChildren<QListWidget*>().size() == 2;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(Action(ID_OPTION_WEB_BROWSER)->isEnabled());
    Action(ID_OPTION_WEB_BROWSER)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_TRUE(bListed);
}
